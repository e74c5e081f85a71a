#include <gtest/gtest.h>

#include "mainwindow/frmMain.h"
#include "support/portable_machine.h"

namespace parcelo {
namespace {

const std::string self = "C:\\Tools\\Parcelo\\Parcelo.exe";

class ToolCommands : public testing::Test {
protected:
    ToolCommands() {
        machine.writeBytes(self, "MZ");
        machine.makeFolder("C:\\Apps\\写真");
        machine.writeBytes("C:\\Apps\\edit.exe", "MZ");
        window.start();
        log().clear();
    }
    std::vector<std::string>& log() { return machine.ui.form("frmMain")->log; }
    LinkTarget linkIn(const std::string& name) { return machine.folders.readLink(machine.sendTo() + "\\" + name); }

    test::PortableMachine machine;
    frmMain window{machine.platform, machine.values};
};

// Where the Start menu is redirected, Programs\..\..\SendTo is another folder than Send To.
TEST_F(ToolCommands, RegisteringPutsParceloIntoTheSendToFolderItLookedInOnceAndReportsAMissingFolder) {
    const std::string programsSendTo = machine.sendTo();
    machine.makeFolder("D:\\送る");
    machine.shell.specialFolders[csidlSendTo] = "D:\\送る";
    window.mnuReg_Click();
    EXPECT_EQ(linkIn("Parcelo.lnk"), (LinkTarget{self, ""}));
    EXPECT_EQ(machine.entries(programsSendTo), std::vector<std::string>{});
    EXPECT_EQ(log(), std::vector<std::string>{"webMain refresh"});
    // Another entry that opens the same program, whatever its case, counts as there already; a folder is no entry.
    machine.files.removeFile(machine.sendTo() + "\\Parcelo.lnk");
    machine.makeFolder(machine.sendTo() + "\\サブ");
    machine.shortcuts.write(machine.sendTo() + "\\送る.lnk", "c:\\tools\\parcelo\\PARCELO.EXE", "", "");
    window.mnuReg_Click();
    EXPECT_FALSE(machine.exists(machine.sendTo() + "\\Parcelo.lnk"));
    EXPECT_EQ(machine.user.shown,
              (std::vector<ShownBox>{doneBox, {"Parcelo は既に送るメニューにあります (送る)", "Parcelo", 0}}));
    std::filesystem::remove_all(machine.files.hostPath(machine.sendTo()));
    window.onEvent(frmMainNames::mnuReg, Event::Click);
    // A failing command is reported, and the program goes on.
    EXPECT_EQ(machine.user.shown.back(), (ShownBox{"エラーが発生しました。\n\n指定されたパスが見つかりません。 D:\\送る", "Parcelo",
                                                   box::ok | box::iconError}));
    EXPECT_FALSE(machine.exists(machine.sendTo()));
    EXPECT_FALSE(machine.ui.form("frmMain")->ended());
}

TEST_F(ToolCommands, TheCopyAndMoveEntriesStartParceloWithTheirSwitchesAndAreWrittenOnce) {
    machine.shell.specialFolders[0x25] = "C:\\Windows\\System32";
    // A folder in the way of one, and an entry that moves already with this program in other case.
    machine.makeFolder(machine.sendTo() + "\\フォルダーへコピー.lnk");
    machine.shortcuts.write(machine.sendTo() + "\\移す.lnk", "C:\\TOOLS\\Parcelo\\Parcelo.exe", "/MOVETO", "");
    window.mnuCopyMove_Click();
    EXPECT_FALSE(machine.exists(machine.sendTo() + "\\フォルダーへ移動.lnk"));
    std::filesystem::remove(machine.files.hostPath(machine.sendTo() + "\\フォルダーへコピー.lnk"));
    machine.files.removeFile(machine.sendTo() + "\\移す.lnk");
    window.mnuCopyMove_Click();
    EXPECT_EQ(linkIn("フォルダーへコピー.lnk"), (LinkTarget{self, "/copyto"}));
    EXPECT_EQ(linkIn("フォルダーへ移動.lnk"), (LinkTarget{self, "/moveto"}));
    const std::string shell32 = "C:\\Windows\\System32\\shell32.dll,";
    EXPECT_EQ(machine.shortcuts.iconsAskedFor, (std::vector<std::string>{shell32 + "3", shell32 + "3", shell32 + "4"}));
    window.mnuCopyMove_Click();
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{
                                      {"「フォルダーへ移動」は既に送るメニューにあります (移す)\n失敗", "Parcelo", 0},
                                      doneBox,
                                      {"「フォルダーへコピー」は既に送るメニューにあります (フォルダーへコピー)\n"
                                       "「フォルダーへ移動」は既に送るメニューにあります (フォルダーへ移動)", "Parcelo", 0},
                                  }));
    EXPECT_EQ(log(), std::vector<std::string>(3, "webMain refresh"));
}

}  // namespace
}  // namespace parcelo
