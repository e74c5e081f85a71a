#include <gtest/gtest.h>

#include "core/special_folders.h"
#include "platform/platform_error.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

TEST(SpecialFolderPath, GivesTheProfilesFoldersWithProgramsTwoLevelsBelowSendTosParent) {
    test::PortableMachine machine;
    const std::string programs = SpecialFolderPath(machine.shell, csidlPrograms);
    EXPECT_EQ(SpecialFolderPath(machine.shell, csidlSendTo), "C:\\Users\\hanako\\AppData\\Roaming\\Microsoft\\Windows\\SendTo");
    // Shortcuts are addressed relative to the Programs folder.
    EXPECT_EQ(machine.files.hostPath(programs + "\\..\\..\\SendTo"), machine.files.hostPath(machine.sendTo()));
    // A long path comes back whole, and a shorter one after it leaves no tail.
    const std::string longPath = "C:\\" + std::string(252, 'x');
    machine.shell.specialFolders[csidlPrograms] = longPath;
    machine.shell.specialFolders[csidlSendTo] = "C:\\s";
    EXPECT_EQ(SpecialFolderPath(machine.shell, csidlPrograms), longPath);
    EXPECT_EQ(SpecialFolderPath(machine.shell, csidlSendTo), "C:\\s");
}

class RefusingShell : public Shell {
public:
    std::string specialFolderPath(int) override { throw PlatformError(2, "not found"); }
    std::string executableFolder() override { return "C:\\"; }
    std::string applicationDataFolder() override { return "C:\\"; }
    std::string commandLine() override { return "Parcelo.exe"; }
    VersionRecord versionRecord() override { return {}; }
    void open(const std::string&) override {}
};

TEST(SpecialFolderPath, AFailedLookupGivesEmptyText) {
    test::PortableMachine machine;
    EXPECT_EQ(SpecialFolderPath(machine.shell, 0x1234), "");
    RefusingShell refusing;
    EXPECT_EQ(SpecialFolderPath(refusing, csidlSendTo), "");
}

}  // namespace
}  // namespace parcelo
