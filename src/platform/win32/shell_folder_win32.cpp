#include "platform/win32/shell_folder_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <wrl/client.h>

#include <algorithm>
#include <map>
#include <memory>

#include "core/windows_names.h"
#include "platform/win32/errors_win32.h"
#include "platform/win32/owners.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {
namespace {

using Microsoft::WRL::ComPtr;

// How long a look at a target may take before its drive counts as not answering.
constexpr DWORD patienceMs = 1500;

// The folder as the shell sees it, which names its items far sooner than a look at each whole path.
ComPtr<IShellFolder> shellFolderOf(const std::string& folder) {
    ComPtr<IShellFolder> desktop, shellFolder;
    const UniqueIdList list(ILCreateFromPathW(widen(folder).c_str()));
    if (!list || FAILED(SHGetDesktopFolder(&desktop)) ||
        FAILED(desktop->BindToObject(list.get(), nullptr, IID_PPV_ARGS(&shellFolder))))
        return nullptr;
    return shellFolder;
}

// The item's name as Explorer shows it in its folder: a shortcut without ".lnk", a localised name.
std::wstring displayName(IShellFolder* folder, const std::wstring& name) {
    ITEMIDLIST* child = nullptr;
    if (!folder || FAILED(folder->ParseDisplayName(nullptr, nullptr, const_cast<wchar_t*>(name.c_str()), nullptr,
                                                   &child, nullptr)))
        return name;
    const UniqueIdList owned(child);
    STRRET text{};
    wchar_t* shown = nullptr;
    if (FAILED(folder->GetDisplayNameOf(child, SHGDN_INFOLDER, &text)) || FAILED(StrRetToStrW(&text, child, &shown)))
        return name;
    std::wstring result = shown;
    CoTaskMemFree(shown);
    return result;
}

}  // namespace

std::vector<FolderItem> Win32ShellFolder::items(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    const UniqueFind find(FindFirstFileExW(widen(folder + "\\*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (find.get() == INVALID_HANDLE_VALUE) throw lastError("フォルダ " + folder);
    const ComPtr<IShellFolder> shellFolder = shellFolderOf(folder);
    std::map<std::wstring, std::string> kinds;
    std::vector<std::pair<std::wstring, FolderItem>> items;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L".." || lstrcmpiW(name.c_str(), L"desktop.ini") == 0) continue;
        FolderItem item;
        item.path = folder + "\\" + narrow(name);
        item.directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        item.hidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        const std::wstring shown = win32::displayName(shellFolder.Get(), name);
        item.displayName = narrow(shown);
        // The kind goes by the extension alone, and a folder's apart from a file's: asked once for each.
        const std::wstring kindKey = (item.directory ? L"\\" : L"") + std::wstring(PathFindExtensionW(name.c_str()));
        auto kind = kinds.find(kindKey);
        if (kind == kinds.end()) {
            SHFILEINFOW info{};
            SHGetFileInfoW(name.c_str(), found.dwFileAttributes, &info, sizeof info,
                           SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES);
            kind = kinds.emplace(kindKey, narrow(info.szTypeName)).first;
        }
        item.typeName = kind->second;
        items.emplace_back(shown, std::move(item));
    } while (FindNextFileW(find.get(), &found));
    // Explorer's order: numbers inside names by their value.
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return StrCmpLogicalW(a.first.c_str(), b.first.c_str()) < 0; });
    std::vector<FolderItem> sorted;
    for (auto& [key, item] : items) sorted.push_back(std::move(item));
    return sorted;
}

std::string Win32ShellFolder::displayName(const std::string& path) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(widen(path).c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME)) return {};
    return narrow(info.szDisplayName);
}

std::optional<FileIdentity> Win32ShellFolder::identity(const std::string& path) {
    // A folder opens only with backup semantics; the handle follows links and junctions to what they name.
    const UniqueHandle file(CreateFileW(widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (file.get() == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
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

// The item's own context-menu verb, so a shortcut shows its target, arguments, folder and icon.
void Win32ShellFolder::showProperties(const std::string& path) {
    const std::wstring file = widen(path);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_FLAG_NO_UI;
    request.hwnd = GetActiveWindow();
    request.lpVerb = L"properties";
    request.lpFile = file.c_str();
    request.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&request)) throw lastError("プロパティ " + path);
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
