#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "mainwindow/frmMain.h"
#include "portable_machine.h"

// A shortcut from bad input, each with the outcome it must have, and a look at the whole machine
// afterwards: nothing lost, nothing written where it does not belong.
namespace parcelo {
namespace {

using test::changes;
using test::names;
using test::Snapshot;
using Arrange = std::function<void(test::PortableMachine&)>;

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

const std::string app = "C:\\Programs\\app.exe";
// 27 folders of 10 characters: a path of more than 290 characters.
const std::string deepFolder = "C:\\Programs" + repeated("\\folder-10", 27);
const std::string deepApp = deepFolder + "\\app.exe";

void noSetUp(test::PortableMachine&) {}

enum class Outcome { Made, Failed, NotAFile };

struct ShortcutCase {
    const char* what;
    std::string name;
    Outcome outcome;
    std::string source = app;
    Arrange arrange = noSetUp;
};

const ShortcutCase shortcutCases[] = {
    {"dot dot and a folder", "..\\..\\Programs\\evil", Outcome::Failed},
    {"247 characters, the longest", std::string(247, 'x'), Outcome::Made},
    {"251 characters, too long to write beside the old shortcut", std::string(251, 'x'), Outcome::Failed},
    {"300 characters of two bytes each in the code page", repeated("あ", 300), Outcome::Failed},
    {"Hangul, outside code page 932", "한국어", Outcome::Made},
    {"accents, outside code page 932", "café naïve", Outcome::Made},
    {"beyond the basic plane", "\xF0\x9F\x93\x81 files", Outcome::Made},
    // The code page's best fit for the yen sign is a backslash.
    {"yen sign", "a\xC2\xA5" "b", Outcome::Made},
    {"target path of more than 260 characters", "deep", Outcome::Made, deepApp},
    {"target on a missing drive", "app", Outcome::NotAFile, "Q:\\app.exe"},
    {"Send To missing", "app", Outcome::Failed, app,
     [](test::PortableMachine& m) { std::filesystem::remove_all(m.files.hostPath(m.sendTo())); }},
    {"Send To read-only", "app", Outcome::Failed, app,
     [](test::PortableMachine& m) { m.files.mark(m.sendTo(), false, false, true); }},
    {"Send To is a file", "app", Outcome::Failed, app,
     [](test::PortableMachine& m) {
         std::filesystem::remove_all(m.files.hostPath(m.sendTo()));
         m.writeBytes(m.sendTo(), "not a folder");
     }},
};

TEST(BadShortcutInput, HasItsOutcomeAndWritesOnlyTheShortcut) {
    for (const ShortcutCase& c : shortcutCases) {
        SCOPED_TRACE(c.what);
        test::PortableMachine machine;
        machine.makeFolder(deepFolder);
        machine.writeBytes(app, "MZ");
        machine.writeBytes(deepApp, "MZ");
        frmMain& window = machine.start();
        c.arrange(machine);
        const Snapshot before = machine.snapshot();

        window.SourcePath = c.source;
        machine.user.typed = {c.name};
        window.cmdCr_Click();

        const Snapshot changed = changes(before, machine.snapshot());
        const std::string prompt = "ショートカット名を入力してください" + c.source;
        switch (c.outcome) {
        case Outcome::Made: {
            EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{{prompt, "作成", 0}, {"完了", "Parcelo", 0}}));
            const std::string link = machine.snapshotName(machine.sendTo() + "\\" + c.name + ".lnk");
            ASSERT_EQ(changed.size(), 1u) << names(changed);
            ASSERT_EQ(changed.begin()->first, link);
            EXPECT_NE(changed.begin()->second.find(utf16le(c.source)), std::string::npos) << "the shortcut's target";
            break;
        }
        case Outcome::Failed:
            EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{{prompt, "作成", 0}, {"失敗", "Parcelo", 0}}));
            EXPECT_TRUE(changed.empty()) << names(changed);
            EXPECT_EQ(window.SourcePath, c.source);
            break;
        case Outcome::NotAFile:
            EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{{"ファイル名が正しくありません", "Parcelo", 0}}));
            EXPECT_TRUE(changed.empty()) << names(changed);
            break;
        }
    }
}

}  // namespace
}  // namespace parcelo
