#pragma once
#include "platform/shell.h"

namespace parcelo::win32 {

class Win32Shell : public Shell {
public:
    std::string specialFolderPath(int csidl) override;
    std::string executableFolder() override;
    std::string applicationDataFolder() override;
    std::string commandLine() override;
};

}  // namespace parcelo::win32
