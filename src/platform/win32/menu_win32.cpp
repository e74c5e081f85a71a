#include "platform/win32/menu_win32.h"

#include "platform/control_ids.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {

void attachMenuBar(HWND window, std::span<const MenuDesign> menu) {
    if (menu.empty()) return;
    HMENU bar = CreateMenu();
    HMENU dropDown = nullptr;
    for (size_t i = 0; i < menu.size(); ++i) {
        const MenuDesign& item = menu[i];
        const std::wstring caption = widen(item.caption);
        const auto id = static_cast<UINT_PTR>(menuItemId(i));
        const bool opensDropDown = i + 1 < menu.size() && menu[i + 1].level == 2;
        if (item.level == 1 && opensDropDown) {
            dropDown = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(dropDown), caption.c_str());
        } else if (item.level == 1) {
            AppendMenuW(bar, MF_STRING, id, caption.c_str());
        } else if (item.caption == "-") {
            AppendMenuW(dropDown, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(dropDown, MF_STRING, id, caption.c_str());
        }
    }
    // From here the window owns the bar and destroys it with itself.
    SetMenu(window, bar);
}

std::string_view menuItemName(std::span<const MenuDesign> menu, WORD id) {
    const size_t index = static_cast<size_t>(id) - firstMenuItemId;
    return id >= firstMenuItemId && index < menu.size() ? menu[index].name : std::string_view();
}

}  // namespace parcelo::win32
