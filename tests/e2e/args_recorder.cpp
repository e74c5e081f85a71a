// Writes down the arguments it was started with, one a line in UTF-8, into args.txt beside itself: what a
// program that Parcelo starts from a submenu was given.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring lines;
    for (int i = 1; i < count; ++i) lines += std::wstring(args[i]) + L"\n";
    LocalFree(args);
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring out(path);
    out = out.substr(0, out.find_last_of(L'\\') + 1) + L"args.txt";
    std::string bytes(WideCharToMultiByte(CP_UTF8, 0, lines.c_str(), int(lines.size()), nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, lines.c_str(), int(lines.size()), bytes.data(), int(bytes.size()), nullptr, nullptr);
    const HANDLE file = CreateFileW(out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
