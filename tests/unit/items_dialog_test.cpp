#include <gtest/gtest.h>

#include "core/desktop_ini.h"
#include "core/utf8.h"
#include "core/cascade_request.h"
#include "items/frmItems.h"
#include "items/frmItems_design.h"
#include "mainwindow/frmMain.h"
#include "support/portable_machine.h"

namespace parcelo {
namespace {

using namespace frmItemsNames;


// UTF-16LE bytes of UTF-8 text.
std::string le(std::string_view text) {
    std::string out;
    for (const char16_t unit : utf16Of(text)) out += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return out;
}
using Rows = std::vector<std::vector<std::string>>;

// The entries dialog on a Send To folder with a working, a broken and a hidden shortcut.
class ItemsDialog : public testing::Test {
protected:
    ItemsDialog() {
        machine.makeFolder("C:\\Apps");
        machine.writeBytes("C:\\Apps\\edit.exe", "MZ");
        link("エディタ", "C:\\Apps\\edit.exe");
        link("消えた", "C:\\Apps\\gone.exe");
        link("隠れ", "C:\\Apps\\edit.exe", "/h");
        machine.files.mark(path("隠れ.lnk"), true, false, false);
    }
    void link(const std::string& name, const std::string& target, const std::string& arguments = "") {
        machine.shortcuts.write(path(name + ".lnk"), target, arguments, "");
    }
    std::string path(const std::string& name) { return machine.sendTo() + "\\" + name; }
    // Opens the dialog; `user` acts in it while it is shown.
    void open(std::function<void(MemoryForm&, MemoryControl&)> user) {
        machine.ui.modalUser.push_back([&, user](MemoryForm& form) {
            MemoryControl& list = form.memoryControl(lvwItems);
            user(form, list);
            rows = cells(list);
        });
        frmItems(machine.platform, machine.sendTo()).show();
    }
    static Rows cells(const MemoryControl& list) {
        Rows out;
        for (const ListRow& row : list.rows()) {
            out.push_back(row.cells);
            out.back().push_back(row.checked ? "on" : "off");
        }
        return out;
    }

