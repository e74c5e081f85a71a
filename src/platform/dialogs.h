#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace parcelo {

// Message box flags and results, with the values the system uses.
namespace box {
inline constexpr unsigned ok = 0x00;
inline constexpr unsigned okCancel = 0x01;
inline constexpr unsigned iconError = 0x10;
inline constexpr unsigned iconWarning = 0x30;
inline constexpr int pressedOk = 1;
inline constexpr int pressedCancel = 2;
}  // namespace box

inline constexpr const char* applicationTitle = "Parcelo";

// One item of a popup menu: a command, a greyed text, the opener of a submenu, or a separator.
struct PopupItem {
    std::string text;
    std::string path;  // what choosing it gives; the item shows this file's icon
    bool enabled = true;
    int submenu = 0;        // not 0: the item opens the submenu of this number, asked for when it opens
    bool separator = false;  // a line between items, and nothing else
    friend bool operator==(const PopupItem&, const PopupItem&) = default;
};

// The items of a popup menu's submenu, by its number.
using SubmenuItems = std::function<std::vector<PopupItem>(int submenu)>;

// The modal boxes that ask or tell the user something.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Returns the button pressed (box::pressedOk, box::pressedCancel).
    virtual int messageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    // The edited text on OK, empty text on Cancel.
    virtual std::string prompt(const std::string& prompt, const std::string& caption,
                               const std::string& defaultText) = 0;
    // The full path of the chosen file, or nothing when the user cancels. The filter is given
    // as "description|patterns"; flags are the open-file dialog's. Throws when the dialog fails.
    virtual std::optional<std::string> openFile(const std::string& filter, unsigned flags) = 0;
    // Shows the menu at the mouse pointer; the path of the item chosen, or nothing when the user
    // pressed Esc or clicked elsewhere. A submenu's items are asked of `submenus` when it first opens.
    virtual std::optional<std::string> popupMenu(const std::vector<PopupItem>& items, const SubmenuItems& submenus) = 0;
};

namespace open_file {
inline constexpr unsigned fileMustExist = 0x1000;  // OFN_FILEMUSTEXIST
}  // namespace open_file

}  // namespace parcelo
