#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace parcelo {

// What the user was shown: a message box, a prompt (flags 0) or the open-file dialog (caption
// "open file", text the filter).
struct ShownBox {
    std::string text;
    std::string caption;
    unsigned flags;
    friend bool operator==(const ShownBox&, const ShownBox&) = default;
};

// A user who answers from a script and remembers everything shown to them.
class ScriptedUser : public Dialogs {
public:
    int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    std::string prompt(const std::string& prompt, const std::string& caption, const std::string& defaultText) override;
    // The user cancels the open-file dialog.
    std::optional<std::string> openFile(const std::string& filter, unsigned flags) override;
    std::optional<std::string> popupMenu(const std::vector<PopupItem>& items, const SubmenuItems& submenus) override;

    // Buttons to press, in order; with none left the user presses OK.
    std::deque<int> buttons;
    // Texts to type into prompts, in order; with none left the user cancels.
    std::deque<std::string> typed;
    std::vector<ShownBox> shown;
    // Paths to choose in popup menus, in order; nothing or none left: the user presses Esc.
    std::deque<std::optional<std::string>> chosenItems;
    // Submenus to open in the next popup menu before choosing, by their items' texts: the first in the
    // top menu, each later one in the submenu opened before it.
    std::vector<std::string> opened;
    // Each menu shown, a submenu after the menu it opened from.
    std::vector<std::vector<PopupItem>> menus;
};

}  // namespace parcelo
