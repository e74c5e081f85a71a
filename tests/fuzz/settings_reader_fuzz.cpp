// Data.ini as any bytes: reading never fails, and what was read, written back as the program writes it,
// reads back the same.
#include <cstdint>
#include <string>

#include "core/settings_codec.h"
#include "core/text_file_encoding.h"
#include "platform/portable/codepage_portable.h"
#include "require.h"

namespace {

// A placement value read from a whole number that single-precision twips carry exactly.
bool exactInFloat(parcelo::Twips v) { return v >= -(1 << 24) && v <= (1 << 24); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace parcelo;
    static PortableCodepage codepage;
    const std::string text = decodeSettingsText(std::string_view(reinterpret_cast<const char*>(data), size), codepage);
    SettingsRecord record;
    readSettingsRecord(text, record);

    // The file has no escape for a quote inside a path: such a path cannot come back whole.
    const bool quoteFree = record.targetPath.find('"') == std::string::npos &&
                           record.userPath.find('"') == std::string::npos;
    const WindowPlacement& p = record.placement;
    const std::string line = writeSettingsRecord(record.targetPath, record.userPath, p, record.quitAfterSend);
    const std::string reread = decodeSettingsText(encodeSettingsText(line, codepage), codepage);
    require(reread == line, "the record line survives its encoding in the file");

    SettingsRecord again;
    readSettingsRecord(reread, again);
    if (!quoteFree) return 0;
    require(again.targetPath == record.targetPath, "the target folder reads back the same");
    require(again.userPath == record.userPath, "the user folder reads back the same");
    require(again.quitAfterSend == record.quitAfterSend, "the quit flag reads back the same");
    const WindowPlacement& q = again.placement;
    for (const auto& [read, reread] : {std::pair{p.width, q.width}, {p.height, q.height}, {p.top, q.top}, {p.left, q.left}})
        if (exactInFloat(read)) require(reread == read, "a placement value reads back the same");
    require(q.state == p.state, "the window state reads back the same");
    return 0;
}
