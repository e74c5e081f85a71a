#pragma once
#include "platform/dialogs.h"

namespace parcelo::win32 {

// Boxes owned by the active window, so they are modal to it.
class Win32Dialogs : public Dialogs {
public:
    int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    std::string prompt(const std::string& prompt, const std::string& caption, const std::string& defaultText) override;
    std::optional<std::string> openFile(const std::string& filter, unsigned flags) override;
    std::optional<std::string> popupMenu(const std::vector<PopupItem>& items, const SubmenuItems& submenus) override;
};

}  // namespace parcelo::win32
