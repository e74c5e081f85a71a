#include <gtest/gtest.h>

#include "mainwindow/frmMain.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

std::string number(Twips t) { return std::to_string(static_cast<long>(t)); }

// Data.ini as it must look for a window at `outer`.
std::string expectedRecord(const std::string& target, const std::string& user, const TwipsRect& outer, int state,
                           int quit) {
    return "\"" + target + "\",\"" + user + "\"," + number(outer.width) + "," + number(outer.height) + "," +
           number(outer.top) + "," + number(outer.left) + "," + std::to_string(state) + "," + std::to_string(quit) +
           "\r\n";
}

class SettingsLifecycle : public testing::Test {
protected:
    // One run of the program up to its window on the screen.
    MemoryForm& start() {
        window = std::make_unique<frmMain>(machine.platform, machine.values);
        window->start();
        return *machine.ui.form("frmMain");
    }

    test::PortableMachine machine;
    std::unique_ptr<frmMain> window;
};

TEST_F(SettingsLifecycle, FirstRunTakesSendToAndKeepsTheDesignedPlace) {
    MemoryForm& form = start();
    EXPECT_EQ(machine.values.TargetPath, machine.sendTo());
    EXPECT_EQ(machine.values.UserPath, "");
    EXPECT_EQ(machine.values.QuitAfterSend, 0);
    EXPECT_EQ(form.clientRect(), (TwipsRect{0, 0, 7200, 6045}));
    EXPECT_EQ(form.folderList(frmMainNames::dirDir).path(), machine.sendTo());
    // The drive's change moves the list to the drive first, then the list and the view come to Send To.
    EXPECT_EQ(form.log, (std::vector<std::string>{"driDri drive c:", "dirDir path c:\\", "webMain navigate c:\\",
                                                  "dirDir path " + machine.sendTo(), "webMain navigate " + machine.sendTo(),
                                                  "webMain navigate " + machine.sendTo()}));
    EXPECT_TRUE(form.shown);
    EXPECT_FALSE(machine.exists(machine.dataIni())) << "nothing is written before the first exit";
}

TEST_F(SettingsLifecycle, FirstExitWritesTheOneLineRecordInTheCodepage) {
    machine.shell.specialFolders[csidlSendTo] = "C:\\Users\\花子\\SendTo";
    machine.makeFolder("C:\\Users\\花子\\SendTo");
    MemoryForm& form = start();
    const TwipsRect outer = form.outerRect();
    form.unload();
    EXPECT_TRUE(form.ended());
    EXPECT_EQ(machine.readBytes(machine.dataIni()),
              expectedRecord("C:\\Users\\\x89\xD4\x8Eq\\SendTo", "", outer, 0, 0));
}

TEST_F(SettingsLifecycle, SecondStartReadsTheRecordBackAndAppliesIt) {
    machine.makeFolder("D:\\送る先");
    machine.writeBytes(machine.dataIni(), "\"D:\\\x91\x97\x82\xE9\x90\xE6\",\"E:\\u\",8100,6600,1500,2250,0,1\r\n");
    MemoryForm& form = start();
    EXPECT_EQ(machine.values.TargetPath, "D:\\送る先");
    EXPECT_EQ(machine.values.UserPath, "E:\\u");
    EXPECT_EQ(machine.values.QuitAfterSend, 1);
    EXPECT_EQ(form.outerRect(), (TwipsRect{2250, 1500, 8100, 6600}));
    EXPECT_EQ(form.folderList(frmMainNames::dirDir).path(), "D:\\送る先");
    form.unload();
    EXPECT_EQ(machine.readBytes(machine.dataIni()),
              "\"D:\\\x91\x97\x82\xE9\x90\xE6\",\"E:\\u\",8100,6600,1500,2250,0,1\r\n");
}

TEST_F(SettingsLifecycle, StateTwoOpensMaximisedAndFieldsThreeToSixDoNothing) {
    machine.writeBytes(machine.dataIni(), "\"C:\\\",\"\",100,100,100,100,2,0\r\n");
    MemoryForm& form = start();
    EXPECT_EQ(form.state(), WindowState::Maximized);
    EXPECT_NE(form.restoredOuterRect(), (TwipsRect{100, 100, 100, 100}));
}

TEST_F(SettingsLifecycle, AShortRecordGivesTheSmallestWindowAtTheOrigin) {
    machine.writeBytes(machine.dataIni(), "\"C:\\\",\"C:\\u\"\r\n");
    MemoryForm& form = start();
    EXPECT_EQ(machine.values.TargetPath, "C:\\");
    EXPECT_EQ(machine.values.UserPath, "C:\\u");
    EXPECT_EQ(machine.values.QuitAfterSend, 0);
    // Its placement of 0 by 0 is grown to the minimum height and the strip's width.
    EXPECT_EQ(form.outerRect(), (TwipsRect{0, 0, 7335, 3000}));
}

