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

std::string repeated(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}
std::string utf16le(const std::string& ascii) {
    std::string out;
    for (char c : ascii) out += {c, '\0'};
    return out;
}
std::vector<ShownBox> made(const std::string& path) { return {namePrompt(path), done}; }
std::vector<ShownBox> failed(const std::string& path) { return {namePrompt(path), {"失敗", "Parcelo", 0}}; }

// 27 folders of 10 characters: a path of more than 290 characters.
const std::string deepApp = "C:\\Programs" + repeated("\\folder-10", 27) + "\\app.exe";
using Arrange = std::function<void(test::PortableMachine&)>;

// A machine with the program started, the files above in place.
struct Started : test::PortableMachine {
    Started() {
        makeFolder(folder);
        makeFolder(deepApp.substr(0, deepApp.rfind('\\')));
        for (const std::string& file : {app, folder + "\\b.com", folder + "\\hidden.exe", folder + "\\system.exe", deepApp})
            writeBytes(file, "MZ");
        files.mark(folder + "\\hidden.exe", true, false, false);
        files.mark(folder + "\\system.exe", false, true, false);
        start();
    }
    std::string nameBox() { return mainForm().control(txtName).text(); }
};

// Each case looks at the whole machine afterwards: nothing lost, nothing written but the shortcut.
TEST(FileShortcut, TheCreateButtonAsksForTheFileAndTheNameAndMakesAShortcutInSendToOrNothing) {
    const struct {
        const char* what;
        std::string source;
        std::deque<std::string> typed;
        std::vector<ShownBox> shown;
        std::string madeName;  // empty: nothing made
        std::deque<std::optional<std::string>> chosen = {};
        std::deque<int> buttons = {};
        Arrange arrange = nullptr;
    } cases[] = {
        {"a named shortcut", app, {"テスト"}, made(app), "テスト"},
        {"an empty name, OK asks again", app, {"", "", "app"},
         {namePrompt(app), emptyName, namePrompt(app), emptyName, namePrompt(app), done}, "app", {},
         {box::pressedOk, box::pressedOk}},
        {"an empty name, then Cancel", app, {""}, {namePrompt(app), emptyName}, "", {}, {box::pressedCancel}},
        {"nothing chosen: the file dialog first", "", {"app"}, {fileDialog, namePrompt(app), done}, "app", {app}},
        {"the file dialog cancelled", "", {}, {fileDialog, wrongFile}, ""},
        {"a folder", folder, {}, {wrongFile}, ""},
        {"a hidden file", folder + "\\hidden.exe", {}, {wrongFile}, ""},
        {"a system file", folder + "\\system.exe", {}, {wrongFile}, ""},
        {"a missing file", folder + "\\missing.exe", {}, {wrongFile}, ""},
        {"a wildcard", folder + "\\*.exe", {}, {wrongFile}, ""},
        {"a trailing backslash", folder + "\\", {}, {wrongFile}, ""},
        {"a target on a missing drive", "Q:\\app.exe", {"app"}, {wrongFile}, ""},
        {"a name that climbs out of Send To", app, {"..\\..\\Programs\\evil"}, failed(app), ""},
        {"247 characters, the longest", app, {std::string(247, 'x')}, made(app), std::string(247, 'x')},
        {"251 characters, too long beside the old shortcut", app, {std::string(251, 'x')}, failed(app), ""},
        {"Hangul, outside code page 932", app, {"한국어"}, made(app), "한국어"},
        {"beyond the basic plane", app, {"\xF0\x9F\x93\x81 files"}, made(app), "\xF0\x9F\x93\x81 files"},
        // The code page's best fit for the yen sign is a backslash.
        {"a yen sign", app, {"a\xC2\xA5" "b"}, made(app), "a\xC2\xA5" "b"},
        {"a target path of more than 260 characters", deepApp, {"deep"}, made(deepApp), "deep"},
        {"the Programs folder unknown", app, {"app"}, failed(app), "", {}, {},
         [](test::PortableMachine& m) { m.shell.specialFolders.erase(csidlPrograms); }},
        {"Send To missing", app, {"app"}, failed(app), "", {}, {},
         [](test::PortableMachine& m) { std::filesystem::remove_all(m.files.hostPath(m.sendTo())); }},
        {"Send To read-only", app, {"app"}, failed(app), "", {}, {},
         [](test::PortableMachine& m) { m.files.mark(m.sendTo(), false, false, true); }},
        {"Send To is a file", app, {"app"}, failed(app), "", {}, {},
         [](test::PortableMachine& m) {
             std::filesystem::remove_all(m.files.hostPath(m.sendTo()));
             m.writeBytes(m.sendTo(), "not a folder");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Started machine;
        if (c.arrange) c.arrange(machine);
        machine.mainForm().control(txtName).setText("C:\\typed\\by\\hand.exe");  // never read
        machine.mainForm().log.clear();
        machine.user.chosenFiles = c.chosen;
        machine.user.typed = c.typed;
        machine.user.buttons = c.buttons;
        machine.window->SourcePath = c.source;
        const test::Snapshot before = machine.snapshot();
        machine.window->cmdCr_Click();
        EXPECT_EQ(machine.user.shown, c.shown);
        const test::Snapshot changed = test::changes(before, machine.snapshot());
        const auto& log = machine.mainForm().log;
        // The view is reread once the writer has been asked.
        const bool asked = !c.shown.empty() && (c.shown.back() == done || c.shown.back().text == "失敗");
        EXPECT_EQ(std::find(log.begin(), log.end(), "webMain refresh") != log.end(), asked);
        if (c.madeName.empty()) {
            EXPECT_TRUE(changed.empty()) << test::names(changed);
            // Kept for another try.
            EXPECT_EQ(machine.window->SourcePath, c.source);
            EXPECT_EQ(machine.nameBox(), "C:\\typed\\by\\hand.exe");
            continue;
        }
        ASSERT_EQ(changed.size(), 1u) << test::names(changed);
        EXPECT_EQ(changed.begin()->first, machine.snapshotName(machine.sendTo() + "\\" + c.madeName + ".lnk"));
        const std::string target = c.source.empty() ? app : c.source;
        const bool ascii = std::all_of(target.begin(), target.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
        EXPECT_NE(changed.begin()->second.find(utf16le(ascii ? target : target.substr(target.rfind('\\')))),
                  std::string::npos) << "the shortcut's target";
        EXPECT_EQ(machine.window->SourcePath, "");
        EXPECT_EQ(machine.nameBox(), "");
    }
}

TEST(FileShortcut, BrowsingFillsTheNameBoxAndCancelKeepsIt) {
    Started machine;
    machine.user.chosenFiles = {app, std::nullopt};
    for (int i = 0; i < 2; ++i) {
        machine.window->cmdOpen_Click();
        EXPECT_EQ(machine.window->SourcePath, app);
        EXPECT_EQ(machine.nameBox(), app);
    }
}

TEST(FileShortcut, ASendToLaunchMakesAShortcutForEachPathThenEndsOrOpensTheWindow) {
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
