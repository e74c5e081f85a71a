#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace parcelo {

// Special folders from a table, laid out under a profile folder as Windows lays them out.
class PortableShell : public Shell {
public:
    PortableShell(std::string profile, std::string executableFolder);

    std::string specialFolderPath(int csidl) override;
    std::string executableFolder() override { return executableFolder_; }
    std::string executablePath() override { return executableFolder_ + "\\Parcelo.exe"; }
    std::string applicationDataFolder() override;
    std::string commandLine() override { return commandLineText; }
    VersionRecord versionRecord() override { return version; }
    // Records the target; throws when refuseToOpen is set, as for a target with no program to open it.
    void open(const std::string& target) override;
    // Throws when refuseToRun is set, as for a program that is not there.
    void run(const std::string& program, const std::string& arguments) override;

    std::map<int, std::string> specialFolders;
    std::string commandLineText = "Parcelo.exe";  // a Send-To launch adds the paths
    VersionRecord version;  // the executable's record
    std::vector<std::string> opened;
    bool refuseToOpen = false;
    bool refuseToRun = false;

private:
    std::string profile_;
    std::string executableFolder_;
};

}  // namespace parcelo
