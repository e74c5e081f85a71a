#include "core/shell_link.h"

#include <vector>

#include "core/atomic_write.h"
#include "core/shortcut_name.h"
#include "core/special_folders.h"
#include "platform/platform_error.h"

namespace parcelo {
namespace {

// `relative` under `base`, with "." and ".." resolved by name as the system does.
std::string resolveUnder(const std::string& base, const std::string& relative) {
    std::vector<std::string> parts;
    const std::string whole = base + "\\" + relative;
    size_t start = 0;
    while (start <= whole.size()) {
        size_t end = whole.find('\\', start);
        if (end == std::string::npos) end = whole.size();
        const std::string part = whole.substr(start, end - start);
        if (part == "..") {
            if (parts.size() > 1) parts.pop_back();  // never above the drive
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string path;
    for (const std::string& part : parts) path += (path.empty() ? "" : "\\") + part;
    return path;
}

}  // namespace

std::int32_t fCreateShellLink(Platform& platform, const std::string& folder, const std::string& linkName,
                              const std::string& linkPath, const std::string& linkArgs) {
    if (!isPlainFileName(linkName) || linkPath.empty()) return 0;
    if (!platform.files.attributes(linkPath).exists) return 0;
    const std::string programs = SpecialFolderPath(platform.shell, csidlPrograms);
    if (programs.empty()) return 0;
    const std::string target = resolveUnder(programs, folder);
    if (!platform.files.attributes(target).directory) return 0;
    try {
        writeFileAtomically(platform.files, target + "\\" + linkName + ".lnk", [&](const std::string& temporary) {
            platform.shortcuts.write(temporary, linkPath, linkArgs);
        });
    } catch (const PlatformError&) {
        return 0;
    }
    return 1;
}

}  // namespace parcelo