    test::PortableMachine machine;
    Rows rows;
};

TEST_F(ItemsDialog, ListsEveryEntryWithItsTargetStateAndCheckBox) {
    machine.makeFolder(path("サブ"));
    link("e", "c:\\apps\\GONE.EXE\\");  // hidden, broken, and 消えた in other case with a separator
    machine.files.mark(path("e.lnk"), true, false, false);
    link("ｆ", "C:\\Apps\\ａｚ.exe");  // full-width letters fold too, ａ and ｚ included
    link("g", "C:\\Apps\\ＡＺ.exe");
    machine.writeBytes(path("短い.lnk"), std::string("\x4C\0\0\0", 4));
    machine.writeBytes(path("メール.MAPIMail"), "");
    machine.files.mark(path("メール.MAPIMail"), true, false, false);
    machine.folders.displayNames[path("メール.MAPIMail")] = "メール受信者";
    open([&](MemoryForm& form, MemoryControl& list) {
        form.click(cmdBroken);
        EXPECT_EQ(list.selectedRows(), (std::vector<size_t>{0, 1, 5, 8}));  // an unreadable shortcut is not broken
        EXPECT_EQ(list.rows()[2].iconPath, path("エディタ.lnk"));
    });
    EXPECT_EQ(rows, (Rows{
                        {"e", "c:\\apps\\GONE.EXE\\", "無効、リンク切れ、重複", "off"},
                        {"g", "C:\\Apps\\ＡＺ.exe", "リンク切れ、重複", "on"},
                        {"エディタ", "C:\\Apps\\edit.exe", "", "on"},  // 隠れ has other arguments
                        {"サブ", "ファイル フォルダー", "", "on"},
                        {"メール受信者", "ファイル", "無効", "off"},
                        {"消えた", "C:\\Apps\\gone.exe", "リンク切れ、重複", "on"},
                        {"短い", "(ショートカットを読み取れません)", "", "on"},
                        {"隠れ", "C:\\Apps\\edit.exe /h", "無効", "off"},
                        {"ｆ", "C:\\Apps\\ａｚ.exe", "リンク切れ、重複", "on"},
                    }));
}

TEST_F(ItemsDialog, TargetsAreLookedAtOnceTheListIsShownSlowOnesLastAndASilentDriveOnlyOnce) {
    machine.folders.slowRoots = {"D:", "E:"};
    machine.folders.silentRoots = {"E:", "\\\\quiet\\share"};
    machine.writeBytes("D:\\tool.exe", "MZ");
    link("net", "D:\\tool.exe");
    link("share", "\\\\server\\share\\x.exe");
    // Two on a share that does not answer, one on another share of the same server.
    link("share1", "\\\\quiet\\share\\1.exe");
    link("share2", "\\\\quiet\\share\\2.exe");
    link("share3", "\\\\quiet\\other\\3.exe");
    for (const char* name : {"silent1", "silent2"}) link(name, std::string("E:\\") + name + ".exe");
    machine.ui.idleBeforeUser = false;
    open([&](MemoryForm& form, MemoryControl&) {
        EXPECT_TRUE(machine.folders.reached.empty()) << "looked at before the list is on the screen";
        form.idle();
    });
    using Texts = std::vector<std::string>;
    EXPECT_EQ(machine.folders.reached, (Texts{"C:\\Apps\\edit.exe", "C:\\Apps\\gone.exe", "C:\\Apps\\edit.exe", "D:\\tool.exe",
                                              "\\\\server\\share\\x.exe", "\\\\quiet\\share\\1.exe",
                                              "\\\\quiet\\other\\3.exe", "E:\\silent1.exe"}));
    Texts states;
    for (const auto& row : rows) states.push_back(row[2]);
    EXPECT_EQ(states, (Texts{"", "リンク切れ", "確認できません", "確認できません", "リンク切れ", "確認できません", "確認できません",
                             "", "リンク切れ", "無効"}));
}

TEST_F(ItemsDialog, TickingSwitchesTheHiddenMarkOrPutsTheBoxBackForAnEntryGoneMeanwhile) {
    open([&](MemoryForm&, MemoryControl& list) {
        list.userCheck(2);
        std::filesystem::remove(machine.files.hostPath(path("消えた.lnk")));
        list.userCheck(1);
    });
    EXPECT_FALSE(machine.files.attributes(path("隠れ.lnk")).hidden);
    EXPECT_EQ(rows[2], (std::vector<std::string>{"隠れ", "C:\\Apps\\edit.exe /h", "", "on"}));
    EXPECT_EQ(rows[1].back(), "on");
    EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{failedBox});
}

TEST_F(ItemsDialog, DeleteRecyclesTheSelectedEntriesUnlessTheUserSaysNoAndTellsAFailure) {
    machine.files.mark(path("エディタ.lnk"), false, false, true);  // read-only: it cannot be taken
    open([&](MemoryForm& form, MemoryControl& list) {
        form.click(cmdBroken);
        machine.folders.refuseToRecycle = true;  // the shell's confirmation answered No
        form.click(cmdDel);
        EXPECT_TRUE(machine.exists(path("消えた.lnk")));
        machine.folders.refuseToRecycle = false;
        form.click(cmdDel);
        list.selectRows({0});
        form.click(cmdDel);
    });
    EXPECT_FALSE(machine.exists(path("消えた.lnk")));
    EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{failedBox});
    EXPECT_EQ(rows, (Rows{{"エディタ", "C:\\Apps\\edit.exe", "", "on"}, {"隠れ", "C:\\Apps\\edit.exe /h", "無効", "off"}}));
}

TEST_F(ItemsDialog, RenameKeepsTheHiddenExtensionAndRefusesWhatAShortcutNameMayNotBe) {
    machine.writeBytes(path("メール.MAPIMail"), "");
    machine.writeBytes(path("鳥"), "");
    // typed, and whether it fails; the entry's file is 新しい名前.lnk after each
    const std::pair<std::string, bool> cases[] = {
        {"新しい名前", false}, {"..\\外", true}, {"消えた", true} /* another entry has it */, {"新しい名前", false},
    };
    open([&](MemoryForm& form, MemoryControl& list) {
        list.selectRows({0});
        form.click(cmdRen);
        EXPECT_EQ(form.log.back(), "lvwItems rename 0");
        for (const auto& [typed, fails] : cases) {
            machine.user.shown.clear();
            list.userRename(0, typed);
            EXPECT_TRUE(machine.exists(path("新しい名前.lnk"))) << typed;
            EXPECT_EQ(machine.user.shown, fails ? std::vector<ShownBox>{failedBox} : std::vector<ShownBox>{}) << typed;
        }
        list.userRename(1, "手紙");  // shown with its extension: the typed name is the whole name
        list.userRename(4, "白鳥");  // no extension to keep
    });
    EXPECT_EQ(rows[0][0], "新しい名前");
    EXPECT_TRUE(machine.exists(path("手紙")));
    EXPECT_TRUE(machine.exists(path("白鳥")));
}

