#include "platform/win32/file_system_win32.h"

#include "platform/win32/errors_win32.h"
#include "platform/win32/owners.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {
namespace {

UniqueHandle open(const std::string& path, DWORD access, DWORD disposition, DWORD flags, const char* what) {
    HANDLE file = CreateFileW(widen(path).c_str(), access, FILE_SHARE_READ, nullptr, disposition, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw lastError(std::string(what) + " " + path);
    return UniqueHandle(file);
}

}  // namespace

FileAttributes Win32FileSystem::attributes(const std::string& path) {
    const DWORD a = GetFileAttributesW(widen(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return {};
    return {true, (a & FILE_ATTRIBUTE_DIRECTORY) != 0, (a & FILE_ATTRIBUTE_HIDDEN) != 0,
            (a & FILE_ATTRIBUTE_SYSTEM) != 0, (a & FILE_ATTRIBUTE_READONLY) != 0};
}

std::string Win32FileSystem::readFile(const std::string& path) {
    const UniqueHandle file = open(path, GENERIC_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, "読み込み");
    std::string bytes;
    char buffer[64 * 1024];
    DWORD got = 0;
    do {
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) throw lastError("読み込み " + path);
        bytes.append(buffer, got);
    } while (got > 0);
    return bytes;
}

void Win32FileSystem::writeFile(const std::string& path, std::string_view bytes) {
    const UniqueHandle file = open(path, GENERIC_WRITE, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, "書き込み");
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw lastError("書き込み " + path);
    if (!FlushFileBuffers(file.get())) throw lastError("書き込み " + path);
}

void Win32FileSystem::replaceFile(const std::string& from, const std::string& to) {
    if (!MoveFileExW(widen(from).c_str(), widen(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw lastError("置き換え " + to);
}

void Win32FileSystem::setAttributes(const std::string& path, bool hidden, bool system) {
    const std::wstring wide = widen(path);
    const DWORD old = GetFileAttributesW(wide.c_str());
    if (old == INVALID_FILE_ATTRIBUTES) throw lastError("属性 " + path);
    const DWORD marks = (hidden ? FILE_ATTRIBUTE_HIDDEN : 0) | (system ? FILE_ATTRIBUTE_SYSTEM : 0);
    const DWORD wanted = (old & ~(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NORMAL)) | marks;
    // NORMAL stands only alone.
    if (!SetFileAttributesW(wide.c_str(), wanted != 0 ? wanted : FILE_ATTRIBUTE_NORMAL))
        throw lastError("属性 " + path);
}

void Win32FileSystem::removeFile(const std::string& path) {
    if (!DeleteFileW(widen(path).c_str())) throw lastError("削除 " + path);
}

void Win32FileSystem::createDirectory(const std::string& path) {
    if (!CreateDirectoryW(widen(path).c_str(), nullptr)) throw lastError("フォルダ作成 " + path);
}

bool Win32FileSystem::canCreateFilesIn(const std::string& folder) {
    // A probe that the system removes when it is closed.
    const std::wstring probe = widen(folder) + L"\\~parcelo-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace parcelo::win32
