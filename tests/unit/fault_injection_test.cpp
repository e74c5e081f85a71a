#include <gtest/gtest.h>

#include "mainwindow/frmMain.h"
#include "portable_machine.h"

// Each sweep makes the n-th file operation of one write fail, for n = 1, 2, ... until a run needs
// fewer operations than n: whatever fails, the old file survives byte for byte and the user is told,
// or the write went through as a whole.
namespace parcelo {
namespace {

using test::changes;
using test::names;
using test::Snapshot;

const std::string oldRecord = "\"C:\\\",\"C:\\u\",8100,6600,1500,2250,0,0\r\n";
const TwipsRect movedTo{600, 450, 9000, 7500};
const std::string cannotSave = "設定を保存できませんでした。\n";

TEST(FaultInjection, TheSettingsWriteKeepsTheOldFileOrTellsAtEveryFailingStep) {
    for (const bool earlierFile : {true, false}) {
        int failures = 0;
        for (int n = 1;; ++n) {
            SCOPED_TRACE((earlierFile ? "with Data.ini, operation " : "first exit, operation ") + std::to_string(n));
            test::PortableMachine machine;
            if (earlierFile) machine.writeBytes(machine.dataIni(), oldRecord);
            frmMain window(machine.platform, machine.values);
            window.start();
            machine.ui.form("frmMain")->moveOuter(movedTo);
            const Snapshot before = machine.snapshot();
            const int start = machine.faults.operations();
            machine.faults.failOperation(n);
            machine.ui.form("frmMain")->unload();
            const bool injected = machine.faults.operations() - start >= n;
            machine.faults.failOperation(0);
            const Snapshot changed = changes(before, machine.snapshot());
            const bool told = !machine.user.shown.empty();

            // What the next start reads tells whether the settings were kept.
            ProgramValues next;
            frmMain again(machine.platform, next);
            again.start();
            const bool saved = machine.ui.form("frmMain")->outerRect() == movedTo;

            for (const auto& [name, content] : changed) {
                EXPECT_FALSE(name.ends_with(".new")) << name << " left behind";
                EXPECT_TRUE(name.ends_with("Data.ini") || content == "<folder>") << name << " written";
            }
            if (saved) {
                EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{});
            } else {
                ASSERT_TRUE(told) << "the settings were lost without a word";
                EXPECT_EQ(machine.user.shown[0].text.rfind(cannotSave, 0), 0u) << machine.user.shown[0].text;
                EXPECT_FALSE(changed.contains(machine.snapshotName(machine.dataIni())))
                    << "the old Data.ini is not as it was";
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
    const std::string prompt = "ショートカット名を入力してください";
    const std::vector<ShownBox> made{{prompt + app, "作成", 0}, {"完了", "Parcelo", 0}};
    const std::vector<ShownBox> failed{{prompt + app, "作成", 0}, {"失敗", "Parcelo", 0}};
    const std::vector<ShownBox> notAFile{{"ファイル名が正しくありません", "Parcelo", 0}};

    const auto prepare = [&](test::PortableMachine& machine, frmMain& window, const std::string& target) {
        machine.makeFolder("C:\\Programs");
        machine.writeBytes(app, "MZ");
        machine.writeBytes(other, "MZ");
        window.start();
        if (target.empty()) return;
        window.SourcePath = target;
        machine.user.typed = {"app"};
        window.cmdCr_Click();
        machine.user.shown.clear();
    };
    std::string expected;  // the shortcut to app.exe, made without a fault
    {
        test::PortableMachine machine;
        frmMain window(machine.platform, machine.values);
        prepare(machine, window, app);
        expected = machine.readBytes(machine.sendTo() + "\\app.lnk");
    }

    for (const bool earlierShortcut : {true, false}) {
        int failures = 0;
        for (int n = 1;; ++n) {
            SCOPED_TRACE((earlierShortcut ? "replacing, operation " : "new, operation ") + std::to_string(n));
            test::PortableMachine machine;
            frmMain window(machine.platform, machine.values);
            prepare(machine, window, earlierShortcut ? other : "");
            const std::string link = machine.snapshotName(machine.sendTo() + "\\app.lnk");
            const Snapshot before = machine.snapshot();
            window.SourcePath = app;
            machine.user.typed = {"app"};
            const int start = machine.faults.operations();
            machine.faults.failOperation(n);
            window.cmdCr_Click();
            const bool injected = machine.faults.operations() - start >= n;
            const Snapshot changed = changes(before, machine.snapshot());

            if (machine.user.shown == made) {
                EXPECT_EQ(changed, (Snapshot{{link, expected}}));
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
