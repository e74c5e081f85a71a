#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include "core/send_to_entries.h"
#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/shortcut_writer_win32.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {
namespace {

// A Send To folder of its own under the system's temporary folder, removed afterwards.
class SystemSendTo : public testing::Test {
protected:
    SystemSendTo() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = narrow(temp) + "parcelo-sendto-" + std::to_string(GetCurrentProcessId()) + "-送る";
        CreateDirectoryW(widen(folder).c_str(), nullptr);
    }
    ~SystemSendTo() override {
        SHFILEOPSTRUCTW remove{};
        const std::wstring list = widen(folder) + L'\0' + L'\0';
        remove.wFunc = FO_DELETE;
        remove.pFrom = list.c_str();
        remove.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
        SHFileOperationW(&remove);
        CoUninitialize();
    }
    void write(const std::string& name, const std::string& bytes = "") {
        HANDLE file = CreateFileW(widen(folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

    std::string folder;
    Win32ShellFolder shell;
    Win32ShortcutWriter writer;
};

TEST_F(SystemSendTo, ReadsNamesMarksTargetsAndArgumentsAsTheShellShowsThem) {
    const std::string program = folder + "\\テスト 1.exe";
    write("テスト 1.exe", "MZ");
    writer.write(folder + "\\メモ帳.lnk", program, "/a \"b c\"", "");
    writer.write(folder + "\\消えた.lnk", folder + "\\gone.exe", "", "");
    write("desktop.ini", "[.ShellClassInfo]\r\n");
    write("壊れ.lnk", "not a link");
    CreateDirectoryW(widen(folder + "\\サブ 10").c_str(), nullptr);
    CreateDirectoryW(widen(folder + "\\サブ 9").c_str(), nullptr);
    shell.setHidden(folder + "\\メモ帳.lnk", true);

    std::vector<SendToEntry> entries = readSendToEntries(shell, folder);
    std::vector<std::vector<std::string>> rows;
    for (size_t i = 0; i < entries.size(); ++i)
        rows.push_back({entries[i].item.displayName, entries[i].shortcut ? targetText(entries[i]) : "",
                        stateText(entries, i)});
    // Numbers inside names in their order of value, as Explorer sorts them.
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                        {"サブ 9", "", ""},
                        {"サブ 10", "", ""},
                        {"テスト 1.exe", "", ""},
                        {"メモ帳", program + " /a \"b c\"", "無効"},
                        {"壊れ", "(ショートカットを読み取れません)", ""},
                        {"消えた", folder + "\\gone.exe", "リンク切れ"},
                    }));
    EXPECT_TRUE(entries[0].item.directory);
    EXPECT_FALSE(entries[0].item.typeName.empty());
}

TEST_F(SystemSendTo, HidingAndRenamingKeepEachOther) {
    write("a.lnk");
    write("b.lnk");
    shell.setHidden(folder + "\\a.lnk", true);
    shell.rename(folder + "\\a.lnk", "名前.lnk");
    EXPECT_TRUE(GetFileAttributesW(widen(folder + "\\名前.lnk").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_THROW(shell.rename(folder + "\\名前.lnk", "b.lnk"), PlatformError);
    shell.setHidden(folder + "\\名前.lnk", false);
    EXPECT_FALSE(GetFileAttributesW(widen(folder + "\\名前.lnk").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(shell.reach(folder + "\\名前.lnk"), Reach::Present);
    EXPECT_EQ(shell.reach(folder + "\\無い.lnk"), Reach::Missing);
    EXPECT_TRUE(shell.slowToReach("\\\\server\\share\\x.exe"));
    EXPECT_FALSE(shell.slowToReach(folder));
}

}  // namespace
}  // namespace parcelo::win32
