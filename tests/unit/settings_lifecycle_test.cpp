#include <gtest/gtest.h>

#include "mainwindow/frmMain.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

std::string number(Twips t) { return std::to_string(static_cast<long>(t)); }

class SettingsLifecycle : public testing::Test {
protected:
    // One run of the program up to its window on the screen.
    MemoryForm& start() {
        window = std::make_unique<frmMain>(machine.platform, machine.values);
        window->start();
        return *machine.ui.form("frmMain");
    }
    std::string cannotSave() { return "設定を保存できませんでした。\n" + machine.dataIni() + "\n"; }

    test::PortableMachine machine;
    std::unique_ptr<frmMain> window;
};

TEST_F(SettingsLifecycle, FirstRunTakesSendToAndItsExitWritesTheRecordInTheCodepageEvenMinimised) {
    for (const bool minimise : {false, true}) {
        test::PortableMachine fresh;
        fresh.shell.specialFolders[csidlSendTo] = "C:\\Users\\花子\\SendTo";
        fresh.makeFolder("C:\\Users\\花子\\SendTo");
        frmMain first(fresh.platform, fresh.values);
        first.start();
        MemoryForm& form = *fresh.ui.form("frmMain");
        EXPECT_EQ(fresh.values.TargetPath, "C:\\Users\\花子\\SendTo");
        EXPECT_EQ(form.clientRect(), (TwipsRect{0, 0, 7200, 6045}));
        // The drive's change moves the list to the drive first, then the list and the view come to Send To.
        EXPECT_EQ(form.log, (std::vector<std::string>{"driDri drive c:", "dirDir path c:\\", "webMain navigate c:\\",
                                                      "dirDir path C:\\Users\\花子\\SendTo",
                                                      "webMain navigate C:\\Users\\花子\\SendTo",
                                                      "webMain navigate C:\\Users\\花子\\SendTo"}));
        EXPECT_TRUE(form.shown);
        EXPECT_FALSE(fresh.exists(fresh.dataIni())) << "nothing is written before the first exit";
        const TwipsRect outer = form.outerRect();
        if (minimise) form.setState(WindowState::Minimized);
        form.unload();
        EXPECT_TRUE(form.ended());
        EXPECT_EQ(fresh.readBytes(fresh.dataIni()), "\"C:\\Users\\\x89\xD4\x8Eq\\SendTo\",\"\"," + number(outer.width) +
                                                        "," + number(outer.height) + "," + number(outer.top) + "," +
                                                        number(outer.left) + ",0,0\r\n");
    }
}

TEST_F(SettingsLifecycle, ALaterStartAppliesTheRecordAndItsExitWritesItBackByteForByte) {
    const struct {
        const char* what;
        std::string record;
        std::string target, user;
        int quit;
        TwipsRect outer;
        bool minimise;
        std::string written = "";  // empty: the record as it was read
    } cases[] = {
        {"in the code page", "\"D:\\\x91\x97\x82\xE9\x90\xE6\",\"E:\\u\",8100,6600,1500,2250,0,1\r\n", "D:\\送る先",
         "E:\\u", 1, {2250, 1500, 8100, 6600}, false},
        {"outside the code page", "\xEF\xBB\xBF\"D:\\naïve\",\"\",8100,6600,1500,2250,0,0\r\n", "D:\\naïve", "", 0,
         {2250, 1500, 8100, 6600}, false},
        {"closed minimised", "\"C:\\\",\"\",8100,6600,1500,2250,0,1\r\n", "C:\\", "", 1, {2250, 1500, 8100, 6600}, true},
        // A placement of 0 by 0 is grown to the minimum height and the strip's width.
        {"cut short", "\"C:\\\",\"C:\\u\"\r\n", "C:\\", "C:\\u", 0, {0, 0, 7335, 3000}, false,
         "\"C:\\\",\"C:\\u\",7335,3000,0,0,0,0\r\n"},
    };
    machine.makeFolder("D:\\送る先");
    machine.makeFolder("D:\\naïve");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        machine.values = {};
        machine.writeBytes(machine.dataIni(), c.record);
        MemoryForm& form = start();
        EXPECT_EQ(machine.values.TargetPath, c.target);
        EXPECT_EQ(machine.values.UserPath, c.user);
        EXPECT_EQ(machine.values.QuitAfterSend, c.quit);
        EXPECT_EQ(form.outerRect(), c.outer);
        EXPECT_EQ(form.folderList("dirDir").path(), c.target);
        if (c.minimise) form.setState(WindowState::Minimized);
        form.unload();
        EXPECT_EQ(machine.readBytes(machine.dataIni()), c.written.empty() ? c.record : c.written);
    }
    EXPECT_TRUE(machine.user.shown.empty());
}

TEST_F(SettingsLifecycle, AnUnwritableProgramFolderSendsTheFileToApplicationDataUnlessItHasItsOwn) {
    machine.files.mark(test::PortableMachine::programFolder, false, false, true);
    start().unload();
    const std::string fallback = machine.shell.applicationDataFolder() + "\\Parcelo\\Data.ini";
    EXPECT_FALSE(machine.exists(machine.dataIni()));
    ASSERT_TRUE(machine.exists(fallback));
    EXPECT_TRUE(machine.user.shown.empty());

    machine.values = {};
    machine.writeBytes(fallback, "\"D:\\\",\"\",8100,6600,1500,2250,0,1\r\n");
    start();
    EXPECT_EQ(machine.values.TargetPath, "D:\\");
    EXPECT_EQ(machine.values.QuitAfterSend, 1);

    // Written to the application-data folder, the settings would hide behind this file for good.
    const std::string old = "\"C:\\\",\"\",8100,6600,1500,2250,0,1\r\n";
    std::filesystem::remove_all(machine.files.hostPath(machine.shell.applicationDataFolder() + "\\Parcelo"));
    machine.writeBytes(machine.dataIni(), old);
    MemoryForm& form = start();
    form.moveOuter({0, 0, 9000, 9000});
    form.unload();
    EXPECT_EQ(machine.readBytes(machine.dataIni()), old);
    EXPECT_FALSE(machine.exists(machine.shell.applicationDataFolder() + "\\Parcelo"));
    ASSERT_EQ(machine.user.shown.size(), 1u);
    EXPECT_EQ(machine.user.shown[0].text.rfind(cannotSave(), 0), 0u);
}

TEST_F(SettingsLifecycle, AMissingFolderIsReportedAtTheFirstRunAndSkippedSilentlyWithSettings) {
    machine.writeBytes(machine.dataIni(), "\"D:\\gone\",\"\",8100,6600,1500,2250,0,0\r\n");
    MemoryForm& form = start();
    EXPECT_TRUE(machine.user.shown.empty());
    EXPECT_TRUE(form.shown);
    EXPECT_EQ(form.driveList("driDri").drive(), "d:");
    EXPECT_EQ(form.folderList("dirDir").path(), "d:\\") << "the drive's change moved the list; the folder failed";

    test::PortableMachine first;
    std::filesystem::remove_all(first.files.hostPath(first.sendTo()));
    frmMain firstWindow(first.platform, first.values);
    firstWindow.start();
    EXPECT_EQ(first.user.shown.size(), 1u);
    EXPECT_TRUE(first.ui.form("frmMain")->shown);
    EXPECT_FALSE(first.ui.form("frmMain")->ended());
}

}  // namespace
}  // namespace parcelo
