#include <gtest/gtest.h>

#include "support/portable_machine.h"

// Each sweep makes the n-th file operation of one write fail, for n = 1, 2, ... until a run needs
// fewer operations than n: whatever fails, the old file survives byte for byte and the user is told,
// or the write went through as a whole.
namespace parcelo {
namespace {

using test::PortableMachine;
using test::Snapshot;

// Sweeps one write, with and without an earlier file, on a fresh machine for each n: `prepare`
// sets the machine up, `act` writes, `judge` checks the outcome and says whether the write failed.
void sweep(const std::function<void(PortableMachine&, bool earlier)>& prepare,
           const std::function<void(PortableMachine&)>& act,
           const std::function<bool(PortableMachine&, const Snapshot& changed)>& judge, int leastFailures) {
    for (const bool earlier : {true, false}) {
        int failures = 0;
        for (int n = 1;; ++n) {
            SCOPED_TRACE((earlier ? "over an earlier file, operation " : "a new file, operation ") + std::to_string(n));
            PortableMachine machine;
            prepare(machine, earlier);
            const Snapshot before = machine.snapshot();
            const int start = machine.faults.operations();
            machine.faults.failOperation(n);
            act(machine);
            machine.faults.failOperation(0);
            const bool failed = judge(machine, test::changes(before, machine.snapshot()));
            failures += failed;
            if (machine.faults.operations() - start < n) {
                EXPECT_FALSE(failed) << "a write without a fault";
                break;
            }
        }
        EXPECT_GE(failures, leastFailures) << "the sweep never made the write itself fail";
    }
}

TEST(FaultInjection, TheSettingsWriteKeepsTheOldFileOrTellsAtEveryFailingStep) {
    const TwipsRect movedTo{600, 450, 9000, 7500};
    const auto prepare = [&](PortableMachine& machine, bool earlier) {
        if (earlier) machine.writeBytes(machine.dataIni(), "\"C:\\\",\"C:\\u\",8100,6600,1500,2250,0,0\r\n");
        machine.start();
        machine.mainForm().moveOuter(movedTo);
    };
    const auto judge = [&](PortableMachine& machine, const Snapshot& changed) {
        for (const auto& [name, content] : changed)
            EXPECT_TRUE(name.ends_with("Data.ini") || content == "<folder>") << name << " written";
        // What the next start reads tells whether the settings were kept.
        machine.start();
        if (machine.mainForm().outerRect() == movedTo) {
            EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{});
            return false;
        }
        EXPECT_TRUE(!machine.user.shown.empty() && machine.user.shown[0].text.starts_with("設定を保存できませんでした。\n"))
            << "the settings were lost without a word";
        EXPECT_FALSE(changed.contains(machine.snapshotName(machine.dataIni()))) << "the old Data.ini changed";
        return true;
    };
    sweep(prepare, [](PortableMachine& machine) { machine.mainForm().unload(); }, judge, 2);
}

TEST(FaultInjection, TheShortcutWriteKeepsTheOldShortcutOrTellsAtEveryFailingStep) {
    const std::string app = "C:\\Programs\\app.exe", other = "C:\\Programs\\other.exe";
    const std::string prompt = "ショートカット名を入力してください" + app;
    const std::vector<ShownBox> made{{prompt, "作成", 0}, {"完了", "Parcelo", 0}};
    const std::vector<ShownBox> failed{{prompt, "作成", 0}, {"失敗", "Parcelo", 0}};
    const std::vector<ShownBox> notAFile{{"ファイル名が正しくありません", "Parcelo", 0}};
    // The programs, and an earlier shortcut "app" to the other one.
    const auto prepare = [&](PortableMachine& machine, bool earlier) {
        machine.makeFolder("C:\\Programs");
        machine.writeBytes(app, "MZ");
        machine.writeBytes(other, "MZ");
        machine.start();
        machine.user.typed = {"app", "app"};
        if (earlier) machine.window->SourcePath = other, machine.window->cmdCr_Click();
        machine.user.shown.clear();
    };
    const auto write = [&](PortableMachine& machine) {
        machine.window->SourcePath = app;
        machine.window->cmdCr_Click();
    };
    const std::string expected = PortableShortcutWriter::recordOf(app, "", "");  // the shortcut to app.exe, whole
    const auto judge = [&](PortableMachine& machine, const Snapshot& changed) {
        if (machine.user.shown == made) {
            EXPECT_EQ(changed, (Snapshot{{machine.snapshotName(machine.sendTo() + "\\app.lnk"), expected}}));
            return false;
        }
        EXPECT_TRUE(machine.user.shown == failed || machine.user.shown == notAFile)
            << testing::PrintToString(machine.user.shown);
        EXPECT_TRUE(changed.empty()) << test::names(changed);
        EXPECT_EQ(machine.window->SourcePath, app) << "the path is kept for another try";
        return true;
    };
    sweep(prepare, write, judge, 3);
}

}  // namespace
}  // namespace parcelo
