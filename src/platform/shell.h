#pragma once
#include <string>

namespace parcelo {

inline constexpr int csidlPrograms = 2;
inline constexpr int csidlSendTo = 9;

// What the program asks of the shell and the process.
class Shell {
public:
    virtual ~Shell() = default;

    // The file-system path of a special folder; empty when the shell cannot resolve it.
    virtual std::string specialFolderPath(int csidl) = 0;
    // The folder of the running executable, without a trailing separator (except a drive root).
    virtual std::string executableFolder() = 0;
    // The user's roaming application-data folder.
    virtual std::string applicationDataFolder() = 0;
    // The process's whole command line, its own name first.
    virtual std::string commandLine() = 0;
};

}  // namespace parcelo
