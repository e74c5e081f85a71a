#pragma once
#include <gtest/gtest.h>

#include <string>

#include "core/atomic_write.h"
#include "faulty_file_system.h"

namespace parcelo::test {

// Makes the n-th file operation of one atomic write of `path` fail, for n = 1, 2, ... until a write
// needs fewer than n, with and without an earlier file: the write goes through whole, or it throws
// and the earlier file (or its absence) is as it was; no temporary file is left beside it.
inline void sweepAtomicWrite(FileSystem& system, const std::string& path) {
    const std::string contents = "\"C:\\\x91\x97\x82\xE9\",\"\",1,2,3,4,0,0\r\n";  // code page 932 bytes, as written
    for (const bool earlier : {true, false}) {
        int failures = 0;
        for (int n = 1;; ++n) {
            SCOPED_TRACE((earlier ? "over a file, operation " : "new file, operation ") + std::to_string(n));
            if (earlier) system.writeFile(path, "old");
            else if (system.attributes(path).exists) system.removeFile(path);
            FaultyFileSystem faulty(system);
            faulty.failOperation(n);
            bool failed = false;
            try {
                writeFileAtomically(faulty, path, contents);
            } catch (const PlatformError&) {
                failed = true;
                ++failures;
            }
            EXPECT_FALSE(system.attributes(path + ".new").exists) << "left behind";
            if (!failed) EXPECT_EQ(system.readFile(path), contents);
            else if (earlier) EXPECT_EQ(system.readFile(path), "old");
            else EXPECT_FALSE(system.attributes(path).exists);
            if (faulty.operations() < n) {
                EXPECT_FALSE(failed) << "a write without a fault";
                break;
            }
        }
        EXPECT_GE(failures, 2) << "the sweep never made the write itself fail";
    }
}

}  // namespace parcelo::test
