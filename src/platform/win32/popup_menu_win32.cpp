#include "platform/win32/popup_menu_win32.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <map>
#include <memory>

#include "platform/win32/callback_guard.h"
#include "platform/win32/owners.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {
namespace {

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiDeleter>;

// The file's small icon as a bitmap with an alpha channel, which a menu item can carry.
HBITMAP iconBitmap(const std::string& path) {
    SHFILEINFOW info{};
    if (path.empty() || !SHGetFileInfoW(widen(path).c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
        return nullptr;
    const UniqueIcon icon(info.hIcon);
    const int size = GetSystemMetrics(SM_CXSMICON);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (bitmap) {
        const HGDIOBJ old = SelectObject(dc, bitmap);
        DrawIconEx(dc, 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL);
        SelectObject(dc, old);
    }
    DeleteDC(dc);
    return bitmap;
}

// What the menu's items give and show, and its submenus still unread.
struct Popup {
    const SubmenuItems& submenus;
    Dialogs& dialogs;
    std::vector<std::string> paths;  // each command's id is its place here, plus one
    std::vector<UniqueBitmap> bitmaps;
    std::map<HMENU, int> unread;  // an empty submenu and the number its items are asked for by
};

void build(HMENU menu, const std::vector<PopupItem>& items, Popup& popup) {
    for (const PopupItem& item : items) {
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
        if (HBITMAP bitmap = iconBitmap(item.path)) {
            popup.bitmaps.emplace_back(bitmap);
            info.fMask |= MIIM_BITMAP;
            info.hbmpItem = bitmap;
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
    }
}

// The owner of the menu hears of each submenu just before it shows, and fills it then.
LRESULT CALLBACK ownerProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
    if (message != WM_INITMENUPOPUP) return DefSubclassProc(window, message, w, l);
    Popup& popup = *reinterpret_cast<Popup*>(data);
    const auto unread = popup.unread.extract(reinterpret_cast<HMENU>(w));
    if (!unread.empty())
        guardCallback(popup.dialogs, 0, [&] {
            build(unread.key(), popup.submenus(unread.mapped()), popup);
            return 0;
        });
    return 0;
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
