#include <gtest/gtest.h>

#include "support/portable_machine.h"

namespace parcelo {
namespace {

using test::PortableMachine;
using test::Snapshot;

// Makes the n-th file operation of the settings write at exit fail, for n = 1, 2, ... until a run needs
// fewer operations than n, with and without an earlier Data.ini: whatever fails, the old file survives
// byte for byte and the user is told, or the write went through as a whole.
TEST(FaultInjection, TheSettingsWriteKeepsTheOldFileOrTellsAtEveryFailingStep) {
    const TwipsRect movedTo{600, 450, 9000, 7500};
    for (const bool earlier : {true, false}) {
        int failures = 0;
        for (int n = 1;; ++n) {
            SCOPED_TRACE((earlier ? "over an earlier file, operation " : "a new file, operation ") + std::to_string(n));
            PortableMachine machine;
            if (earlier) machine.writeBytes(machine.dataIni(), "\"C:\\\",\"C:\\u\",8100,6600,1500,2250,0,0\r\n");
            machine.start();
            machine.mainForm().moveOuter(movedTo);
            const Snapshot before = machine.snapshot();
            const int start = machine.faults.operations();
            machine.faults.failOperation(n);
            machine.mainForm().unload();
            machine.faults.failOperation(0);
            const Snapshot changed = test::changes(before, machine.snapshot());
            for (const auto& [name, content] : changed)
                EXPECT_TRUE(name.ends_with("Data.ini") || content == "<folder>") << name << " written";
            const bool ranOut = machine.faults.operations() - start < n;
            // What the next start reads tells whether the settings were kept.
            machine.start();
            if (machine.mainForm().outerRect() == movedTo) {
                EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{});
            } else {
                ++failures;
                EXPECT_FALSE(ranOut) << "a write without a fault";
                EXPECT_TRUE(!machine.user.shown.empty() &&
                            machine.user.shown[0].text.starts_with("設定を保存できませんでした。\n"))
                    << "the settings were lost without a word";
                EXPECT_FALSE(changed.contains(machine.snapshotName(machine.dataIni()))) << "the old Data.ini changed";
            }
            if (ranOut) break;
        }
        EXPECT_GE(failures, 2) << "the sweep never made the write itself fail";
    }
}

}  // namespace
}  // namespace parcelo
