#include <gtest/gtest.h>

#include "core/send_to_entries.h"
#include "platform/platform_error.h"
#include "platform/portable/shell_folder_portable.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

class SendToEntries : public testing::Test {
protected:
    SendToEntries() {
        machine.makeFolder("C:\\Apps");
        machine.makeFolder("D:\\Net");
        machine.writeBytes("C:\\Apps\\edit.exe", "MZ");
        machine.writeBytes("D:\\Net\\tool.exe", "MZ");
        shell.slowDrives = {'D'};
    }
    void link(const std::string& name, const std::string& target, const std::string& arguments = "") {
        machine.shortcuts.write(sendTo + "\\" + name + ".lnk", target, arguments, "");
    }
    // Each entry's name, target and state columns, as the dialog shows them.
    std::vector<std::vector<std::string>> rows() {
        std::vector<std::vector<std::string>> out;
        for (size_t i = 0; i < entries.size(); ++i)
            out.push_back({entries[i].item.displayName, targetText(entries[i]), stateText(entries, i)});
        return out;
    }
    void read() { entries = readSendToEntries(shell, sendTo); }

    test::PortableMachine machine;
    PortableShellFolder shell{machine.files};
    const std::string sendTo = machine.sendTo();
    std::vector<SendToEntry> entries;
};

using Rows = std::vector<std::vector<std::string>>;

TEST_F(SendToEntries, EachStateAloneAndCombined) {
    link("a", "C:\\Apps\\edit.exe");
    link("b", "C:\\Apps\\gone.exe");
    link("c", "c:\\apps\\GONE.EXE\\");                   // the same as b, in other case, with a separator
    link("d", "C:\\Apps\\edit.exe", "/x \"メモ\"");      // other arguments: no duplicate
    link("e", "C:\\Apps\\gone.exe");                     // broken and a duplicate of b
    link("ｆ", "C:\\Apps\\ｅｄｉｔ.exe");                // full-width letters fold too
    link("g", "C:\\Apps\\ＥＤＩＴ.exe");
    link("h", "C:\\Apps\\edit.exe");
    machine.files.mark(sendTo + "\\e.lnk", true, false, false);
    machine.writeBytes(sendTo + "\\メール.MAPIMail", "");
    machine.files.mark(sendTo + "\\メール.MAPIMail", true, false, false);
    machine.writeBytes(sendTo + "\\desktop.ini", "[LocalizedFileNames]\r\nメール.MAPIMail=メール受信者\r\n");
    read();
    EXPECT_EQ(rows(), (Rows{
                          {"a", "C:\\Apps\\edit.exe", "重複"},
                          {"b", "C:\\Apps\\gone.exe", "リンク切れ、重複"},
                          {"c", "c:\\apps\\GONE.EXE\\", "リンク切れ、重複"},
                          {"d", "C:\\Apps\\edit.exe /x \"メモ\"", ""},
                          {"e", "C:\\Apps\\gone.exe", "無効、リンク切れ、重複"},
                          {"g", "C:\\Apps\\ＥＤＩＴ.exe", "リンク切れ、重複"},
                          {"h", "C:\\Apps\\edit.exe", "重複"},
                          {"メール受信者", "ファイル", "無効"},
                          {"ｆ", "C:\\Apps\\ｅｄｉｔ.exe", "リンク切れ、重複"},
                      }));
}

TEST_F(SendToEntries, UnreadableShortcutIsNeverCalledBroken) {
    machine.writeBytes(sendTo + "\\壊れた.lnk", "not a link");
    machine.writeBytes(sendTo + "\\短い.lnk", std::string("\x4C\0\0\0", 4));
    machine.makeFolder(sendTo + "\\サブ");
    read();
    EXPECT_EQ(rows(), (Rows{
                          {"サブ", "ファイル フォルダー", ""},
                          {"壊れた", "(ショートカットを読み取れません)", ""},
                          {"短い", "(ショートカットを読み取れません)", ""},
                      }));
    EXPECT_FALSE(isBroken(entries[1]));
}

TEST_F(SendToEntries, SlowTargetsAreLookedAtOnlyAfterTheListIsReadAndASilentDriveOnlyOnce) {
    for (int i = 0; i < 500; ++i) link("net" + std::to_string(i), "D:\\Net\\tool.exe", std::to_string(i));
    for (const char* name : {"silent1", "silent2", "silent3"}) link(name, std::string("E:\\") + name + ".exe");
    link("share", "\\\\server\\share\\x.exe");
    shell.slowDrives.insert('E');
    shell.silentDrives = {'E'};
    read();
    EXPECT_EQ(shell.reaches, 0);
    ASSERT_EQ(entries.size(), 504u);
    EXPECT_EQ(stateText(entries, 0), "");
    checkPendingTargets(shell, entries);
    EXPECT_EQ(shell.reaches, 500 + 1 + 1);  // E: once, then no more waiting on it; the share once
    EXPECT_EQ(stateText(entries, 0), "");
    EXPECT_EQ(stateText(entries, 500), "リンク切れ");  // the share, which answers
    for (size_t i = 501; i < 504; ++i) {
        EXPECT_EQ(stateText(entries, i), "確認できません") << entries[i].item.displayName;
        EXPECT_FALSE(isBroken(entries[i]));
    }
}

TEST_F(SendToEntries, HiddenMarkSurvivesRenameAndRecycleMovesIntoTheBin) {
    link("a", "C:\\Apps\\edit.exe");
    shell.setHidden(sendTo + "\\a.lnk", true);
    shell.rename(sendTo + "\\a.lnk", "b.lnk");
    EXPECT_TRUE(machine.files.attributes(sendTo + "\\b.lnk").hidden);
    link("c", "C:\\Apps\\edit.exe");
    EXPECT_THROW(shell.rename(sendTo + "\\b.lnk", "c.lnk"), PlatformError);
    machine.makeFolder("C:\\Bin");
    shell.recycleBin = "C:\\Bin";
    EXPECT_TRUE(shell.recycle({sendTo + "\\b.lnk"}));
    EXPECT_TRUE(machine.exists("C:\\Bin\\b.lnk"));
    EXPECT_FALSE(machine.exists(sendTo + "\\b.lnk"));
}

}  // namespace
}  // namespace parcelo
