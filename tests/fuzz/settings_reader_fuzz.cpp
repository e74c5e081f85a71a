// Data.ini as any bytes: reading never fails, and what was read, written back as the program writes it,
// reads back the same.
#include <cstdint>
#include <string>
#include <tuple>

#include "core/settings_codec.h"
#include "core/text_file_encoding.h"
#include "support/codepage_portable.h"
#include "require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace parcelo;
    static PortableCodepage codepage;
    const std::string text = decodeSettingsText(std::string_view(reinterpret_cast<const char*>(data), size), codepage);
    SettingsRecord record;
    readSettingsRecord(text, record);

    const WindowPlacement& p = record.placement;
    const std::string line = writeSettingsRecord(record.targetPath, record.userPath, p, record.quitAfterSend);
    const std::string reread = decodeSettingsText(encodeSettingsText(line, codepage), codepage);
    require(reread == line, "the record line survives its encoding in the file");

    // The file has no escape for a quote inside a path: such a path cannot come back whole.
    if ((record.targetPath + record.userPath).find('"') != std::string::npos) return 0;
    SettingsRecord again;
    readSettingsRecord(reread, again);
    const WindowPlacement& q = again.placement;
    require(std::tie(again.targetPath, again.userPath, again.quitAfterSend, q.state) ==
                std::tie(record.targetPath, record.userPath, record.quitAfterSend, p.state),
            "the folders, the quit flag and the window state read back the same");
    // Only a whole number that single-precision twips carry exactly comes back as it was read.
    for (const auto& [read, reread] : {std::pair{p.width, q.width}, {p.height, q.height}, {p.top, q.top}, {p.left, q.left}})
        if (read >= -(1 << 24) && read <= (1 << 24)) require(reread == read, "a placement value reads back the same");
    return 0;
}
