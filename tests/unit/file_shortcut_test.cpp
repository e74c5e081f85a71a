#include <gtest/gtest.h>

#include <algorithm>

using namespace std::string_literals;

#include "mainwindow/frmMain.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

const std::string app = "C:\\Program Files\\テスト\\app.exe";
const std::string prompt = "ショートカット名を入力してください";
const ShownBox wrongFile{"ファイル名が正しくありません", "Parcelo", 0};
const ShownBox done{"完了", "Parcelo", 0};
const ShownBox failed{"失敗", "Parcelo", 0};
const ShownBox emptyName{prompt, "Parcelo", 0x31};
ShownBox namePrompt(const std::string& path) { return {prompt + path, "作成", 0}; }
const ShownBox fileDialog{"exeﾌｧｲﾙ(*.exe,*.com)|*.exe;*.com", "open file", 0x1000};

class FileShortcut : public testing::Test {
protected:
    FileShortcut() {
        machine.makeFolder("C:\\Program Files\\テスト");
        machine.writeBytes(app, "MZ");
        machine.writeBytes("C:\\Program Files\\テスト\\hidden.exe", "MZ");
        machine.files.mark("C:\\Program Files\\テスト\\hidden.exe", true, false, false);
        machine.writeBytes("C:\\Program Files\\テスト\\system.exe", "MZ");
        machine.files.mark("C:\\Program Files\\テスト\\system.exe", false, true, false);
    }
    MemoryForm& start() {
        window = std::make_unique<frmMain>(machine.platform, machine.values);
        window->start();
        machine.ui.form("frmMain")->log.clear();
        return *machine.ui.form("frmMain");
    }
    std::vector<std::string> sendToEntries() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(machine.files.hostPath(machine.sendTo())))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    bool refreshed() {
        const auto& log = machine.ui.form("frmMain")->log;
        return std::find(log.begin(), log.end(), "webMain refresh") != log.end();
    }
    std::string txtName() { return machine.ui.form("frmMain")->control(frmMainNames::txtName).text(); }

    test::PortableMachine machine;
    std::unique_ptr<frmMain> window;
};

TEST_F(FileShortcut, PathsThatAreNotOrdinaryFilesAreRefusedBeforeAnyPrompt) {
    start();
    for (const std::string& path : {std::string("C:\\Program Files\\テスト"), "C:\\Program Files\\テスト\\hidden.exe"s,
                                    "C:\\Program Files\\テスト\\system.exe"s, "C:\\Program Files\\テスト\\missing.exe"s,
                                    "C:\\Program Files\\テスト\\*.exe"s, "C:\\Program Files\\テスト\\"s}) {
        machine.user.shown.clear();
        window->SourcePath = path;
        window->cmdCr_Click();
        EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{wrongFile}) << path;
        EXPECT_EQ(window->SourcePath, path);
    }
    EXPECT_FALSE(refreshed());
    EXPECT_TRUE(sendToEntries().empty());
}

TEST_F(FileShortcut, ANamedShortcutLandsInSendToAndClearsTheChoice) {
    start();
    window->SourcePath = app;
    machine.ui.form("frmMain")->control(frmMainNames::txtName).setText(app);
    machine.user.typed = {"テスト"};
    window->cmdCr_Click();
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{namePrompt(app), done}));
    EXPECT_EQ(sendToEntries(), std::vector<std::string>{"テスト.lnk"});
    EXPECT_EQ(window->SourcePath, "");
    EXPECT_EQ(txtName(), "");
    EXPECT_TRUE(refreshed());
}

TEST_F(FileShortcut, AnEmptyNameWarnsAndOkAsksAgain) {
    start();
    window->SourcePath = app;
    machine.user.typed = {"", "", "app"};
    machine.user.buttons = {box::pressedOk, box::pressedOk};
    window->cmdCr_Click();
    EXPECT_EQ(machine.user.shown,
              (std::vector<ShownBox>{namePrompt(app), emptyName, namePrompt(app), emptyName, namePrompt(app), done}));
    EXPECT_EQ(sendToEntries(), std::vector<std::string>{"app.lnk"});
}

TEST_F(FileShortcut, CancelInTheWarningEndsWithNothingDone) {
    start();
    window->SourcePath = app;
    machine.user.typed = {""};
    machine.user.buttons = {box::pressedCancel};
    window->cmdCr_Click();
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{namePrompt(app), emptyName}));
    EXPECT_EQ(window->SourcePath, app);
    EXPECT_FALSE(refreshed());
    EXPECT_TRUE(sendToEntries().empty());
}

TEST_F(FileShortcut, AnExistingShortcutOfTheSameNameIsReplaced) {
    start();
    machine.writeBytes(machine.sendTo() + "\\app.lnk", "old");
    window->SourcePath = app;
    machine.user.typed = {"app"};
    window->cmdCr_Click();
    EXPECT_EQ(machine.user.shown.back(), done);
    EXPECT_NE(machine.readBytes(machine.sendTo() + "\\app.lnk"), "old");
    EXPECT_EQ(sendToEntries(), std::vector<std::string>{"app.lnk"});
}

