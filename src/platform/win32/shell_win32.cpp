#include "platform/win32/shell_win32.h"

#include <vector>

#include "platform/win32/errors_win32.h"
#include "platform/win32/owners.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {

std::string Win32Shell::specialFolderPath(int csidl) {
    ITEMIDLIST* found = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &found)) || !found) return {};
    const UniqueIdList list(found);
    // Room for a long path: the profile may lie deeper than MAX_PATH allows.
    std::wstring path(32768, L'\0');
    if (!SHGetPathFromIDListEx(list.get(), path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT)) return {};
    return narrow(path.c_str());
}

namespace {

// The executable's whole path, however long.
std::wstring modulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) throw lastError("実行ファイルの場所");
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::string Win32Shell::executableFolder() {
    std::wstring path = modulePath();
    path.erase(path.find_last_of(L'\\'));
    if (path.size() == 2 && path[1] == L':') path += L'\\';  // a drive root keeps its separator
    return narrow(path);
}

std::string Win32Shell::executablePath() { return narrow(modulePath()); }

std::string Win32Shell::applicationDataFolder() { return specialFolderPath(CSIDL_APPDATA); }

std::string Win32Shell::commandLine() { return narrow(GetCommandLineW()); }

VersionRecord Win32Shell::versionRecord() {
    // Only the About box reads it, so version.dll is loaded then.
    static const auto infoSize =
        systemFunction<decltype(GetFileVersionInfoSizeW)>(L"version.dll", "GetFileVersionInfoSizeW");
    static const auto info = systemFunction<decltype(GetFileVersionInfoW)>(L"version.dll", "GetFileVersionInfoW");
    static const auto query = systemFunction<decltype(VerQueryValueW)>(L"version.dll", "VerQueryValueW");
    if (!infoSize || !info || !query) throw lastError("バージョン情報");
    const std::wstring self = modulePath();
    DWORD ignored = 0;
    const DWORD size = infoSize(self.c_str(), &ignored);
    if (size == 0) throw lastError("バージョン情報");
    std::vector<std::byte> data(size);
    if (!info(self.c_str(), 0, size, data.data())) throw lastError("バージョン情報");

    VersionRecord record;
    void* value = nullptr;
    UINT length = 0;
    if (query(data.data(), L"\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        // Major and minor in the first half; the revision is the last of the four numbers.
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        record.major = HIWORD(fixed->dwFileVersionMS);
        record.minor = LOWORD(fixed->dwFileVersionMS);
        record.revision = LOWORD(fixed->dwFileVersionLS);
    }
    if (query(data.data(), L"\\StringFileInfo\\041104B0\\LegalCopyright", &value, &length) && length > 0)
        record.copyright = narrow(static_cast<const wchar_t*>(value));
    return record;
}

void Win32Shell::open(const std::string& target) {
    const std::wstring file = widen(target);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_FLAG_NO_UI;  // a failure is the caller's to report, or not
    request.hwnd = GetActiveWindow();
    request.lpVerb = L"open";
    request.lpFile = file.c_str();
    request.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&request)) throw lastError("開く: " + target);
}

// Started in its own folder, as from Explorer.
void Win32Shell::run(const std::string& program, const std::string& arguments) {
    const std::wstring file = widen(program), parameters = widen(arguments);
    const std::wstring folder = file.substr(0, file.find_last_of(L'\\') + 1);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_FLAG_NO_UI;
    request.lpFile = file.c_str();
    request.lpParameters = parameters.c_str();
    request.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    request.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&request)) throw lastError("起動: " + program);
}

}  // namespace parcelo::win32
