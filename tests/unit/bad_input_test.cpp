#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <optional>

#include "mainwindow/frmMain.h"
#include "portable_machine.h"

// Bad input from every side, each with the outcome it must have, and a look at the whole machine
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

// The case's description as a test name.
template <class Case>
std::string nameOf(const testing::TestParamInfo<Case>& info) {
    std::string name;
    for (const char c : std::string(info.param.what)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

enum class Outcome { Made, Failed, NotAFile };

struct ShortcutCase {
    const char* what;
    std::string name;
    Outcome outcome;
    std::string source = app;
    Arrange arrange = noSetUp;
};

void PrintTo(const ShortcutCase& c, std::ostream* os) { *os << c.what; }

const ShortcutCase shortcutCases[] = {
    {"backslash", "a\\b", Outcome::Failed},
    {"slash", "a/b", Outcome::Failed},
    {"colon", "a:b", Outcome::Failed},
    {"star", "a*b", Outcome::Failed},
    {"question mark", "a?b", Outcome::Failed},
    {"double quote", "a\"b", Outcome::Failed},
    {"less than", "a<b", Outcome::Failed},
    {"greater than", "a>b", Outcome::Failed},
    {"bar", "a|b", Outcome::Failed},
    {"control character", "a\x1f" "b", Outcome::Failed},
    {"dot dot", "..", Outcome::Failed},
    {"dot dot and a folder", "..\\..\\Programs\\evil", Outcome::Failed},
    {"device CON", "CON", Outcome::Failed},
    {"device with extension", "nul.txt", Outcome::Failed},
    {"device in lower case", "com1", Outcome::Failed},
    {"trailing dot", "name.", Outcome::Failed},
    {"trailing blank", "name ", Outcome::Failed},
    {"trailing dots and blanks", "name. .", Outcome::Failed},
    {"247 characters, the longest", std::string(247, 'x'), Outcome::Made},
    {"251 characters, too long to write beside the old shortcut", std::string(251, 'x'), Outcome::Failed},
    {"255 characters", std::string(255, 'x'), Outcome::Failed},
    {"300 characters", std::string(300, 'x'), Outcome::Failed},
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

class BadShortcutInput : public testing::TestWithParam<ShortcutCase> {};

TEST_P(BadShortcutInput, HasItsOutcomeAndWritesOnlyTheShortcut) {
    const ShortcutCase& c = GetParam();
    test::PortableMachine machine;
    machine.makeFolder(deepFolder);
    machine.writeBytes(app, "MZ");
    machine.writeBytes(deepApp, "MZ");
    frmMain window(machine.platform, machine.values);
    window.start();
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

INSTANTIATE_TEST_SUITE_P(Table, BadShortcutInput, testing::ValuesIn(shortcutCases), nameOf<ShortcutCase>);

enum class AtExit { Written, KeptAndTold };

struct SettingsCase {
    const char* what;
    Arrange arrange;
    // What the start makes of it; nothing: not checked.
    std::optional<std::string> targetPath;
    int quitAfterSend;
    AtExit atExit;
};

void PrintTo(const SettingsCase& c, std::ostream* os) { *os << c.what; }

Arrange dataIni(const std::string& bytes) {
    return [bytes](test::PortableMachine& m) { m.writeBytes(m.dataIni(), bytes); };
}

Arrange marked(bool hidden, bool system, bool readOnly) {
    return [=](test::PortableMachine& m) {
        m.writeBytes(m.dataIni(), "\"D:\\\",\"\",8100,6600,1500,2250,0,1\r\n");
        m.files.mark(m.dataIni(), hidden, system, readOnly);
    };
}

const std::string sendTo = "C:\\Users\\hanako\\AppData\\Roaming\\Microsoft\\Windows\\SendTo";
const std::string megabyte(1 << 20, 'x');
const std::string deepTarget = "D:" + repeated("\\folder-10", 27);

const SettingsCase settingsCases[] = {
    {"a folder", [](test::PortableMachine& m) { m.makeFolder(m.dataIni()); }, sendTo, 0, AtExit::KeptAndTold},
    {"hidden", marked(true, false, false), sendTo, 0, AtExit::KeptAndTold},
    {"system", marked(false, true, false), sendTo, 0, AtExit::KeptAndTold},
    {"read-only", marked(false, false, true), "D:\\", 1, AtExit::KeptAndTold},
    {"empty", dataIni(""), "", 0, AtExit::Written},
    {"binary", dataIni(std::string("\0\x01\x02\xFF\xFE\x80", 6)), std::nullopt, 0, AtExit::Written},
    {"a megabyte long", dataIni("\"C:\\" + megabyte + "\",\"\",8100,6600,1500,2250,0,1\r\n"), "C:\\" + megabyte, 1,
     AtExit::Written},
    {"cut in the middle of a text field", dataIni("\"C:\\Users\\hana"), "C:\\Users\\hana", 0, AtExit::Written},
    {"cut in the middle of a character", dataIni("\"C:\\\x91"), "C:\\\xEF\xBF\xBD", 0, AtExit::Written},
    {"cut in the middle of a number", dataIni("\"D:\\\",\"\",8100,66"), "D:\\", 0, AtExit::Written},
    {"target on a missing drive", dataIni("\"Q:\\gone\",\"\",8100,6600,1500,2250,0,0\r\n"), "Q:\\gone", 0,
     AtExit::Written},
    {"target of more than 260 characters",
     [](test::PortableMachine& m) {
         m.makeFolder(deepTarget);
         m.writeBytes(m.dataIni(), "\"" + deepTarget + "\",\"\",8100,6600,1500,2250,0,0\r\n");
     },
     deepTarget, 0, AtExit::Written},
};

class BadSettingsFile : public testing::TestWithParam<SettingsCase> {};

TEST_P(BadSettingsFile, OpensTheWindowSilentlyAndLosesNothingAtExit) {
    const SettingsCase& c = GetParam();
    test::PortableMachine machine;
    c.arrange(machine);
    frmMain window(machine.platform, machine.values);
    window.start();
    MemoryForm& form = *machine.ui.form("frmMain");
    EXPECT_TRUE(form.shown);
    EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{});
    if (c.targetPath) {
        EXPECT_EQ(machine.values.TargetPath, *c.targetPath);
        if (machine.files.attributes(*c.targetPath).directory) {
            EXPECT_EQ(form.folderList(frmMainNames::dirDir).path(), *c.targetPath);
        }
    }
    EXPECT_EQ(machine.values.QuitAfterSend, c.quitAfterSend);

    const Snapshot before = machine.snapshot();
    form.unload();
    EXPECT_TRUE(form.ended());
    const Snapshot changed = changes(before, machine.snapshot());
    const std::string file = machine.snapshotName(machine.dataIni());
    if (c.atExit == AtExit::KeptAndTold) {
        EXPECT_TRUE(changed.empty()) << names(changed);
        ASSERT_EQ(machine.user.shown.size(), 1u);
        EXPECT_EQ(machine.user.shown[0].text.rfind("設定を保存できませんでした。\n" + machine.dataIni() + "\n", 0), 0u)
            << machine.user.shown[0].text;
        return;
    }
    EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{});
    for (const auto& [name, content] : changed) EXPECT_EQ(name, file) << "written";
    // The next start reads back what this one had.
    ProgramValues next;
    frmMain again(machine.platform, next);
    again.start();
    EXPECT_EQ(next.TargetPath, machine.values.TargetPath);
    EXPECT_EQ(next.UserPath, machine.values.UserPath);
    EXPECT_EQ(next.QuitAfterSend, machine.values.QuitAfterSend);
}

INSTANTIATE_TEST_SUITE_P(Table, BadSettingsFile, testing::ValuesIn(settingsCases), nameOf<SettingsCase>);

}  // namespace
}  // namespace parcelo
