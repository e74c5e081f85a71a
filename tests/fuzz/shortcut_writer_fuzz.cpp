// The shortcut writer's inputs as any bytes: a name, a target and the arguments, one to a line. A
// shortcut is made only for a plain name and a target that exists, only in Send To, and well formed;
// nothing else on the machine changes.
#include <sys/inotify.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

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

// Every change to a file or folder of the machine, as the host reports it: "folder/name" relative to
// the machine's root, since the last call. Far quicker than comparing the whole tree each time.
class TreeWatch {
public:
    explicit TreeWatch(const std::filesystem::path& root) : fd_(inotify_init1(IN_NONBLOCK)) {
        require(fd_ >= 0, "inotify is available");
        watch(root, root);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            if (entry.is_directory()) watch(entry.path(), root);
    }
    ~TreeWatch() { close(fd_); }

    std::vector<std::string> changes() {
        std::vector<std::string> changed;
        alignas(inotify_event) char buffer[64 * 1024];
        for (ssize_t got; (got = read(fd_, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                changed.push_back(folders_[event->wd] + "/" + (event->len ? event->name : ""));
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return changed;
    }

private:
    void watch(const std::filesystem::path& folder, const std::filesystem::path& root) {
        const int wd = inotify_add_watch(fd_, folder.c_str(),
                                         IN_CREATE | IN_DELETE | IN_MODIFY | IN_ATTRIB | IN_MOVED_FROM | IN_MOVED_TO |
                                             IN_DELETE_SELF | IN_MOVE_SELF);
        require(wd >= 0, "every folder is watched");
        folders_[wd] = folder.lexically_relative(root).string();
    }

    int fd_;
    std::map<int, std::string> folders_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace parcelo;
    PortableMachine& m = machine();
    static TreeWatch tree(m.root);
    static const std::string sendTo = m.snapshotName(m.sendTo());

    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t first = input.find('\n');
    const size_t second = first == std::string::npos ? first : input.find('\n', first + 1);
    const std::string name = input.substr(0, first);
    const std::string path = first == std::string::npos ? "" : input.substr(first + 1, second - first - 1);
    const std::string arguments = second == std::string::npos ? "" : input.substr(second + 1);

    const std::int32_t result = fCreateShellLink(m.platform, "..\\..\\SendTo", name, path, arguments);
    require(result == 0 || result == 1, "the result is 1 or 0");
    for (const std::string& changed : tree.changes())
        require(changed == sendTo + "/" + name + ".lnk" || changed == sendTo + "/" + name + ".lnk.new",
                "nothing but the shortcut and its temporary file changes");
    std::vector<std::filesystem::path> inSendTo;
    for (const auto& entry : std::filesystem::directory_iterator(m.files.hostPath(m.sendTo())))
        inSendTo.push_back(entry.path());
    require(inSendTo.size() == (result == 1 ? 1u : 0u), "Send To holds the shortcut alone, or nothing");
    if (result == 1) {
        require(isPlainFileName(name) && m.files.attributes(path).exists, "made only for a plain name and a target");
        const std::string link = m.sendTo() + "\\" + name + ".lnk";
        require(inSendTo[0] == m.files.hostPath(link), "the shortcut is in Send To under its name");
        require(test::linkLayoutFault(m.readBytes(link)).empty(), "the shortcut's blocks fit together");
        std::filesystem::remove(inSendTo[0]);
        tree.changes();
    }
    return 0;
}
