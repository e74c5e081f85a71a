// Writes down the arguments it was started with, one a line in UTF-16, into args.txt beside itself: what a
// program that Parcelo starts from a submenu was given.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring lines;
    for (int i = 1; i < count; ++i) lines += std::wstring(args[i]) + L"\n";
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    wcscpy(wcsrchr(path, L'\\') + 1, L"args.txt");
    const HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, lines.data(), DWORD(lines.size() * sizeof(wchar_t)), &written, nullptr);
    return 0;
}
