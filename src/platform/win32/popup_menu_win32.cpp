#include "platform/win32/popup_menu_win32.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <map>
#include <memory>
#include <utility>

#include "platform/win32/callback_guard.h"
#include "platform/win32/errors_win32.h"
#include "platform/win32/owners.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {
namespace {

// A file's small icon, read the first time its item is drawn.
struct ItemIcon {
    std::string path;
    UniqueIcon icon;
    bool read = false;
};

// What the menu's items give and show, and its submenus still unread.
struct Popup {
    const SubmenuItems& submenus;
    Dialogs& dialogs;
    std::vector<std::string> paths;  // each command's id is its place here, plus one
    std::vector<ItemIcon> icons;     // an item's data is its place here
    std::map<HMENU, int> unread;  // an empty submenu and the number its items are asked for by
};

void build(HMENU menu, const std::vector<PopupItem>& items, Popup& popup) {
    for (const PopupItem& item : items) {
        if (item.separator) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring text = widen(item.text);
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE;
        info.dwTypeData = const_cast<wchar_t*>(text.c_str());
        info.fState = item.enabled ? MFS_ENABLED : MFS_GRAYED;
        if (item.submenu != 0) {
            HMENU submenu = CreatePopupMenu();
            popup.unread.emplace(submenu, item.submenu);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = submenu;  // the parent menu destroys it
        } else if (item.enabled) {
            popup.paths.push_back(item.path);
            info.wID = static_cast<UINT>(popup.paths.size());
        }
        if (!item.path.empty()) {
            // Drawn by the owner, so only the items that show cost the time to read an icon.
            popup.icons.push_back({item.path, nullptr, false});
            info.fMask |= MIIM_BITMAP | MIIM_DATA;
            info.hbmpItem = HBMMENU_CALLBACK;
            info.dwItemData = popup.icons.size() - 1;
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
    }
}

void drawIcon(const DRAWITEMSTRUCT& item, Popup& popup) {
    ItemIcon& icon = popup.icons.at(item.itemData);
    SHFILEINFOW info{};
    if (!std::exchange(icon.read, true) &&
        SHGetFileInfoW(widen(icon.path).c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
        icon.icon.reset(info.hIcon);
    const int size = GetSystemMetrics(SM_CXSMICON);
    const int top = (item.rcItem.top + item.rcItem.bottom - size) / 2;
    if (icon.icon) DrawIconEx(item.hDC, item.rcItem.left, top, icon.icon.get(), size, size, 0, nullptr, DI_NORMAL);
}

// The owner of the menu fills each submenu just before it first shows, and draws the items' icons.
LRESULT CALLBACK ownerProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
    Popup& popup = *reinterpret_cast<Popup*>(data);
    switch (message) {
    case WM_INITMENUPOPUP: {
        const auto unread = popup.unread.extract(reinterpret_cast<HMENU>(w));
        if (!unread.empty())
            guardCallback(popup.dialogs, 0, [&] {
                build(unread.key(), popup.submenus(unread.mapped()), popup);
                return 0;
            });
        return 0;
    }
    case WM_MEASUREITEM: {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(l);
        if (item.CtlType != ODT_MENU) break;
        item.itemWidth = item.itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CXSMICON));
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
        if (item.CtlType != ODT_MENU) break;
        return guardCallback(popup.dialogs, TRUE, [&] {
            drawIcon(item, popup);
            return TRUE;
        });
    }
    }
    return DefSubclassProc(window, message, w, l);
}

}  // namespace

std::optional<std::string> showPopupMenu(const std::vector<PopupItem>& items, const SubmenuItems& submenus,
                                         Dialogs& dialogs) {
    Popup popup{submenus, dialogs, {}, {}, {}};
    const UniqueMenu menu(CreatePopupMenu());
    build(menu.get(), items, popup);
    // A menu needs a window of the program in the foreground, or it neither takes keys nor closes
    // on a click elsewhere.
    const UniqueWindow owner(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"Parcelo", WS_POPUP, 0, 0, 0, 0, nullptr,
                                             nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!owner) throw lastError("メニュー");
    SetWindowSubclass(owner.get(), ownerProc, 1, reinterpret_cast<DWORD_PTR>(&popup));
    SetForegroundWindow(owner.get());
    POINT at{};
    GetCursorPos(&at);
    const UINT chosen = TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, owner.get(), nullptr);
    PostMessageW(owner.get(), WM_NULL, 0, 0);
    RemoveWindowSubclass(owner.get(), ownerProc, 1);
    if (chosen == 0 || chosen > popup.paths.size()) return std::nullopt;
    return popup.paths[chosen - 1];
}

}  // namespace parcelo::win32
