#include "core/shell_link.h"

#include <algorithm>

#include "core/atomic_write.h"
#include "core/drive_text.h"
#include "core/shortcut_name.h"
#include "core/special_folders.h"
#include "platform/platform_error.h"

namespace parcelo {
namespace {

// `relative` under `base`, resolved by name as the system does.
std::string resolveUnder(const std::string& base, const std::string& relative) {
    std::string path = base.substr(0, 2);
    for (const std::string& part : pathComponents(base.substr(std::min<size_t>(2, base.size())) + "\\" + relative))
        path += "\\" + part;
    return path;
}

}  // namespace

std::int32_t fCreateShellLink(Platform& platform, const std::string& folder, const std::string& linkName,
                              const std::string& linkPath, const std::string& linkArgs) {
    const std::string programs = SpecialFolderPath(platform.shell, csidlPrograms);
    if (programs.empty()) return 0;
    return createShortcutIn(platform, resolveUnder(programs, folder), linkName, linkPath, linkArgs);
}

std::int32_t createShortcutIn(Platform& platform, const std::string& folder, const std::string& linkName,
                              const std::string& linkPath, const std::string& linkArgs, const std::string& iconOf,
                              std::optional<int> iconIndex) {
    if (!isPlainFileName(linkName) || linkPath.empty()) return 0;
    if (!platform.files.attributes(linkPath).exists) return 0;
    if (!platform.files.attributes(folder).directory) return 0;
    try {
        writeFileAtomically(platform.files, folder + "\\" + linkName + ".lnk", [&](const std::string& temporary) {
            platform.shortcuts.write(temporary, linkPath, linkArgs, iconOf, iconIndex);
        });
    } catch (const PlatformError&) {
        return 0;
    }
    return 1;
}

}  // namespace parcelo
