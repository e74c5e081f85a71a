#include <gtest/gtest.h>
#include <windows.h>

#include "../shared/atomic_write_sweep.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {
namespace {

TEST(SystemFaultInjection, AnAtomicWriteKeepsTheOldFileAtEveryFailingStep) {
    wchar_t temp[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    const std::string folder = narrow(temp) + "parcelo-faults-" + std::to_string(GetCurrentProcessId());
    Win32FileSystem files;
    files.createDirectory(folder);
    test::sweepAtomicWrite(files, folder + "\\Data.ini");
    files.removeFile(folder + "\\Data.ini");
    RemoveDirectoryW(widen(folder).c_str());
}

}  // namespace
}  // namespace parcelo::win32
