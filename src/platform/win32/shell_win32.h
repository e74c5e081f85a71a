#pragma once
#include "platform/shell.h"

namespace parcelo::win32 {

class Win32Shell : public Shell {
public:
    std::string specialFolderPath(int csidl) override;
    std::string executableFolder() override;
    std::string executablePath() override;
    std::string applicationDataFolder() override;
    std::string commandLine() override;
    VersionRecord versionRecord() override;
    void open(const std::string& target) override;
    void run(const std::string& program, const std::string& arguments) override;
};

}  // namespace parcelo::win32
