#include "platform/win32/popup_menu_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "platform/win32/errors_win32.h"
#include "platform/win32/owners.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {
namespace {

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
    const ScreenDc screen(GetDC(nullptr));
    UniqueBitmap bitmap(CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return nullptr;
    const UniqueDc dc(CreateCompatibleDC(screen.get()));
    const Selection selected(dc.get(), bitmap.get());
    DrawIconEx(dc.get(), 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL);
    return bitmap.release();
}

// Fills `menu` with the items; each command's id is its place in `paths`, plus one.
void build(HMENU menu, const std::vector<PopupItem>& items, std::vector<std::string>& paths,
           std::vector<UniqueBitmap>& bitmaps) {
    for (const PopupItem& item : items) {
        const std::wstring text = widen(item.text);
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE;
        info.dwTypeData = const_cast<wchar_t*>(text.c_str());
        info.fState = item.enabled ? MFS_ENABLED : MFS_GRAYED;
        if (!item.submenu.empty()) {
            HMENU submenu = CreatePopupMenu();
            build(submenu, item.submenu, paths, bitmaps);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = submenu;  // the parent menu destroys it
        }
        if (item.enabled && item.submenu.empty()) {
            paths.push_back(item.path);
            info.wID = static_cast<UINT>(paths.size());
        }
        if (HBITMAP bitmap = iconBitmap(item.path)) {
            bitmaps.emplace_back(bitmap);
            info.fMask |= MIIM_BITMAP;
            info.hbmpItem = bitmap;
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
    }
}

}  // namespace

std::optional<std::string> showPopupMenu(const std::vector<PopupItem>& items) {
    std::vector<std::string> paths;
    std::vector<UniqueBitmap> bitmaps;
    const UniqueMenu menu(CreatePopupMenu());
    build(menu.get(), items, paths, bitmaps);
    // A menu needs a window of the program in the foreground, or it neither takes keys nor closes
    // on a click elsewhere.
    const UniqueWindow owner(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"Parcelo", WS_POPUP, 0, 0, 0, 0, nullptr,
                                             nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!owner) throw lastError("メニュー");
    SetForegroundWindow(owner.get());
    POINT at{};
    GetCursorPos(&at);
    const UINT chosen = TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y,
                                         owner.get(), nullptr);
    PostMessageW(owner.get(), WM_NULL, 0, 0);
    if (chosen == 0 || chosen > paths.size()) return std::nullopt;
    return paths[chosen - 1];
}

}  // namespace parcelo::win32
