#include <gtest/gtest.h>

#include <algorithm>

#include "items/frmItems.h"
#include "items/frmItems_design.h"
#include "mainwindow/frmMain.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

using namespace frmItemsNames;

const ShownBox failed{"失敗", "Parcelo", 0};
using Rows = std::vector<std::vector<std::string>>;

// The entries dialog on a Send To folder with a working, a broken and a hidden shortcut.
class ItemsDialog : public testing::Test {
protected:
    ItemsDialog() {
        machine.makeFolder("C:\\Apps");
        machine.makeFolder("C:\\Bin");
        machine.writeBytes("C:\\Apps\\edit.exe", "MZ");
        machine.folders.recycleBin = "C:\\Bin";
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
            for (const ListRow& row : list.rows()) icons.push_back(row.iconPath);
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
    std::vector<std::string> icons;
};

TEST_F(ItemsDialog, ListsEveryEntryWithItsTargetStateAndCheckBox) {
    machine.makeFolder(path("サブ"));
    open([](MemoryForm&, MemoryControl&) {});
    EXPECT_EQ(rows, (Rows{
                        {"エディタ", "C:\\Apps\\edit.exe", "", "on"},
                        {"サブ", "ファイル フォルダー", "", "on"},
                        {"消えた", "C:\\Apps\\gone.exe", "リンク切れ", "on"},
                        {"隠れ", "C:\\Apps\\edit.exe /h", "無効", "off"},
                    }));
    EXPECT_EQ(icons[0], path("エディタ.lnk"));
}

TEST_F(ItemsDialog, TheListTakesWhatTheColumnOfButtonsLeaves) {
    // client width, height -> list width and height, button column left, Close top
    const struct {
        Twips width, height, listWidth, listHeight, buttons, close;
    } cases[] = {{9600, 5400, 7185, 5160, 7425, 4905}, {12000, 8000, 9585, 7760, 9825, 7505}};
    open([&](MemoryForm& form, MemoryControl&) {
        for (const auto& c : cases) {
            form.moveOuter({0, 0, c.width + memoryFrameWidth, c.height + memoryFrameHeight});
            EXPECT_EQ(form.control(lvwItems).rect(), (TwipsRect{120, 120, c.listWidth, c.listHeight}));
            EXPECT_EQ(form.control(cmdSub).rect(), (TwipsRect{c.buttons, 1425, 2055, 375}));
            EXPECT_EQ(form.control(cmdClose).rect(), (TwipsRect{c.buttons, c.close, 2055, 375}));
        }
    });
}

TEST_F(ItemsDialog, SlowTargetsAreLookedAtOnlyOnceTheDialogIsShown) {
    struct WatchingFolder : PortableShellFolder {
        using PortableShellFolder::PortableShellFolder;
        Reach reach(const std::string& target) override {
            if (target.starts_with("D:")) lookedWhileShown.push_back(ui->form("frmItems")->shown);
            return PortableShellFolder::reach(target);
        }
        MemoryUi* ui = nullptr;
        std::vector<bool> lookedWhileShown;
    } watching(machine.files);
    watching.ui = &machine.ui;
    watching.slowDrives = {'D'};
    for (int i = 0; i < 500; ++i) link("net" + std::to_string(i), "D:\\tool" + std::to_string(i) + ".exe");
    Platform watched{machine.files, machine.shell, machine.codepage, machine.user, machine.ui,
                     machine.shortcuts, machine.folderBrowser, watching};
    machine.ui.modalUser.push_back([&](MemoryForm& form) { rows = cells(form.memoryControl(lvwItems)); });
    frmItems(watched, machine.sendTo()).show();
    EXPECT_EQ(watching.lookedWhileShown, std::vector<bool>(500, true));
    ASSERT_EQ(rows.size(), 503u);
    EXPECT_EQ(rows[0][2], "リンク切れ");  // net0, on D:, looked at once shown
}

TEST_F(ItemsDialog, TickingAndUntickingSwitchTheHiddenMark) {
    open([&](MemoryForm&, MemoryControl& list) {
        list.userCheck(0);
        EXPECT_TRUE(machine.files.attributes(path("エディタ.lnk")).hidden);
        EXPECT_EQ(list.rows()[0].cells[2], "無効");
        list.userCheck(2);
        list.userCheck(0);
        std::filesystem::remove(machine.files.hostPath(path("消えた.lnk")));
        list.userCheck(1);  // gone meanwhile: its box goes back
    });
    EXPECT_FALSE(machine.files.attributes(path("エディタ.lnk")).hidden);
    EXPECT_FALSE(machine.files.attributes(path("隠れ.lnk")).hidden);
    EXPECT_EQ(rows[2], (std::vector<std::string>{"隠れ", "C:\\Apps\\edit.exe /h", "", "on"}));
    EXPECT_EQ(rows[1].back(), "on");
    EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{failed});
}

