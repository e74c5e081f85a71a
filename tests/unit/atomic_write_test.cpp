#include <gtest/gtest.h>

#include "core/atomic_write.h"
#include "platform/platform_error.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

// Passes every call on, but the n-th write, replace or remove fails as a full disk would.
class FailingFileSystem : public FileSystem {
public:
    FailingFileSystem(FileSystem& inner, int failAt) : inner_(inner), failAt_(failAt) {}

    FileAttributes attributes(const std::string& path) override { return inner_.attributes(path); }
    std::string readFile(const std::string& path) override { return inner_.readFile(path); }
    void writeFile(const std::string& path, std::string_view bytes) override {
        if (count()) {
            // A write that fails part-way leaves a partial file behind.
            inner_.writeFile(path, bytes.substr(0, bytes.size() / 2));
            fail();
        }
        inner_.writeFile(path, bytes);
    }
    void replaceFile(const std::string& from, const std::string& to) override {
        if (count()) fail();
        inner_.replaceFile(from, to);
    }
    void removeFile(const std::string& path) override {
        if (count()) fail();
        inner_.removeFile(path);
    }
    void createDirectory(const std::string& path) override { inner_.createDirectory(path); }
    bool canCreateFilesIn(const std::string& folder) override { return inner_.canCreateFilesIn(folder); }

    int operations = 0;

private:
    bool count() { return ++operations == failAt_; }
    [[noreturn]] static void fail() { throw PlatformError(112, "ディスクに十分な空き領域がありません"); }

    FileSystem& inner_;
    int failAt_;
};

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

TEST(AtomicWrite, AFailureAtAnyStepKeepsTheOldFileByteForByte) {
    const std::string path = "C:\\Tools\\Parcelo\\Data.ini";
    const std::string old = "\"C:\\\x91\x97\x82\xE9\",\"\",7200,6045,2940,4500,0,0\r\n";
    for (int failAt = 1;; ++failAt) {
        test::PortableMachine machine;
        machine.writeBytes(path, old);
        FailingFileSystem files(machine.files, failAt);
        try {
            writeFileAtomically(files, path, "a new record that is longer than the old one\r\n");
        } catch (const PlatformError& failure) {
            EXPECT_EQ(failure.code(), 112u);
            EXPECT_EQ(machine.readBytes(path), old) << "failing operation " << failAt;
            EXPECT_FALSE(machine.exists(path + ".new")) << "failing operation " << failAt;
            continue;
        }
        // The first run without a failure ends the sweep; it must have written.
        EXPECT_EQ(machine.readBytes(path), "a new record that is longer than the old one\r\n");
        EXPECT_GT(failAt, 2);
        break;
    }
}

}  // namespace
}  // namespace parcelo
