#pragma once
#include <string>

namespace parcelo {

// What the executable's version record says about the program.
struct VersionRecord {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned revision = 0;
    std::string copyright;
};

inline constexpr int csidlPrograms = 2;
inline constexpr int csidlSendTo = 9;
inline constexpr int csidlSystem = 0x25;

// What the program asks of the shell and the process.
class Shell {
public:
    virtual ~Shell() = default;

    // The file-system path of a special folder; empty when the shell cannot resolve it.
    virtual std::string specialFolderPath(int csidl) = 0;
    // The folder of the running executable, without a trailing separator (except a drive root).
    virtual std::string executableFolder() = 0;
    // The running executable's whole path.
    virtual std::string executablePath() = 0;
    // The user's roaming application-data folder.
    virtual std::string applicationDataFolder() = 0;
    // The process's whole command line, its own name first.
    virtual std::string commandLine() = 0;
    virtual VersionRecord versionRecord() = 0;
    // Opens a file or an address with what the shell associates with it; throws when it cannot.
    virtual void open(const std::string& target) = 0;
    // Starts a program with the argument text; throws when it cannot be started.
    virtual void run(const std::string& program, const std::string& arguments) = 0;
};

}  // namespace parcelo
