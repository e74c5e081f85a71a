// The shortcut writer's inputs as any bytes: a name, a target and the arguments, one to a line. A
// shortcut is made only for a plain name and a target that exists, only in Send To, and well formed;
// the program writes nothing else, and it holds the target and arguments as given.
#include <cstdint>
#include <string>
#include <vector>

#include "core/shell_link.h"
#include "core/shortcut_name.h"
#include "require.h"
#include "support/portable_machine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace parcelo;
    using Names = std::vector<std::string>;
    static test::PortableMachine m;
    static const bool prepared = [] {
        m.makeFolder("C:\\Programs\\データ");
        m.writeBytes("C:\\Programs\\app.exe", "MZ");
        m.writeBytes("C:\\Programs\\データ\\メモ.txt", "text");
        return true;
    }();
    (void)prepared;

    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t first = input.find('\n');
    const size_t second = first == std::string::npos ? first : input.find('\n', first + 1);
    const std::string name = input.substr(0, first);
    const std::string path = first == std::string::npos ? "" : input.substr(first + 1, second - first - 1);
    const std::string arguments = second == std::string::npos ? "" : input.substr(second + 1);

    m.faults.changed.clear();
    const std::int32_t result = fCreateShellLink(m.platform, "..\\..\\SendTo", name, path, arguments);
    require(result == 0 || result == 1, "the result is 1 or 0");
    const std::string link = m.sendTo() + "\\" + name + ".lnk";
    for (const std::string& changed : m.faults.changed)
        require(changed == link || changed == link + ".new", "nothing but the shortcut and its temporary file changes");
    require(m.entries(m.sendTo()) == (result == 1 ? Names{name + ".lnk"} : Names{}),
            "Send To holds the shortcut under its name alone, or nothing");
    if (result == 1) {
        require(isPlainFileName(name) && m.files.attributes(path).exists, "made only for a plain name and a target");
        require(m.readBytes(link) == PortableShortcutWriter::recordOf(path, arguments, ""),
                "the writer was asked for this target and these arguments");
        m.files.removeFile(link);
    }
    return 0;
}