TEST_F(SettingsLifecycle, ClosingWhileMinimisedSavesTheRestoredPlacement) {
    machine.writeBytes(machine.dataIni(), "\"C:\\\",\"\",8100,6600,1500,2250,0,1\r\n");
    MemoryForm& form = start();
    form.setState(WindowState::Minimized);
    form.unload();
    EXPECT_TRUE(form.ended());
    EXPECT_EQ(machine.readBytes(machine.dataIni()), "\"C:\\\",\"\",8100,6600,1500,2250,0,1\r\n");
}

TEST_F(SettingsLifecycle, ClosingMinimisedWithoutAnEarlierFileStillWritesIt) {
    MemoryForm& form = start();
    const TwipsRect outer = form.outerRect();
    form.setState(WindowState::Minimized);
    form.unload();
    EXPECT_EQ(machine.readBytes(machine.dataIni()), expectedRecord(machine.sendTo(), "", outer, 0, 0));
}

TEST_F(SettingsLifecycle, APathOutsideTheCodepageIsSavedAsUtf8AndReadBack) {
    machine.makeFolder("D:\\naïve");
    machine.writeBytes(machine.dataIni(), "\xEF\xBB\xBF\"D:\\naïve\",\"\",8100,6600,1500,2250,0,0\r\n");
    MemoryForm& form = start();
    EXPECT_EQ(machine.values.TargetPath, "D:\\naïve");
    form.unload();
    EXPECT_EQ(machine.readBytes(machine.dataIni()), "\xEF\xBB\xBF\"D:\\naïve\",\"\",8100,6600,1500,2250,0,0\r\n");
}

TEST_F(SettingsLifecycle, AnUnwritableProgramFolderSendsTheFileToApplicationData) {
    machine.files.mark(test::PortableMachine::programFolder, false, false, true);
    MemoryForm& form = start();
    form.unload();
    const std::string fallback = machine.shell.applicationDataFolder() + "\\Parcelo\\Data.ini";
    EXPECT_FALSE(machine.exists(machine.dataIni()));
    ASSERT_TRUE(machine.exists(fallback));
    EXPECT_TRUE(machine.user.shown.empty());

    machine.values = {};
    machine.writeBytes(fallback, "\"D:\\\",\"\",8100,6600,1500,2250,0,1\r\n");
    start();
    EXPECT_EQ(machine.values.TargetPath, "D:\\");
    EXPECT_EQ(machine.values.QuitAfterSend, 1);
}

TEST_F(SettingsLifecycle, AnUnwritableProgramFolderWithItsOwnFileKeepsItAndSaysSo) {
    // Written to the application-data folder, the settings would hide behind this file for good.
    const std::string old = "\"C:\\\",\"\",8100,6600,1500,2250,0,1\r\n";
    machine.writeBytes(machine.dataIni(), old);
    machine.files.mark(test::PortableMachine::programFolder, false, false, true);
    MemoryForm& form = start();
    form.moveOuter({0, 0, 9000, 9000});
    form.unload();
    EXPECT_EQ(machine.readBytes(machine.dataIni()), old);
    EXPECT_FALSE(machine.exists(machine.shell.applicationDataFolder() + "\\Parcelo"));
    ASSERT_EQ(machine.user.shown.size(), 1u);
    EXPECT_EQ(machine.user.shown[0].text.rfind("設定を保存できませんでした。\n" + machine.dataIni() + "\n", 0), 0u);
}

TEST_F(SettingsLifecycle, AMissingSendToAtTheFirstRunIsReportedAndTheWindowOpens) {
    std::filesystem::remove_all(machine.files.hostPath(machine.sendTo()));
    MemoryForm& form = start();
    EXPECT_EQ(machine.user.shown.size(), 1u);
    EXPECT_TRUE(form.shown);
    EXPECT_FALSE(form.ended());
}

TEST_F(SettingsLifecycle, AMissingTargetWithSettingsReadIsSkippedSilently) {
    machine.writeBytes(machine.dataIni(), "\"D:\\gone\",\"\",8100,6600,1500,2250,0,0\r\n");
    MemoryForm& form = start();
    EXPECT_TRUE(machine.user.shown.empty());
    EXPECT_TRUE(form.shown);
    EXPECT_EQ(form.driveList(frmMainNames::driDri).drive(), "d:");
    EXPECT_EQ(form.folderList(frmMainNames::dirDir).path(), "d:\\")
        << "the drive's change moved the list; the folder failed";
    EXPECT_EQ(form.log.back(), "webMain navigate d:\\") << "the view shows the list's folder, not the missing one";
}

}  // namespace
}  // namespace parcelo
