#include <gtest/gtest.h>

#include "core/atomic_write.h"
#include "platform/platform_error.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

TEST(AtomicWrite, ReplacesTheOldFileAndLeavesNothingElse) {
    test::PortableMachine machine;
    const std::string path = "C:\\Tools\\Parcelo\\Data.ini";
    machine.writeBytes(path, "old");
    writeFileAtomically(machine.files, path, "new contents");
    EXPECT_EQ(machine.readBytes(path), "new contents");
    EXPECT_FALSE(machine.exists(path + ".new"));
}

TEST(AtomicWrite, CreatesAMissingFile) {
    test::PortableMachine machine;
    writeFileAtomically(machine.files, "C:\\Tools\\Parcelo\\Data.ini", "x");
    EXPECT_EQ(machine.readBytes("C:\\Tools\\Parcelo\\Data.ini"), "x");
}

TEST(AtomicWrite, AFileMarkedReadOnlyHiddenOrSystemIsLeftAsItIs) {
    const std::string path = "C:\\Tools\\Parcelo\\Data.ini";
    for (int mark = 0; mark < 3; ++mark) {
        test::PortableMachine machine;
        machine.writeBytes(path, "old");
        machine.files.mark(path, mark == 0, mark == 1, mark == 2);
        EXPECT_THROW(writeFileAtomically(machine.files, path, "new"), PlatformError) << mark;
        EXPECT_EQ(machine.readBytes(path), "old") << mark;
        EXPECT_FALSE(machine.exists(path + ".new")) << mark;
    }
}

}  // namespace
}  // namespace parcelo
