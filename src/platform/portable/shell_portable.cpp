#include "platform/portable/shell_portable.h"

namespace parcelo {

PortableShell::PortableShell(std::string profile, std::string executableFolder)
    : profile_(std::move(profile)), executableFolder_(std::move(executableFolder)) {
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

std::string PortableShell::applicationDataFolder() { return profile_ + "\\AppData\\Roaming"; }

}  // namespace parcelo
