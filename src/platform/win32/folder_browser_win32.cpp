#include "platform/win32/folder_browser_win32.h"

#include "platform/win32/owners.h"
#include "platform/win32/wide.h"

#ifdef __MINGW32__
// Exported by shell32 and in MinGW's import library, but not declared in its headers.
extern "C" __declspec(dllimport) PIDLIST_ABSOLUTE WINAPI SHSimpleIDListFromPath(PCWSTR path);
#endif

namespace parcelo::win32 {
namespace {

class ShellList : public ItemIdList {
public:
    explicit ShellList(ITEMIDLIST* list) : list_(list) {}
    ItemIdHandle handle() const override { return reinterpret_cast<ItemIdHandle>(list_.get()); }

private:
    UniqueIdList list_;
};

PCIDLIST_ABSOLUTE listOf(ItemIdHandle handle) { return reinterpret_cast<PCIDLIST_ABSOLUTE>(handle); }

// Selects the folder that `data` names once the dialog is up.
int CALLBACK selectAtStart(HWND dialog, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

}  // namespace

std::optional<FolderBrowser::Choice> Win32FolderBrowser::browse(std::int32_t owner, ItemIdHandle root,
                                                                 const std::string& title, std::int32_t flags,
                                                                 const std::string& selection) {
    const std::wstring wideTitle = widen(title);
    const std::wstring wideSelection = widen(selection);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW request{};
    // Window handles carry 32 significant bits, also in a 64-bit process.
    request.hwndOwner = reinterpret_cast<HWND>(static_cast<INT_PTR>(owner));
    request.pidlRoot = listOf(root);
    request.pszDisplayName = displayName;
    request.lpszTitle = wideTitle.c_str();
    request.ulFlags = static_cast<UINT>(flags);
    if (!selection.empty()) {
        request.lpfn = selectAtStart;
        request.lParam = reinterpret_cast<LPARAM>(wideSelection.c_str());
    }
    ITEMIDLIST* chosen = SHBrowseForFolderW(&request);
    if (!chosen) return std::nullopt;
    return Choice{std::make_unique<ShellList>(chosen), narrow(displayName)};
}

std::string Win32FolderBrowser::pathFromList(const ItemIdList& item) {
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(listOf(item.handle()), path)) return {};
    return narrow(path);
}

std::unique_ptr<ItemIdList> Win32FolderBrowser::listFromPath(const std::string& path) {
    ITEMIDLIST* list = SHSimpleIDListFromPath(widen(path).c_str());
    if (!list) return nullptr;
    return std::make_unique<ShellList>(list);
}

}  // namespace parcelo::win32
