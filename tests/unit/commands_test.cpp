#include <gtest/gtest.h>

#include "support/portable_machine.h"

// The main window's commands that make a shortcut in Send To, to a file or to a folder. Each case looks
// at the whole machine afterwards: nothing lost, nothing written but what the command makes.
namespace parcelo {
namespace {

using namespace frmMainNames;

const std::string folder = "C:\\Program Files\\テスト";
const std::string app = folder + "\\app.exe";
const std::string prompt = "ショートカット名を入力してください";
const ShownBox wrongFile{"ファイル名が正しくありません", "Parcelo", 0};
const ShownBox emptyName{prompt, "Parcelo", box::okCancel | box::iconWarning};
ShownBox namePrompt(const std::string& path) { return {prompt + path, "作成", 0}; }
const ShownBox fileDialog{"exeﾌｧｲﾙ(*.exe,*.com)|*.exe;*.com", "open file", open_file::fileMustExist};
std::vector<ShownBox> made(const std::string& path) { return {namePrompt(path), doneBox}; }
std::vector<ShownBox> failed(const std::string& path) { return {namePrompt(path), failedBox}; }
using Arrange = std::function<void(test::PortableMachine&)>;

// A machine with the program started, the files above in place; `beforeStart` may set up its launch.
struct Started : test::PortableMachine {
    explicit Started(const std::function<void(Started&)>& beforeStart = nullptr) {
        makeFolder(folder);
        for (const std::string& file : {app, folder + "\\hidden.exe", folder + "\\system.exe"})
            writeBytes(file, "MZ");
        files.mark(folder + "\\hidden.exe", true, false, false);
        files.mark(folder + "\\system.exe", false, true, false);
        if (beforeStart) beforeStart(*this);
        start();
    }
    // Runs the command, and expects it to have made the shortcut `name` to `target` in Send To, or
    // nothing when `name` is empty, and to have reread the view when it asked the writer (after a
    // box that says how it went).
    void expectMakes(const std::function<void()>& command, const std::string& name, const std::string& target) {
        const test::Snapshot before = snapshot();
        mainForm().log.clear();
        command();
        const bool asked = !user.shown.empty() && (user.shown.back() == doneBox || user.shown.back() == failedBox);
        EXPECT_EQ(mainForm().log, asked ? std::vector<std::string>{"webMain refresh"} : std::vector<std::string>{});
        const test::Snapshot made{{snapshotName(sendTo() + "\\" + name + ".lnk"), PortableShortcutWriter::recordOf(target, "", "")}};
        EXPECT_EQ(test::changes(before, snapshot()), name.empty() ? test::Snapshot{} : made);
    }
};

TEST(FileShortcut, TheCreateButtonAsksForTheFileAndTheNameAndMakesAShortcutInSendToOrNothing) {
    const struct {
        const char* what;
        std::string source;
        std::deque<std::string> typed;
        std::vector<ShownBox> shown;
        std::string madeName;  // empty: nothing made
        std::deque<int> buttons = {};
        Arrange arrange = nullptr;
    } cases[] = {
        {"a named shortcut", app, {"テスト"}, made(app), "テスト"},
        {"an empty name, OK asks again", app, {"", "", "app"},
         {namePrompt(app), emptyName, namePrompt(app), emptyName, namePrompt(app), doneBox}, "app",
         {box::pressedOk, box::pressedOk}},
        {"an empty name, then Cancel", app, {""}, {namePrompt(app), emptyName}, "", {box::pressedCancel}},
        {"the file dialog cancelled", "", {}, {fileDialog, wrongFile}, ""},
        {"a folder", folder, {}, {wrongFile}, ""},
        {"a hidden file", folder + "\\hidden.exe", {}, {wrongFile}, ""},
        {"a system file", folder + "\\system.exe", {}, {wrongFile}, ""},
        {"a name that climbs out of Send To", app, {"..\\Start Menu\\Programs\\evil"}, failed(app), ""},
        // Hangul is outside code page 932, and the code page's best fit for the yen sign is a backslash.
        {"a name outside the code page", app, {"한국어 \xF0\x9F\x93\x81 a\xC2\xA5" "b"}, made(app),
         "한국어 \xF0\x9F\x93\x81 a\xC2\xA5" "b"},
        {"the Programs folder unknown", app, {"app"}, failed(app), "", {},
         [](test::PortableMachine& m) { m.shell.specialFolders.erase(csidlPrograms); }},
        {"Send To missing", app, {"app"}, failed(app), "", {},
         [](test::PortableMachine& m) { std::filesystem::remove_all(m.files.hostPath(m.sendTo())); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Started machine;
        if (c.arrange) c.arrange(machine);
        machine.mainForm().control(txtName).setText("C:\\typed\\by\\hand.exe");  // never read
        machine.user.typed = c.typed;
        machine.user.buttons = c.buttons;
        machine.window->SourcePath = c.source;
        machine.expectMakes([&] { machine.window->cmdCr_Click(); }, c.madeName, c.source);
        EXPECT_EQ(machine.user.shown, c.shown);
        // Kept for another try, or cleared once made.
        EXPECT_EQ(machine.window->SourcePath, c.madeName.empty() ? c.source : "");
        EXPECT_EQ(machine.mainForm().control(txtName).text(), c.madeName.empty() ? "C:\\typed\\by\\hand.exe" : "");
    }
}

// Started from its Send To entry with a folder and a program: the folder is refused, the program still gets
// its turn, and the program ends afterwards only when Data.ini says so.
TEST(SendToLaunch, EachPathGetsItsTurnAndTheProgramGoesOnUnlessQuitAfterSendIsSet) {
    for (const int quit : {0, 1}) {
        Started machine([&](Started& m) {
            m.shell.commandLineText = "Parcelo.exe \"" + folder + "\" \"" + app + "\"";
            m.writeBytes(m.dataIni(), "\"C:\\\",\"\",8100,6600,1500,2250,0," + std::to_string(quit) + "\r\n");
            m.user.typed = {"app"};
        });
        EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{wrongFile, namePrompt(app), doneBox})) << quit;
        EXPECT_TRUE(machine.exists(machine.sendTo() + "\\app.lnk")) << quit;
        EXPECT_EQ(machine.mainForm().ended(), quit == 1);
    }
}

TEST(FolderCommands, AFolderLinkGoesToSendToWhateverTheTargetOrFailsWithNothingWritten) {
    const ShownBox askName{prompt, "Parcelo", 0};
    const struct {
        const char* what;
        PickedItem picked;
        std::string typed;
        std::vector<ShownBox> shown;
    } cases[] = {
        {"a named link to the picked folder", PickedItem{folder, "テスト"}, "テストへ", {askName, doneBox}},
        {"an empty name", PickedItem{folder, "テスト"}, "", {askName}},
        {"an item without a file-system path", PickedItem{"", "プリンタ"}, "プリンタ", {askName, failedBox}},
        {"a folder that has gone", PickedItem{folder + "\\消えた", "消えた"}, "消えた", {askName, failedBox}},
    };
    Started machine;
    machine.values.TargetPath = machine.shell.specialFolderPath(csidlPrograms);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        machine.user = {};
        machine.user.typed = {c.typed};
        machine.folderBrowser.picks = {c.picked};
        const bool made = c.shown.size() == 2 && c.shown[1] == doneBox;
        machine.expectMakes([&] { machine.window->cmdFopen_Click(); }, made ? c.typed : "", folder);
        EXPECT_EQ(machine.user.shown, c.shown);
    }
    EXPECT_EQ(machine.folderBrowser.calls, std::vector<BrowseCall>(std::size(cases), {0, 0, "参照", 0, ""}));
}

}  // namespace
}  // namespace parcelo
