#include "platform/win32/shell_folder_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <wrl/client.h>

#include <algorithm>
#include <memory>

#include "core/windows_names.h"
#include "platform/win32/errors_win32.h"
#include "platform/win32/owners.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {
namespace {

// How long a look at a target may take before its drive counts as not answering.
constexpr DWORD patienceMs = 1500;

}  // namespace

std::vector<FolderItem> Win32ShellFolder::items(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    const UniqueFind find(FindFirstFileExW(widen(folder + "\\*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (find.get() == INVALID_HANDLE_VALUE) throw lastError("フォルダ " + folder);
    std::vector<std::pair<std::wstring, FolderItem>> items;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L".." || lstrcmpiW(name.c_str(), L"desktop.ini") == 0) continue;
        FolderItem item;
        item.path = folder + "\\" + narrow(name);
        item.directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        item.hidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        SHFILEINFOW info{};
        const bool known = SHGetFileInfoW(widen(item.path).c_str(), 0, &info, sizeof info,
                                          SHGFI_DISPLAYNAME | SHGFI_TYPENAME) != 0;
        item.displayName = known ? narrow(info.szDisplayName) : narrow(name);
        item.typeName = known ? narrow(info.szTypeName) : "";
        items.emplace_back(known ? std::wstring(info.szDisplayName) : name, std::move(item));
    } while (FindNextFileW(find.get(), &found));
    // Explorer's order: numbers inside names by their value.
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return StrCmpLogicalW(a.first.c_str(), b.first.c_str()) < 0; });
    std::vector<FolderItem> sorted;
    for (auto& [key, item] : items) sorted.push_back(std::move(item));
    return sorted;
}

LinkTarget Win32ShellFolder::readLink(const std::string& file) {
    using Microsoft::WRL::ComPtr;
    ComPtr<IShellLinkW> link;
    check(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)), "ショートカット");
    ComPtr<IPersistFile> persisted;
    check(link.As(&persisted), "ショートカット");
    check(persisted->Load(widen(file).c_str(), STGM_READ), "ショートカット " + file);
    std::wstring path(32768, L'\0'), arguments(32768, L'\0');
    check(link->GetPath(path.data(), static_cast<int>(path.size()), nullptr, 0), "ショートカット " + file);
    check(link->GetArguments(arguments.data(), static_cast<int>(arguments.size())), "ショートカット " + file);
    return {narrow(path.c_str()), narrow(arguments.c_str())};
}

bool Win32ShellFolder::slowToReach(const std::string& path) {
    if (path.starts_with("\\\\")) return true;
    if (path.size() < 2 || path[1] != ':') return false;
    const UINT type = GetDriveTypeW(widen(path.substr(0, 2) + "\\").c_str());
    return type == DRIVE_REMOTE || type == DRIVE_REMOVABLE || type == DRIVE_CDROM;
}

Reach Win32ShellFolder::reach(const std::string& path) {
    // A share that does not answer can hold the call for half a minute: look from a thread of its
    // own and stop waiting after a moment. The look is shared, so the thread can finish it alone.
    struct Look {
        std::wstring path;
        DWORD attributes = INVALID_FILE_ATTRIBUTES;
    };
    const auto look = std::make_shared<Look>(Look{widen(path)});
    const auto run = [](void* shared) -> DWORD {
        const std::unique_ptr<std::shared_ptr<Look>> mine(static_cast<std::shared_ptr<Look>*>(shared));
        (*mine)->attributes = GetFileAttributesW((*mine)->path.c_str());
        return 0;
    };
    auto handedOver = std::make_unique<std::shared_ptr<Look>>(look);
    const UniqueHandle thread(CreateThread(nullptr, 0, run, handedOver.get(), 0, nullptr));
    if (!thread) throw lastError("確認 " + path);
    handedOver.release();  // the thread's now
    if (WaitForSingleObject(thread.get(), patienceMs) != WAIT_OBJECT_0) return Reach::NoAnswer;
    return look->attributes != INVALID_FILE_ATTRIBUTES ? Reach::Present : Reach::Missing;
}

void Win32ShellFolder::setHidden(const std::string& path, bool hidden) {
    const std::wstring wide = widen(path);
    const DWORD a = GetFileAttributesW(wide.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) throw lastError("属性 " + path);
    if (!SetFileAttributesW(wide.c_str(), hidden ? a | FILE_ATTRIBUTE_HIDDEN : a & ~FILE_ATTRIBUTE_HIDDEN))
        throw lastError("属性 " + path);
}

void Win32ShellFolder::rename(const std::string& path, const std::string& newName) {
    const std::string target = path.substr(0, path.size() - lastPathPart(path).size()) + newName;
    if (!MoveFileExW(widen(path).c_str(), widen(target).c_str(), 0)) throw lastError("名前の変更 " + path);
}

bool Win32ShellFolder::recycle(const std::vector<std::string>& paths) {
    std::wstring list;  // each path ends with a NUL, the list with one more
    for (const std::string& path : paths) list += widen(path) + L'\0';
    list += L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = GetActiveWindow();
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = FOF_ALLOWUNDO;
    if (const int failure = SHFileOperationW(&operation)) throw errorFrom(static_cast<DWORD>(failure), "削除");
    return !operation.fAnyOperationsAborted;
}

// As Explorer's Send To does it: the paths, as one shell data object, dropped on the item's own drop
// target, so a folder copies them, a shortcut starts its program with them, and so on.
bool Win32ShellFolder::dropOn(const std::string& item, const std::vector<std::string>& paths) {
    using Microsoft::WRL::ComPtr;
    const UniqueIdList target(ILCreateFromPathW(widen(item).c_str()));
    if (!target) throw lastError("送り先 " + item);
    ComPtr<IShellFolder> parent;
    PCUITEMID_CHILD child = nullptr;
    check(SHBindToParent(target.get(), IID_PPV_ARGS(&parent), &child), "送り先 " + item);
    ComPtr<IDropTarget> drop;
    if (FAILED(parent->GetUIObjectOf(nullptr, 1, &child, IID_IDropTarget, nullptr, &drop))) return false;

    std::vector<UniqueIdList> lists;
    std::vector<PCIDLIST_ABSOLUTE> items;
    for (const std::string& path : paths) {
        lists.emplace_back(ILCreateFromPathW(widen(path).c_str()));
        if (!lists.back()) throw lastError(path);
        items.push_back(lists.back().get());
    }
    // The desktop takes whole item-id lists, so the paths may come from any folders.
    ComPtr<IShellFolder> desktop;
    check(SHGetDesktopFolder(&desktop), "送る項目");
    ComPtr<IDataObject> data;
    check(desktop->GetUIObjectOf(nullptr, static_cast<UINT>(items.size()),
                                 reinterpret_cast<PCUITEMID_CHILD_ARRAY>(items.data()), IID_IDataObject, nullptr, &data),
          "送る項目");
    constexpr DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    DWORD effect = allowed;
    const POINTL at{0, 0};
    // A drop target that will not take the items counts as none, so a shortcut still starts its program.
    if (FAILED(drop->DragEnter(data.Get(), MK_LBUTTON, at, &effect)) || effect == DROPEFFECT_NONE) {
        drop->DragLeave();
        return false;
    }
    effect = allowed;
    return SUCCEEDED(drop->Drop(data.Get(), MK_LBUTTON, at, &effect));
}

}  // namespace parcelo::win32