TEST_F(ItemsDialog, ASubfolderBecomesASubmenuAndBackButNotOverAnotherFile) {
    const std::string sub = path("写真 2024");
    machine.makeFolder(sub);
    machine.makeFolder(path("日記"));
    machine.writeBytes(path("日記.lnk"), "someone else's");
    machine.writeBytes(machine.shell.executablePath(), "MZ");
    machine.user.buttons = {box::pressedOk, box::pressedOk, box::pressedOk, box::pressedCancel, box::pressedOk};
    open([&](MemoryForm& form, MemoryControl& list) {
        EXPECT_FALSE(form.control(cmdSub).enabled()) << "nothing selected";
        list.userSelect({0});  // a shortcut of a program
        EXPECT_FALSE(form.control(cmdSub).enabled());
        list.userSelect({2});  // 日記, whose shortcut's name is taken
        form.click(cmdSub);
        list.userSelect({1});
        EXPECT_TRUE(form.control(cmdSub).enabled());
        machine.files.removeFile(machine.shell.executablePath());
        form.click(cmdSub);  // no Parcelo.exe for the shortcut to start: nothing made
        machine.writeBytes(machine.shell.executablePath(), "MZ");
        list.userSelect({1});
        form.click(cmdSub);
        EXPECT_EQ(cells(list)[1], (std::vector<std::string>{"写真 2024", "ファイル フォルダー", "サブメニュー", "off"}));
        EXPECT_EQ(cells(list)[2][2], "サブメニュー");
        list.userSelect({2});  // its shortcut: asks, and Cancel keeps it
        form.click(cmdSub);
        list.userSelect({2});
        form.click(cmdSub);
    });
    const ShownBox undo{"サブメニューを解除しますか？", "Parcelo", box::okCancel};
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{failedBox, failedBox, doneBox, undo, undo}));
    EXPECT_EQ(machine.readBytes(path("日記.lnk")), "someone else's");
    EXPECT_FALSE(machine.files.attributes(path("日記")).hidden);
    // Back to a plain folder: no shortcut, shown and ticked again.
    EXPECT_EQ(rows[1], (std::vector<std::string>{"写真 2024", "ファイル フォルダー", "", "on"}));
}

TEST_F(ItemsDialog, TheMissingStandardEntriesWaitForOkAndASecondPressFindsNone) {
    machine.writeBytes(path("desktop (CREATE shortcut).desklink"), "");  // switched off, in other case
    machine.files.mark(path("desktop (CREATE shortcut).desklink"), true, false, false);
    machine.user.buttons = {box::pressedCancel, box::pressedOk};
    open([&](MemoryForm& form, MemoryControl&) {
        const auto before = machine.snapshot();
        form.click(cmdStd);
        EXPECT_EQ(machine.snapshot(), before);
        form.click(cmdStd);
        form.click(cmdStd);
    });
    const ShownBox question{"次の既定の項目を作成します。\n\n圧縮 (zip 形式) フォルダー\nドキュメント\nメール受信者", "Parcelo",
                            box::okCancel};
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{question, question, {"既定の項目はすべてそろっています。", "Parcelo", 0}}));
    const FileAttributes ini = machine.files.attributes(path("desktop.ini"));
    EXPECT_TRUE(ini.hidden && ini.system) << "a new desktop.ini is marked as the shell's";
}

TEST_F(ItemsDialog, AnExistingDesktopIniKeepsItsBytesAndMarksAndOneUnreadableOrReadOnlyIsNotRewritten) {
    const std::string ini = path("desktop.ini"), head = "[LocalizedFileNames]\r\n", tail = "\r\n[.ShellClassInfo]\r\n";
    const std::string mail = "Mail Recipient.MAPIMail=\x83\x81\x81\x5B\x83\x8B\r\n", nul("[X]\0", 4), bom8 = "\xEF\xBB\xBF[.S]\r\n";
    const std::string three = "Compressed (zipped) Folder.ZFSendToTarget=@%SystemRoot%\\system32\\zipfldr.dll,-10227\r\n"
                              "Desktop (create shortcut).DeskLink=@%SystemRoot%\\system32\\sendmail.dll,-21\r\n"
                              "Documents.mydocs=@%SystemRoot%\\system32\\shell32.dll,-21770\r\n";
    const std::string all = head + three + "Mail Recipient.MAPIMail=@%SystemRoot%\\system32\\sendmail.dll,-203\r\n";
    const std::string question = "次の既定の項目を作成します。\n\n圧縮 (zip 形式) フォルダー\nデスクトップ (ショートカットを作成)\nドキュメント\nメール受信者";
    const struct {
        std::string before;
        bool hidden, system, readOnly;
        std::string after, note;
        bool made;
    } cases[] = {
        {head + mail + tail, true, false, false, head + mail + three + tail, "", true},
        {bom8, false, true, false, bom8 + all, "", true},
        {nul, true, true, false, nul, "\n\ndesktop.ini を読み取れないため、書き換えません。項目は英語の名前で表示されます。", true},
        {head + mail, true, false, true, head + mail, "", false},
        {all, true, true, true, all, "", true},  // nothing to add: not written
    };
    for (const auto& c : cases) {
        machine.files.mark(ini, false, false, false);
        machine.writeBytes(ini, c.before);
        machine.files.mark(ini, c.hidden, c.system, c.readOnly);
        machine.user.shown.clear();
        machine.user.buttons = {box::pressedOk};
        open([&](MemoryForm& form, MemoryControl&) { form.click(cmdStd); });
        const ShownBox asked{question + c.note, "Parcelo", box::okCancel};
        EXPECT_EQ(machine.user.shown, (c.made ? std::vector<ShownBox>{asked} : std::vector<ShownBox>{asked, failedBox}));
        EXPECT_EQ(machine.readBytes(ini), c.after);
        const FileAttributes marks = machine.files.attributes(ini);
        EXPECT_TRUE(marks.hidden == c.hidden && marks.system == c.system) << c.after;
        EXPECT_EQ(machine.exists(path("Documents.mydocs")), c.made) << "desktop.ini first";
        for (const char* file : {"Compressed (zipped) Folder.ZFSendToTarget", "Desktop (create shortcut).DeskLink",
                                 "Documents.mydocs", "Mail Recipient.MAPIMail"})
            std::filesystem::remove(machine.files.hostPath(path(file)));
    }
}

