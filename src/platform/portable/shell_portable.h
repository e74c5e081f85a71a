#pragma once
#include <map>
#include <string>

#include "platform/shell.h"

namespace parcelo {

// Special folders from a table, laid out under a profile folder as Windows lays them out.
class PortableShell : public Shell {
public:
    PortableShell(std::string profile, std::string executableFolder);

    std::string specialFolderPath(int csidl) override;
    std::string executableFolder() override { return executableFolder_; }
    std::string applicationDataFolder() override;
    std::string commandLine() override { return commandLineText; }

    std::map<int, std::string> specialFolders;
    std::string commandLineText = "Parcelo.exe";

private:
    std::string profile_;
    std::string executableFolder_;
};

}  // namespace parcelo
