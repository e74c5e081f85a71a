#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace parcelo::win32 {

// A real popup menu at the mouse pointer, each item with its text and the shell's small icon of
// its file; the path of the item chosen, or nothing. Each submenu is filled from `submenus` as it
// first opens; a failure there is reported through `dialogs`.
std::optional<std::string> showPopupMenu(const std::vector<PopupItem>& items, const SubmenuItems& submenus,
                                         Dialogs& dialogs);

}  // namespace parcelo::win32
