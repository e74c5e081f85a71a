#include "platform/win32/shell_win32.h"

#include "platform/win32/owners.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {

std::string Win32Shell::specialFolderPath(int csidl) {
    ITEMIDLIST* found = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &found)) || !found) return {};
    const UniqueIdList list(found);
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(list.get(), path)) return {};
    return narrow(path);
}

std::string Win32Shell::executableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) throw lastError("実行ファイルの場所");
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    path.erase(path.find_last_of(L'\\'));
    if (path.size() == 2 && path[1] == L':') path += L'\\';  // a drive root keeps its separator
    return narrow(path);
}

std::string Win32Shell::applicationDataFolder() { return specialFolderPath(CSIDL_APPDATA); }

std::string Win32Shell::commandLine() { return narrow(GetCommandLineW()); }

}  // namespace parcelo::win32
