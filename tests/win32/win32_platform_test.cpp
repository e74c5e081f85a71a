#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "../shared/cp932_cases.h"
#include "core/atomic_write.h"
#include "core/special_folders.h"
#include "platform/win32/codepage_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/folder_browser_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/shortcut_writer_win32.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {
namespace {

class SystemCodepage : public testing::TestWithParam<test::Conversion> {};

TEST_P(SystemCodepage, ConvertsExactlyOrNotAtAll) {
    ASSERT_EQ(GetACP(), 932u) << "these tests run on a Japanese system";
    Win32Codepage codepage;
    test::expectConversion(codepage, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cp932, SystemCodepage, testing::ValuesIn(test::cp932Conversions),
                         [](const auto& info) { return std::string(info.param.name); });

// A folder of its own under the system's temporary folder, removed afterwards.
class SystemFiles : public testing::Test {
protected:
    SystemFiles() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = narrow(temp) + "parcelo-test-" + std::to_string(GetCurrentProcessId()) + "-送る";
        files.createDirectory(folder);
    }
    ~SystemFiles() override {
        for (const char* name : {"\\Data.ini", "\\Data.ini.new"}) {
            SetFileAttributesW(widen(folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(widen(folder + name).c_str());
        }
        RemoveDirectoryW(widen(folder).c_str());
        CoUninitialize();
    }
    std::string path() const { return folder + "\\Data.ini"; }

    Win32FileSystem files;
    std::string folder;
};

TEST_F(SystemFiles, AtomicWriteReplacesAnExistingFile) {
    files.writeFile(path(), "old");
    writeFileAtomically(files, path(), "\"C:\\\x91\x97\x82\xE9\",\"\",1,2,3,4,0,0\r\n");
    EXPECT_EQ(files.readFile(path()), "\"C:\\\x91\x97\x82\xE9\",\"\",1,2,3,4,0,0\r\n");
    EXPECT_FALSE(files.attributes(path() + ".new").exists);
}

TEST_F(SystemFiles, AFileThatCannotBeReplacedStaysAndTheTemporaryGoes) {
    files.writeFile(path(), "old");
    SetFileAttributesW(widen(path()).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_THROW(writeFileAtomically(files, path(), "new"), PlatformError);
    EXPECT_EQ(files.readFile(path()), "old");
    EXPECT_FALSE(files.attributes(path() + ".new").exists);
}

TEST_F(SystemFiles, AttributesTellHiddenSystemAndFolders) {
    files.writeFile(path(), "x");
    SetFileAttributesW(widen(path()).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    const FileAttributes file = files.attributes(path());
    EXPECT_TRUE(file.exists && file.hidden && file.system && !file.directory);
    EXPECT_TRUE(files.attributes(folder).directory);
    EXPECT_FALSE(files.attributes(folder + "\\missing").exists);
    EXPECT_TRUE(files.canCreateFilesIn(folder));
    EXPECT_FALSE(files.canCreateFilesIn(folder + "\\missing"));
}

TEST_F(SystemFiles, AShortcutResolvesToItsTargetThroughTheShell) {
    const std::string target = folder + "\\テスト app.exe";
    files.writeFile(target, "MZ");
    const std::string link = folder + "\\Data.ini";  // any name: the writer does not care
    Win32ShortcutWriter().write(link, target, "", "");

    Microsoft::WRL::ComPtr<IShellLinkW> shellLink;
    ASSERT_HRESULT_SUCCEEDED(
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&shellLink)));
    Microsoft::WRL::ComPtr<IPersistFile> file;
    ASSERT_HRESULT_SUCCEEDED(shellLink.As(&file));
    ASSERT_HRESULT_SUCCEEDED(file->Load(widen(link).c_str(), STGM_READ));
    wchar_t resolved[MAX_PATH] = {};
    ASSERT_HRESULT_SUCCEEDED(shellLink->GetPath(resolved, MAX_PATH, nullptr, 0));
    EXPECT_EQ(narrow(resolved), target);
    DeleteFileW(widen(target).c_str());
}

TEST_F(SystemFiles, FolderPathsSurviveTheShellsItemIdLists) {
    const std::string outsideCp932 = folder + "\\Ελληνικά 😀";
    files.createDirectory(outsideCp932);
    Win32FolderBrowser shell;
    for (const std::string& path : {folder, outsideCp932}) {
        const auto list = shell.listFromPath(path);
        ASSERT_TRUE(list) << path;
        EXPECT_NE(list->handle(), 0);
        EXPECT_EQ(shell.pathFromList(*list), path);
    }
    RemoveDirectoryW(widen(outsideCp932).c_str());
}

TEST(SystemFolderBrowser, ALongestPathFitsAndALongerOneGivesNoPathRatherThanACutOne) {
    Win32FolderBrowser shell;
    const std::string longest = "C:\\" + std::string(MAX_PATH - 4, 'a');  // with its NUL, the whole buffer
    const auto fits = shell.listFromPath(longest);
    ASSERT_TRUE(fits);
    EXPECT_EQ(shell.pathFromList(*fits), longest);
    const auto tooLong = shell.listFromPath(longest + "\\b");
    ASSERT_TRUE(tooLong);
    EXPECT_EQ(shell.pathFromList(*tooLong), "");
}

TEST(SystemShell, SendToAndProgramsAreRealFoldersTwoLevelsApart) {
    Win32Shell shell;
    const std::string sendTo = SpecialFolderPath(shell, csidlSendTo);
    const std::string programs = SpecialFolderPath(shell, csidlPrograms);
    ASSERT_FALSE(sendTo.empty());
    ASSERT_NE(sendTo, programs);
    EXPECT_NE(GetFileAttributesW(widen(sendTo).c_str()), INVALID_FILE_ATTRIBUTES);

    wchar_t resolved[MAX_PATH];
    GetFullPathNameW(widen(programs + "\\..\\..\\SendTo").c_str(), MAX_PATH, resolved, nullptr);
    EXPECT_EQ(CompareStringOrdinal(resolved, -1, widen(sendTo).c_str(), -1, TRUE), CSTR_EQUAL) << narrow(resolved);
}

TEST(SystemShell, AnUnknownFolderGivesEmptyText) {
    Win32Shell shell;
    EXPECT_EQ(SpecialFolderPath(shell, 0x7777), "");
}

TEST(SystemShell, ExecutableFolderHoldsTheRunningProgram) {
    Win32Shell shell;
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::string folder = shell.executableFolder();
    EXPECT_EQ(narrow(self).rfind(folder + "\\", 0), 0u) << folder;
    EXPECT_NE(folder.back(), '\\');
}

}  // namespace
}  // namespace parcelo::win32