TEST_F(ItemsDialog, RenameKeepsTheHiddenExtensionAndRefusesWhatAShortcutNameMayNotBe) {
    machine.writeBytes(path("メール.MAPIMail"), "");
    struct Case {
        std::string typed;
        std::string file;  // what the entry's file is called afterwards
        bool fails;
    };
    const Case cases[] = {
        {"新しい名前", "新しい名前.lnk", false},
        {"..\\外", "新しい名前.lnk", true},
        {"con", "新しい名前.lnk", true},
        {"末尾. ", "新しい名前.lnk", true},
        {"消えた", "新しい名前.lnk", true},  // another entry has it
        {"新しい名前", "新しい名前.lnk", false},  // unchanged: nothing to do
    };
    open([&](MemoryForm& form, MemoryControl& list) {
        list.selectRows({0});
        form.click(cmdRen);
        EXPECT_EQ(form.log.back(), "lvwItems rename 0");
        for (const Case& c : cases) {
            machine.user.shown.clear();
            list.userRename(0, c.typed);
            EXPECT_TRUE(machine.exists(path(c.file))) << c.typed;
            EXPECT_EQ(machine.user.shown, c.fails ? std::vector<ShownBox>{failed} : std::vector<ShownBox>{}) << c.typed;
        }
        list.userRename(1, "手紙");  // shown with its extension: the typed name is the whole name
    });
    EXPECT_EQ(rows[0][0], "新しい名前");
    EXPECT_TRUE(machine.exists(path("手紙")));
}

TEST_F(ItemsDialog, DeleteMovesTheSelectedEntriesToTheRecycleBin) {
    open([&](MemoryForm& form, MemoryControl& list) {
        form.click(cmdBroken);
        EXPECT_EQ(list.selectedRows(), std::vector<size_t>{1});
        machine.folders.refuseToRecycle = true;  // the shell's confirmation answered No
        form.click(cmdDel);
        EXPECT_TRUE(machine.exists(path("消えた.lnk")));
        machine.folders.refuseToRecycle = false;
        form.click(cmdDel);
        list.selectRows({1});
        list.pressDelete();
    });
    EXPECT_TRUE(machine.exists("C:\\Bin\\消えた.lnk"));
    EXPECT_TRUE(machine.exists("C:\\Bin\\隠れ.lnk"));
    EXPECT_FALSE(machine.exists(path("消えた.lnk")));
    EXPECT_EQ(rows, (Rows{{"エディタ", "C:\\Apps\\edit.exe", "", "on"}}));
}

TEST_F(ItemsDialog, ASubfolderBecomesASubmenuAndBack) {
    const std::string sub = path("写真 2024");
    machine.makeFolder(sub);
    machine.writeBytes(machine.shell.executablePath(), "MZ");
    const ShownBox undo{"サブメニューを解除しますか？", "Parcelo", box::okCancel};
    bool enabledOnFile = true, enabledOnFolder = false;
    machine.user.buttons = {box::pressedOk, box::pressedCancel, box::pressedOk};
    open([&](MemoryForm& form, MemoryControl& list) {
        list.userSelect({0});  // a shortcut of a program
        enabledOnFile = form.control(cmdSub).enabled();
        list.userSelect({1});
        enabledOnFolder = form.control(cmdSub).enabled();
        form.click(cmdSub);
        EXPECT_EQ(cells(list)[1], (std::vector<std::string>{"写真 2024", "ファイル フォルダー", "サブメニュー", "off"}));
        EXPECT_EQ(cells(list)[2][2], "サブメニュー");
        list.userSelect({2});  // its shortcut: asks, and Cancel keeps it
        form.click(cmdSub);
        EXPECT_TRUE(machine.exists(sub + ".lnk"));
        list.userSelect({2});
        form.click(cmdSub);
    });
    EXPECT_FALSE(enabledOnFile);
    EXPECT_TRUE(enabledOnFolder);
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{{"完了", "Parcelo", 0}, undo, undo}));
    EXPECT_FALSE(machine.exists(sub + ".lnk"));
    EXPECT_FALSE(machine.files.attributes(sub).hidden);
    EXPECT_EQ(rows[1], (std::vector<std::string>{"写真 2024", "ファイル フォルダー", "", "on"}));
}

TEST_F(ItemsDialog, ASubmenuThatCannotBeMadeChangesNothing) {
    const std::string sub = path("写真");
    machine.makeFolder(sub);
    machine.writeBytes(sub + ".lnk", "someone else's");
    open([&](MemoryForm& form, MemoryControl& list) {
        list.userSelect({1});
        form.click(cmdSub);
    });
    EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{failed});
    EXPECT_EQ(machine.readBytes(sub + ".lnk"), "someone else's");
    EXPECT_FALSE(machine.files.attributes(sub).hidden);
}

}  // namespace
}  // namespace parcelo