TEST_F(FileShortcut, WithNothingChosenTheFileDialogComesFirst) {
    start();
    machine.ui.form("frmMain")->control(frmMainNames::txtName).setText("C:\\typed\\by\\hand.exe");  // never read
    machine.user.chosenFiles = {app};
    machine.user.typed = {"app"};
    window->cmdCr_Click();
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{fileDialog, namePrompt(app), done}));
    EXPECT_EQ(sendToEntries(), std::vector<std::string>{"app.lnk"});
}

TEST_F(FileShortcut, ACancelledFileDialogLeavesTheEmptyPathToTheExistenceTest) {
    start();
    window->cmdCr_Click();
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{fileDialog, wrongFile}));
    EXPECT_EQ(window->SourcePath, "");
}

TEST_F(FileShortcut, BrowsingFillsTheNameBoxAndCancelKeepsIt) {
    start();
    machine.user.chosenFiles = {app, std::nullopt};
    window->mnul_Click();
    EXPECT_EQ(window->SourcePath, app);
    EXPECT_EQ(txtName(), app);
    window->cmdOpen_Click();
    EXPECT_EQ(window->SourcePath, app);
    EXPECT_EQ(txtName(), app);
}

TEST_F(FileShortcut, TheMenuItemIsTheButton) {
    start();
    window->SourcePath = app;
    machine.user.typed = {"app"};
    window->onEvent(frmMainNames::mnuEx, Event::Click);
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{namePrompt(app), done}));
}

class SendToLaunch : public FileShortcut {
protected:
    void launch(const std::string& arguments, int quit) {
        record = "\"" + machine.sendTo() + "\",\"\",8100,6600,1500,2250,0," + std::to_string(quit) + "\r\n";
        machine.writeBytes(machine.dataIni(), record);
        machine.shell.commandLineText = "\"C:\\Tools\\Parcelo\\Parcelo.exe\" " + arguments;
        start();
    }
    std::string record;
};

TEST_F(SendToLaunch, QuitAfterSendEndsAfterTheLastPathWithoutWindowOrSave) {
    machine.writeBytes("C:\\Program Files\\テスト\\b.com", "MZ");
    machine.user.typed = {"a", "b"};
    launch("\"" + app + "\" \"C:\\Program Files\\テスト\\b.com\"", 1);
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{namePrompt(app), done,
                                                         namePrompt("C:\\Program Files\\テスト\\b.com"), done}));
    EXPECT_EQ(sendToEntries(), (std::vector<std::string>{"a.lnk", "b.lnk"}));
    EXPECT_TRUE(machine.ui.form("frmMain")->ended());
    EXPECT_FALSE(machine.ui.form("frmMain")->shown);
    EXPECT_EQ(machine.readBytes(machine.dataIni()), record);
}

TEST_F(SendToLaunch, WithoutQuitTheWindowOpensAfterThePaths) {
    machine.user.typed = {"a"};
    launch("\"" + app + "\"", 0);
    EXPECT_EQ(sendToEntries(), std::vector<std::string>{"a.lnk"});
    EXPECT_TRUE(machine.ui.form("frmMain")->shown);
    EXPECT_FALSE(machine.ui.form("frmMain")->ended());
}

TEST_F(SendToLaunch, APathThatFailsInTheMiddleLeavesTheOthersTheirTurn) {
    machine.user.typed = {"first", "last"};
    launch("\"" + app + "\" \"C:\\Program Files\\テスト\" \"" + app + "\"", 1);
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{namePrompt(app), done, wrongFile, namePrompt(app), done}));
    EXPECT_EQ(sendToEntries(), (std::vector<std::string>{"first.lnk", "last.lnk"}));
    EXPECT_TRUE(machine.ui.form("frmMain")->ended());
}

TEST_F(SendToLaunch, NoArgumentsNeverLooksAtTheQuitFlag) {
    launch("", 1);
    EXPECT_TRUE(machine.user.shown.empty());
    EXPECT_TRUE(machine.ui.form("frmMain")->shown);
}

TEST_F(SendToLaunch, AFirstRunWithArgumentsMakesTheShortcutsAndOpens) {
    machine.shell.commandLineText = "Parcelo.exe \"" + app + "\"";
    machine.user.typed = {"a"};
    start();
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{namePrompt(app), done}));
    EXPECT_EQ(sendToEntries(), std::vector<std::string>{"a.lnk"});
    EXPECT_TRUE(machine.ui.form("frmMain")->shown);
}

TEST_F(SendToLaunch, AnUnquotedPathWithABlankArrivesInPieces) {
    machine.user.typed = {"a"};
    launch(app, 1);
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{wrongFile, wrongFile}));
    EXPECT_TRUE(sendToEntries().empty());
}

TEST_F(SendToLaunch, TheCommandLineLeavesTheNameBoxAlone) {
    machine.user.typed = {""};
    machine.user.buttons = {box::pressedCancel};
    launch("\"" + app + "\"", 0);
    EXPECT_EQ(window->SourcePath, app);
    EXPECT_EQ(txtName(), "");
}

}  // namespace
}  // namespace parcelo
