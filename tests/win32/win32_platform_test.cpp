#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "../shared/faulty_file_system.h"
#include "core/atomic_write.h"
#include "core/send_to_entries.h"
#include "core/standard_entries.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/folder_browser_win32.h"
#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {
namespace {

// A folder of its own under the system's temporary folder, removed with all it holds afterwards.
class SystemFolder : public testing::Test {
protected:
    SystemFolder() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = narrow(temp) + "parcelo-test-" + std::to_string(GetCurrentProcessId()) + "-送る";
        files.createDirectory(folder);
    }
    ~SystemFolder() override {
        std::error_code ignored;
        std::filesystem::remove_all(widen(folder), ignored);
        CoUninitialize();
    }

    Win32FileSystem files;
    std::string folder;
};

// Makes the n-th file operation of one atomic write fail, for n = 1, 2, ... until a write needs fewer than n,
// with and without an earlier file: the write goes through whole, or it throws and the earlier file (or its
// absence) is as it was; no temporary file is left beside it.
TEST_F(SystemFolder, AnAtomicWriteKeepsTheOldFileAtEveryFailingStep) {
    const std::string path = folder + "\\Data.ini";
    const std::string contents = "\"C:\\\x91\x97\x82\xE9\",\"\",1,2,3,4,0,0\r\n";  // code page 932 bytes, as written
    for (const bool earlier : {true, false}) {
        int failures = 0;
        for (int n = 1;; ++n) {
            SCOPED_TRACE((earlier ? "over a file, operation " : "new file, operation ") + std::to_string(n));
            if (earlier) files.writeFile(path, "old");
            else if (files.attributes(path).exists) files.removeFile(path);
            test::FaultyFileSystem faulty(files);
            faulty.failOperation(n);
            bool failed = false;
            try {
                writeFileAtomically(faulty, path, contents);
            } catch (const PlatformError&) {
                failed = true;
                ++failures;
            }
            EXPECT_FALSE(files.attributes(path + ".new").exists) << "left behind";
            if (!failed) EXPECT_EQ(files.readFile(path), contents);
            else if (earlier) EXPECT_EQ(files.readFile(path), "old");
            else EXPECT_FALSE(files.attributes(path).exists);
            if (faulty.operations() < n) {
                EXPECT_FALSE(failed) << "a write without a fault";
                break;
            }
        }
        EXPECT_GE(failures, 2) << "the sweep never made the write itself fail";
    }
}

// That a file or folder is there, and that a folder takes files, the atomic-write sweep and the scenarios show.
TEST_F(SystemFolder, AttributesTellTheMarksAndAMissingFolderTakesNoFiles) {
    const std::string path = folder + "\\Data.ini";
    files.writeFile(path, "old");
    SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    const FileAttributes file = files.attributes(path);
    EXPECT_TRUE(file.exists && file.hidden && file.system && !file.readOnly && !file.directory);
    EXPECT_FALSE(files.canCreateFilesIn(folder + "\\missing"));

    SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(files.attributes(path).readOnly);
    SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SystemFolder, FolderPathsSurviveTheShellsItemIdListsOrGiveNoPathRatherThanACutOne) {
    const std::string outsideCp932 = folder + "\\Ελληνικά 😀";
    files.createDirectory(outsideCp932);
    const std::string longest = "C:\\" + std::string(MAX_PATH - 4, 'a');  // with its NUL, the whole buffer
    const struct {
        std::string path, readBack;
    } cases[] = {{folder, folder}, {outsideCp932, outsideCp932}, {longest, longest}, {longest + "\\b", ""}};
    Win32FolderBrowser shell;
    for (const auto& c : cases) {
        const auto list = shell.listFromPath(c.path);
        ASSERT_TRUE(list) << c.path;
        EXPECT_EQ(shell.pathFromList(*list), c.readBack);
    }
}

// A shortcut's target and arguments as the shell reads them, the scenarios check through the entries dialog.
TEST_F(SystemFolder, ReadsNamesAndMarksAsTheShellShowsThemAndRenamesKeepingTheMarks) {
    files.writeFile(folder + "\\desktop.ini", "[.ShellClassInfo]\r\n");
    files.writeFile(folder + "\\壊れ.lnk", "not a link");
    files.createDirectory(folder + "\\サブ 10");
    files.createDirectory(folder + "\\サブ 9");
    Win32ShellFolder shell;
    shell.setHidden(folder + "\\壊れ.lnk", true);

    std::vector<SendToEntry> entries = readSendToEntries(shell, folder);
    for (SendToEntry& entry : entries) readDetails(shell, entry);
    std::vector<std::vector<std::string>> rows;
    for (size_t i = 0; i < entries.size(); ++i)
        rows.push_back({entries[i].item.displayName, entries[i].shortcut ? targetText(entries[i]) : "",
                        stateText(entries, i)});
    // Numbers inside names in their order of value, as Explorer sorts them; desktop.ini is no entry.
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                        {"サブ 9", "", ""},
                        {"サブ 10", "", ""},
                        {"壊れ", "(ショートカットを読み取れません)", "無効"},
                    }));

    shell.rename(folder + "\\壊れ.lnk", "名前.lnk");
    EXPECT_TRUE(files.attributes(folder + "\\名前.lnk").hidden) << "the mark goes with the new name";
    EXPECT_THROW(shell.rename(folder + "\\名前.lnk", "サブ 9"), PlatformError);
    EXPECT_TRUE(shell.slowToReach("\\\\server\\share\\x.exe"));
}

// The entries themselves, the scenarios list.
TEST_F(SystemFolder, TheStandardEntriesReplaceDesktopIniKeepingItsHiddenAndSystemMarks) {
    const std::string ini = folder + "\\desktop.ini";
    files.writeFile(ini, std::string("\xFF\xFE[\0.\0S\0]\0\r\0\n\0", 14));
    SetFileAttributesW(widen(ini).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    const RestorePlan plan = planRestore(files, folder, Win32ShellFolder().items(folder));
    ASSERT_TRUE(plan.missing.size() == 4 && plan.desktopIniChanges);
    restoreStandardEntries(files, folder, plan);
    EXPECT_EQ(files.readFile(ini), *plan.desktopIni);
    const DWORD marks = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    EXPECT_EQ(GetFileAttributesW(widen(ini).c_str()) & marks, marks);
}

}  // namespace
}  // namespace parcelo::win32
