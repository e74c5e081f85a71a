#include <gtest/gtest.h>

#include "support/portable_machine.h"

// Data.ini from a first run to later ones, bad files included: each start opens the window silently,
// and each exit loses nothing and writes nowhere else.
namespace parcelo {
namespace {

using namespace frmMainNames;

using test::PortableMachine;
using Arrange = std::function<void(PortableMachine&)>;

const std::string cannotSave = "設定を保存できませんでした。\n";

Arrange dataIni(const std::string& bytes) {
    return [bytes](PortableMachine& m) { m.writeBytes(m.dataIni(), bytes); };
}

Arrange marked(bool hidden, bool system, bool readOnly) {
    return [=](PortableMachine& m) {
        m.writeBytes(m.dataIni(), "\"D:\\\",\"\",8100,6600,1500,2250,0,1\r\n");
        m.files.mark(m.dataIni(), hidden, system, readOnly);
    };
}

const std::string sendTo = "C:\\Users\\hanako\\AppData\\Roaming\\Microsoft\\Windows\\SendTo";
const TwipsRect saved{2250, 1500, 8100, 6600};
const std::string same = "<same>", tellsWhy = "<told>";

TEST(SettingsLifecycle, ALaterStartAppliesWhatItCanReadAndItsExitKeepsOrWritesIt) {
    const struct {
        const char* what;
        Arrange arrange;
        std::string target;
        int quit;
        std::optional<TwipsRect> outer;  // nothing: not checked
        // Data.ini after the exit: the same bytes, kept and the user told why (the reason follows
        // "<told>"), or these bytes.
        std::string written;
        bool minimise = false;
    } cases[] = {
        {"outside the code page", dataIni("\xEF\xBB\xBF\"D:\\naïve\",\"\",8100,6600,1500,2250,0,0\r\n"), "D:\\naïve",
         0, saved, same},
        // A placement of 0 by 0 is grown to the minimum height and the strip's width.
        {"cut after the folders", dataIni("\"C:\\\",\"C:\\u\"\r\n"), "C:\\", 0, TwipsRect{0, 0, 7335, 3000},
         "\"C:\\\",\"C:\\u\",7335,3000,0,0,0,0\r\n"},
        {"a folder", [](PortableMachine& m) { m.makeFolder(m.dataIni()); }, sendTo, 0, {}, tellsWhy + "アクセスが拒否されました: "},
        {"hidden", marked(true, false, false), sendTo, 0, {}, tellsWhy + "隠しファイルかシステム ファイルです: "},
        {"system", marked(false, true, false), sendTo, 0, {}, tellsWhy + "隠しファイルかシステム ファイルです: "},
        {"read-only", marked(false, false, true), "D:\\", 1, saved, tellsWhy + "読み取り専用です: "},
        // A stored state but 2 places the window onto a monitor as it is; 2 maximises it, and so it stays
        // when it is closed minimised.
        {"minimised, off the screen", dataIni("\"C:\\\",\"\",8100,6600,1500,60000,1,0\r\n"), "C:\\", 0,
         TwipsRect{7260, 1500, 8100, 6600}, "\"C:\\\",\"\",8100,6600,1500,7260,0,0\r\n"},
        {"maximised, closed minimised", dataIni("\"C:\\\",\"\",8100,6600,1500,2250,2,0\r\n"), "C:\\", 0,
         TwipsRect{0, 0, 15360, 11520}, "\"C:\\\",\"\",7440,6945,2160,4380,2,0\r\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PortableMachine machine;
        machine.makeFolder("D:\\naïve");
        c.arrange(machine);
        machine.start();
        MemoryForm& form = machine.mainForm();
        EXPECT_TRUE(form.shown);
        EXPECT_EQ(machine.values.TargetPath, c.target);
        EXPECT_EQ(machine.values.QuitAfterSend, c.quit);
        if (c.outer) {
            EXPECT_EQ(form.outerRect(), *c.outer);
        }

        const test::Snapshot snapshot = machine.snapshot();
        const std::string file = machine.snapshotName(machine.dataIni());
        if (c.minimise) form.setState(WindowState::Minimized);
        form.unload();
        EXPECT_TRUE(form.ended());
        const bool told = c.written.starts_with(tellsWhy);
        const test::Snapshot written{{file, c.written}};
        EXPECT_EQ(test::changes(snapshot, machine.snapshot()), told || c.written == same ? test::Snapshot{} : written);
        const ShownBox why{cannotSave + machine.dataIni() + "\n\n" + c.written.substr(tellsWhy.size()) + machine.dataIni(),
                           "Parcelo", box::iconError};
        EXPECT_EQ(machine.user.shown, told ? std::vector<ShownBox>{why} : std::vector<ShownBox>{});
    }
}

TEST(SettingsLifecycle, AnUnwritableProgramFolderSendsTheFileToApplicationDataUnlessItHasItsOwn) {
    PortableMachine machine;
    machine.files.mark(PortableMachine::programFolder, false, false, true);
    machine.start().onEvent(cmdEx, Event::Click);
    const std::string fallback = machine.shell.applicationDataFolder() + "\\Parcelo\\Data.ini";
    ASSERT_TRUE(machine.exists(fallback));
    EXPECT_TRUE(machine.user.shown.empty());

    machine.values = {};
    machine.writeBytes(fallback, "\"D:\\\",\"\",8100,6600,1500,2250,0,1\r\n");
    machine.start();
    EXPECT_EQ(machine.values.TargetPath, "D:\\");

    // Written to the application-data folder, the settings would hide behind this file for good.
    const std::string old = "\"C:\\\",\"\",8100,6600,1500,2250,0,1\r\n";
    std::filesystem::remove_all(machine.files.hostPath(machine.shell.applicationDataFolder() + "\\Parcelo"));
    machine.writeBytes(machine.dataIni(), old);
    machine.start();
    machine.mainForm().moveOuter({0, 0, 9000, 9000});
    machine.mainForm().unload();
    EXPECT_EQ(machine.readBytes(machine.dataIni()), old);
    EXPECT_FALSE(machine.exists(machine.shell.applicationDataFolder() + "\\Parcelo"));
    EXPECT_EQ(machine.user.shown.size(), 1u) << "told it could not save";
}

TEST(SettingsLifecycle, AMissingFolderIsReportedAtTheFirstRunAndSkippedSilentlyWithSettings) {
    PortableMachine machine;
    machine.writeBytes(machine.dataIni(), "\"D:\\gone\",\"\",8100,6600,1500,2250,0,0\r\n");
    machine.start();
    EXPECT_TRUE(machine.user.shown.empty());
    EXPECT_EQ(machine.mainForm().folderList(dirDir).path(), "d:\\") << "the drive's change moved the list";
    EXPECT_EQ(machine.mainForm().log.back(), "webMain navigate d:\\") << "the view shows the list's folder";

    PortableMachine first;
    std::filesystem::remove_all(first.files.hostPath(first.sendTo()));
    first.start();
    EXPECT_EQ(first.user.shown.size(), 1u);
    EXPECT_TRUE(first.mainForm().shown) << "and the window opens";
}

}  // namespace
}  // namespace parcelo
