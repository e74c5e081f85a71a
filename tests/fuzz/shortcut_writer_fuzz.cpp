// The shortcut writer's inputs as any bytes: a name, a target and the arguments, one to a line. A
// shortcut is made only for a plain name and a target that exists, only in Send To, and well formed;
// nothing else on the machine changes.
#include <cstdint>
#include <filesystem>
#include <string>

#include "../unit/lnkinfo.h"
#include "../unit/portable_machine.h"
#include "core/shell_link.h"
#include "core/shortcut_name.h"
#include "require.h"

namespace {

using parcelo::test::PortableMachine;

PortableMachine& machine() {
    static PortableMachine m;
    static const bool prepared = [] {
        m.makeFolder("C:\\Programs\\データ");
        m.writeBytes("C:\\Programs\\app.exe", "MZ");
        m.writeBytes("C:\\Programs\\データ\\メモ.txt", "text");
        return true;
    }();
    (void)prepared;
    return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace parcelo;
    PortableMachine& m = machine();
    static const test::Snapshot before = m.snapshot();

    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t first = input.find('\n');
    const size_t second = first == std::string::npos ? first : input.find('\n', first + 1);
    const std::string name = input.substr(0, first);
    const std::string path = first == std::string::npos ? "" : input.substr(first + 1, second - first - 1);
    const std::string arguments = second == std::string::npos ? "" : input.substr(second + 1);

    const std::int32_t result = fCreateShellLink(m.platform, "..\\..\\SendTo", name, path, arguments);
    require(result == 0 || result == 1, "the result is 1 or 0");
    const test::Snapshot changed = test::changes(before, m.snapshot());
    require(changed.size() == (result == 1 ? 1u : 0u), "nothing changes but the shortcut in Send To");
    if (result == 1) {
        require(isPlainFileName(name) && m.files.attributes(path).exists, "made only for a plain name and a target");
        const std::string link = m.sendTo() + "\\" + name + ".lnk";
        require(changed.begin()->first == m.snapshotName(link), "the shortcut is in Send To under its name");
        require(test::linkLayoutFault(changed.begin()->second).empty(), "the shortcut's blocks fit together");
        std::filesystem::remove(m.files.hostPath(link));
    }
    return 0;
}
