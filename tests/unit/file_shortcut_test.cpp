#include <gtest/gtest.h>

#include <algorithm>

#include "portable_machine.h"

namespace parcelo {
namespace {

using namespace frmMainNames;

const std::string folder = "C:\\Program Files\\テスト";
const std::string app = folder + "\\app.exe";
const std::string prompt = "ショートカット名を入力してください";
const ShownBox wrongFile{"ファイル名が正しくありません", "Parcelo", 0};
const ShownBox done{"完了", "Parcelo", 0};
const ShownBox emptyName{prompt, "Parcelo", 0x31};
ShownBox namePrompt(const std::string& path) { return {prompt + path, "作成", 0}; }
const ShownBox fileDialog{"exeﾌｧｲﾙ(*.exe,*.com)|*.exe;*.com", "open file", 0x1000};
using Names = std::vector<std::string>;

class FileShortcut : public testing::Test {
protected:
    FileShortcut() {
        machine.makeFolder(folder);
        for (const char* name : {"\\app.exe", "\\b.com", "\\hidden.exe", "\\system.exe"})
            machine.writeBytes(folder + name, "MZ");
        machine.files.mark(folder + "\\hidden.exe", true, false, false);
        machine.files.mark(folder + "\\system.exe", false, true, false);
    }
    MemoryForm& start() {
        machine.start();
        return machine.mainForm();
    }
    Names sendToEntries() { return machine.entries(machine.sendTo()); }
    std::string nameBox() { return machine.mainForm().control(txtName).text(); }

    test::PortableMachine machine;
};

TEST_F(FileShortcut, TheCreateButtonAsksForTheFileAndTheNameAndMakesTheShortcutInSendTo) {
    const struct {
        const char* what;
        std::string source;
        std::deque<std::optional<std::string>> chosen;
        std::deque<std::string> typed;
        std::deque<int> buttons;
        std::vector<ShownBox> shown;
        Names made;
    } cases[] = {
        {"a named shortcut", app, {}, {"テスト"}, {}, {namePrompt(app), done}, {"テスト.lnk"}},
        {"an empty name, OK asks again", app, {}, {"", "", "app"}, {box::pressedOk, box::pressedOk},
         {namePrompt(app), emptyName, namePrompt(app), emptyName, namePrompt(app), done}, {"app.lnk"}},
        {"an empty name, then Cancel", app, {}, {""}, {box::pressedCancel}, {namePrompt(app), emptyName}, {}},
        {"nothing chosen: the file dialog first", "", {app}, {"app"}, {}, {fileDialog, namePrompt(app), done},
         {"app.lnk"}},
        {"the file dialog cancelled", "", {}, {}, {}, {fileDialog, wrongFile}, {}},
        {"a folder", folder, {}, {}, {}, {wrongFile}, {}},
        {"a hidden file", folder + "\\hidden.exe", {}, {}, {}, {wrongFile}, {}},
        {"a system file", folder + "\\system.exe", {}, {}, {}, {wrongFile}, {}},
        {"a missing file", folder + "\\missing.exe", {}, {}, {}, {wrongFile}, {}},
        {"a wildcard", folder + "\\*.exe", {}, {}, {}, {wrongFile}, {}},
        {"a trailing backslash", folder + "\\", {}, {}, {}, {wrongFile}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& name : sendToEntries())
            std::filesystem::remove(machine.files.hostPath(machine.sendTo() + "\\" + name));
        start().log.clear();
        machine.user = {};
        machine.mainForm().control(txtName).setText("C:\\typed\\by\\hand.exe");  // never read
        machine.user.chosenFiles = c.chosen;
        machine.user.typed = c.typed;
        machine.user.buttons = c.buttons;
        machine.window->SourcePath = c.source;
        machine.window->cmdCr_Click();
        EXPECT_EQ(machine.user.shown, c.shown);
        EXPECT_EQ(sendToEntries(), c.made);
        const auto& log = machine.mainForm().log;
        const bool refreshed = std::find(log.begin(), log.end(), "webMain refresh") != log.end();
        EXPECT_EQ(refreshed, !c.made.empty());
        // A shortcut made clears the choice; otherwise it is kept for another try.
        EXPECT_EQ(machine.window->SourcePath, c.made.empty() ? c.source : "");
        EXPECT_EQ(nameBox(), c.made.empty() ? "C:\\typed\\by\\hand.exe" : "");
    }
}

TEST_F(FileShortcut, BrowsingFillsTheNameBoxAndCancelKeepsIt) {
    start();
    machine.user.chosenFiles = {app, std::nullopt};
    for (int i = 0; i < 2; ++i) {
        machine.window->cmdOpen_Click();
        EXPECT_EQ(machine.window->SourcePath, app);
        EXPECT_EQ(nameBox(), app);
    }
}

TEST_F(FileShortcut, ASendToLaunchMakesAShortcutForEachPathThenEndsOrOpensTheWindow) {
    const std::string b = folder + "\\b.com";
    const struct {
        const char* what;
        std::string arguments;
        int quit;  // -1: a first run, without Data.ini
        std::deque<std::string> typed;
        std::vector<ShownBox> shown;
        Names made;
        bool ends;
    } cases[] = {
        {"two paths and quit", "\"" + app + "\" \"" + b + "\"", 1, {"a", "b"},
         {namePrompt(app), done, namePrompt(b), done}, {"a.lnk", "b.lnk"}, true},
        {"a path without quit", "\"" + app + "\"", 0, {"a"}, {namePrompt(app), done}, {"a.lnk"}, false},
        {"a failing path in the middle", "\"" + app + "\" \"" + folder + "\" \"" + app + "\"", 1, {"first", "last"},
         {namePrompt(app), done, wrongFile, namePrompt(app), done}, {"first.lnk", "last.lnk"}, true},
        {"no path: the quit flag is not looked at", "", 1, {}, {}, {}, false},
        {"a first run", "\"" + app + "\"", -1, {"a"}, {namePrompt(app), done}, {"a.lnk"}, false},
        {"an unquoted path with a blank arrives in pieces", app, 1, {"a"}, {wrongFile, wrongFile}, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::PortableMachine run;
        run.makeFolder(folder);
        run.writeBytes(app, "MZ");
        run.writeBytes(b, "MZ");
        const std::string record =
            "\"" + run.sendTo() + "\",\"\",8100,6600,1500,2250,0," + std::to_string(c.quit) + "\r\n";
        if (c.quit >= 0) run.writeBytes(run.dataIni(), record);
        run.shell.commandLineText = "\"C:\\Tools\\Parcelo\\Parcelo.exe\" " + c.arguments;
        run.user.typed = c.typed;
        run.start();
        EXPECT_EQ(run.user.shown, c.shown);
        EXPECT_EQ(run.entries(run.sendTo()), c.made);
        MemoryForm& form = run.mainForm();
        EXPECT_EQ(form.ended(), c.ends);
        EXPECT_EQ(form.shown, !c.ends);
        EXPECT_EQ(form.control(txtName).text(), "") << "the command line leaves the name box alone";
        // Ending at once saves nothing.
        EXPECT_EQ(run.exists(run.dataIni()) ? run.readBytes(run.dataIni()) : "", c.quit >= 0 ? record : "");
    }
}

}  // namespace
}  // namespace parcelo
