#include <gtest/gtest.h>

#include "core/special_folders.h"
#include "platform/platform_error.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

TEST(SpecialFolderPath, GivesTheSendToAndProgramsFoldersOfTheProfile) {
    test::PortableMachine machine;
    EXPECT_EQ(SpecialFolderPath(machine.shell, csidlSendTo),
              "C:\\Users\\hanako\\AppData\\Roaming\\Microsoft\\Windows\\SendTo");
    EXPECT_EQ(SpecialFolderPath(machine.shell, csidlPrograms),
              "C:\\Users\\hanako\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs");
}

TEST(SpecialFolderPath, ProgramsLeadsToSendToTwoLevelsUp) {
    // Shortcuts are addressed relative to the Programs folder.
    test::PortableMachine machine;
    EXPECT_EQ(machine.files.hostPath(SpecialFolderPath(machine.shell, csidlPrograms) + "\\..\\..\\SendTo"),
              machine.files.hostPath(SpecialFolderPath(machine.shell, csidlSendTo)));
}

TEST(SpecialFolderPath, ALongPathComesBackWholeAndAShorterOneAfterItLeavesNoTail) {
    test::PortableMachine machine;
    const std::string longPath = "C:\\" + std::string(252, 'x');
    ASSERT_EQ(longPath.size(), 255u);
    machine.shell.specialFolders[csidlPrograms] = longPath;
    machine.shell.specialFolders[csidlSendTo] = "C:\\s";
    EXPECT_EQ(SpecialFolderPath(machine.shell, csidlPrograms), longPath);
    EXPECT_EQ(SpecialFolderPath(machine.shell, csidlSendTo), "C:\\s");
}

class RefusingShell : public Shell {
public:
    std::string specialFolderPath(int) override { throw PlatformError(2, "not found"); }
    std::string executableFolder() override { return "C:\\"; }
    std::string executablePath() override { return "C:\\Parcelo.exe"; }
    std::string applicationDataFolder() override { return "C:\\"; }
    std::string commandLine() override { return "Parcelo.exe"; }
    VersionRecord versionRecord() override { return {}; }
    void open(const std::string&) override {}
    void run(const std::string&, const std::string&) override {}
};

TEST(SpecialFolderPath, AFailedLookupGivesEmptyText) {
    test::PortableMachine machine;
    EXPECT_EQ(SpecialFolderPath(machine.shell, 0x1234), "");
    RefusingShell refusing;
    EXPECT_EQ(SpecialFolderPath(refusing, csidlSendTo), "");
}

}  // namespace
}  // namespace parcelo
