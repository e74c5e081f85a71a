#include "support/shell_portable.h"

#include "core/version_info.h"
#include "platform/platform_error.h"

namespace parcelo {

PortableShell::PortableShell(std::string profile, std::string executableFolder)
    : version{PARCELO_VERSION_MAJOR, PARCELO_VERSION_MINOR, PARCELO_VERSION_REVISION, PARCELO_COPYRIGHT},
      profile_(std::move(profile)),
      executableFolder_(std::move(executableFolder)) {
    const std::string windows = applicationDataFolder() + "\\Microsoft\\Windows";
    specialFolders = {
        {csidlPrograms, windows + "\\Start Menu\\Programs"},
        {csidlSendTo, windows + "\\SendTo"},
    };
}

std::string PortableShell::specialFolderPath(int csidl) {
    const auto found = specialFolders.find(csidl);
    return found == specialFolders.end() ? std::string() : found->second;
}

void PortableShell::open(const std::string& target) {
    opened.push_back(target);
    if (refuseToOpen) throw PlatformError(error_code::noAssociation, "関連付けられたプログラムがありません: " + target);
}

void PortableShell::run(const std::string& program, const std::string&) {
    if (refuseToRun) throw PlatformError(error_code::fileNotFound, "指定されたファイルが見つかりません。 " + program);
}

std::string PortableShell::applicationDataFolder() { return profile_ + "\\AppData\\Roaming"; }

}  // namespace parcelo