TEST_F(ItemsDialog, PropertiesOrTheFolderOpenInTheShellAndTheListIsReadAgainOnceTheDialogIsActive) {
    machine.folders.slowRoots = {"C:"};  // targets looked at only once the list is on the screen
    for (const std::string_view button : {cmdProp, cmdOpen}) {
        std::filesystem::remove(machine.files.hostPath(path("新.lnk")));
        open([&](MemoryForm& form, MemoryControl& list) {
            form.click(cmdProp);  // nothing selected
            list.selectRows({2});
            link("新", "C:\\Apps\\gone.exe");
            form.activate();
            EXPECT_EQ(list.rows().size(), 3u) << "read again with nothing opened";
            form.click(button);
            form.activate();
            form.idle();
            EXPECT_EQ(cells(list)[1], (std::vector<std::string>{"新", "C:\\Apps\\gone.exe", "リンク切れ、重複", "on"})) << button;
        });
    }
    EXPECT_EQ(machine.folders.propertiesShown, std::vector<std::string>{path("隠れ.lnk")});
    EXPECT_EQ(machine.shell.opened, std::vector<std::string>{machine.sendTo()});
}

TEST(DesktopIni, LinesJoinTheSectionInTheFilesOwnEncodingAndEveryOtherByteStays) {
    const std::vector<LocalizedName> names{{"A.x", "@a.dll,-1"}, {"B.y", "@b.dll,-2"}};
    const std::string both = "A.x=@a.dll,-1\r\nB.y=@b.dll,-2\r\n", bom16 = "\xFF\xFE", bom8 = "\xEF\xBB\xBF";
    const std::string sjis = "\x83\x5B\x83\x8B=\x95\x5C\r\n";  // cp932 with '[' and '\' as second bytes
    const struct {
        const char* name;
        std::string before;
        std::optional<std::string> after;
    } cases[] = {
        {"none yet", "", bom16 + le("[LocalizedFileNames]\r\n" + both)},
        {"ANSI, one there in other case", "[.S]\r\n" + sjis + "[localizedfilenames]\r\n b.Y = old\r\n\r\n[X]\n",
         "[.S]\r\n" + sjis + "[localizedfilenames]\r\n b.Y = old\r\nA.x=@a.dll,-1\r\n\r\n[X]\n"},
        {"UTF-8, no section, no last break", bom8 + "[.S]\r\nテ=1", bom8 + "[.S]\r\nテ=1\r\n[LocalizedFileNames]\r\n" + both},
        {"UTF-16, the first section, no last break; せ is 5B 30", bom16 + le("[LocalizedFileNames]\r\nせ=😀\r\n[LocalizedFileNames]\r\nZ=1"),
         bom16 + le("[LocalizedFileNames]\r\nせ=😀\r\n" + both + "[LocalizedFileNames]\r\nZ=1")},
        {"all there", bom16 + le("[LocalizedFileNames]\r\na.x=1\r\nb.y=2"), bom16 + le("[LocalizedFileNames]\r\na.x=1\r\nb.y=2")},
        {"UTF-16 of odd length", bom16 + le("[X]") + "!", std::nullopt},
        {"lone high surrogate at the end", bom16 + le("[X]") + "\x3D\xD8", std::nullopt},
        {"lone high surrogate before text", bom16 + "\x3D\xD8" + le("[X]"), std::nullopt},
        {"lone low surrogate", bom16 + std::string("\x00\xDC", 2) + le("[X]"), std::nullopt},
        {"malformed UTF-8", bom8 + "[X]\r\n\xC3(", std::nullopt},
        {"NUL in ANSI, as UTF-16 without its mark", le("[X]"), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(withLocalizedNames(c.before, names), c.after) << c.name;
}

}  // namespace
}  // namespace parcelo
