#include <gtest/gtest.h>

#include "../shared/atomic_write_sweep.h"
#include "portable_machine.h"

// Each sweep makes the n-th file operation of one write fail, for n = 1, 2, ... until a run needs
// fewer operations than n: whatever fails, the old file survives byte for byte and the user is told,
// or the write went through as a whole.
namespace parcelo {
namespace {

using test::changes;
using test::names;
using test::Snapshot;

TEST(FaultInjection, AnAtomicWriteKeepsTheOldFileAtEveryFailingStep) {
    test::PortableMachine machine;
    test::sweepAtomicWrite(machine.files, machine.dataIni());
}

// Runs `act` with the n-th file operation from its start failing; false once it needs fewer.
bool failingAt(test::PortableMachine& machine, int n, const std::function<void()>& act) {
    const int start = machine.faults.operations();
    machine.faults.failOperation(n);
    act();
    machine.faults.failOperation(0);
    return machine.faults.operations() - start >= n;
}

TEST(FaultInjection, TheSettingsWriteKeepsTheOldFileOrTellsAtEveryFailingStep) {
    const TwipsRect movedTo{600, 450, 9000, 7500};
    for (const bool earlierFile : {true, false}) {
        int failures = 0;
        for (int n = 1;; ++n) {
            SCOPED_TRACE((earlierFile ? "with Data.ini, operation " : "first exit, operation ") + std::to_string(n));
            test::PortableMachine machine;
            if (earlierFile) machine.writeBytes(machine.dataIni(), "\"C:\\\",\"C:\\u\",8100,6600,1500,2250,0,0\r\n");
            machine.start();
            machine.mainForm().moveOuter(movedTo);
            const Snapshot before = machine.snapshot();
            const bool injected = failingAt(machine, n, [&] { machine.mainForm().unload(); });
            const Snapshot changed = changes(before, machine.snapshot());

            // What the next start reads tells whether the settings were kept.
            machine.start();
            const bool saved = machine.mainForm().outerRect() == movedTo;
            for (const auto& [name, content] : changed)
                EXPECT_TRUE(name.ends_with("Data.ini") || content == "<folder>") << name << " written";
            if (saved) {
                EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{});
            } else {
                ASSERT_FALSE(machine.user.shown.empty()) << "the settings were lost without a word";
                EXPECT_EQ(machine.user.shown[0].text.rfind("設定を保存できませんでした。\n", 0), 0u);
                EXPECT_FALSE(changed.contains(machine.snapshotName(machine.dataIni()))) << "the old Data.ini changed";
                ++failures;
            }
            if (!injected) {
                EXPECT_TRUE(saved) << "a write without a fault";
                break;
            }
        }
        EXPECT_GE(failures, 2) << "the sweep never made the write itself fail";
    }
}

TEST(FaultInjection, TheShortcutWriteKeepsTheOldShortcutOrTellsAtEveryFailingStep) {
    const std::string app = "C:\\Programs\\app.exe", other = "C:\\Programs\\other.exe";
    const std::string prompt = "ショートカット名を入力してください" + app;
    const std::vector<ShownBox> made{{prompt, "作成", 0}, {"完了", "Parcelo", 0}};
    const std::vector<ShownBox> failed{{prompt, "作成", 0}, {"失敗", "Parcelo", 0}};
    const std::vector<ShownBox> notAFile{{"ファイル名が正しくありません", "Parcelo", 0}};
    // A machine with the two programs, and a shortcut "app" to `target` unless that is empty.
    const auto prepare = [&](test::PortableMachine& machine, const std::string& target) -> frmMain& {
        machine.makeFolder("C:\\Programs");
        machine.writeBytes(app, "MZ");
        machine.writeBytes(other, "MZ");
        frmMain& window = machine.start();
        if (target.empty()) return window;
        window.SourcePath = target;
        machine.user.typed = {"app"};
        window.cmdCr_Click();
        machine.user.shown.clear();
        return window;
    };
    std::string expected;  // the shortcut to app.exe, made without a fault
    {
        test::PortableMachine machine;
        prepare(machine, app);
        expected = machine.readBytes(machine.sendTo() + "\\app.lnk");
    }
    for (const bool earlierShortcut : {true, false}) {
        int failures = 0;
        for (int n = 1;; ++n) {
            SCOPED_TRACE((earlierShortcut ? "replacing, operation " : "new, operation ") + std::to_string(n));
            test::PortableMachine machine;
            frmMain& window = prepare(machine, earlierShortcut ? other : "");
            const Snapshot before = machine.snapshot();
            window.SourcePath = app;
            machine.user.typed = {"app"};
            const bool injected = failingAt(machine, n, [&] { window.cmdCr_Click(); });
            const Snapshot changed = changes(before, machine.snapshot());
            if (machine.user.shown == made) {
                EXPECT_EQ(changed, (Snapshot{{machine.snapshotName(machine.sendTo() + "\\app.lnk"), expected}}));
            } else {
                EXPECT_TRUE(machine.user.shown == failed || machine.user.shown == notAFile)
                    << testing::PrintToString(machine.user.shown);
                EXPECT_TRUE(changed.empty()) << names(changed);
                EXPECT_EQ(window.SourcePath, app) << "the path is kept for another try";
                ++failures;
            }
            if (!injected) {
                EXPECT_EQ(machine.user.shown, made) << "a write without a fault";
                break;
            }
        }
        EXPECT_GE(failures, 3) << "the sweep never made the write itself fail";
    }
}

}  // namespace
}  // namespace parcelo
