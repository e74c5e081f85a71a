#pragma once
#include <span>
#include <string_view>

namespace parcelo {

// Lengths in twips: 1440 per logical inch, 15 per pixel at 96 dots per inch.
using Twips = float;

struct TwipsRect {
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

enum class ControlKind {
    FolderList,   // the folders along and below the current path
    FolderView,   // the shell's view of one folder's contents
    Panel,        // a plain container
    Button,
    TextBox,
    Label,
    DriveList,    // drop-down list of the machine's drives
    OptionButton, // one of a group: the option buttons of one container
    CheckBox,
    Frame,        // a captioned container
    LinkBox,      // an address shown as a link, opened by a double click; never a tab stop
    Picture,      // the program icon
    ReportList,   // rows in columns with check boxes; the caption names the columns, "|" between
};

// What a control starts as, beyond its caption.
namespace control_flag {
inline constexpr unsigned checked = 1;        // a ticked check box or the selected option button
inline constexpr unsigned defaultButton = 2;  // pressed by Enter
inline constexpr unsigned cancelButton = 4;   // pressed by Esc
}  // namespace control_flag

// One control of a window's design. Positions are relative to the container's client area.
struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view container;  // empty: the window itself
    std::string_view caption;
    TwipsRect rect;
    int tab;  // -1: never takes the focus
    unsigned flags = 0;
};

// One entry of the menu bar; level 1 is on the bar, level 2 in the drop-down of the entry above it.
struct MenuDesign {
    int level;
    std::string_view name;
    std::string_view caption;  // "-" is a separator
};

struct Rgb {
    unsigned char red, green, blue;
};

enum class Border {
    Sizeable,     // a main window: resizable, minimise and maximise buttons, on the taskbar
    FixedDialog,  // a dialog: fixed size, a close box only, centred on the screen, not on the taskbar
    SizeableDialog,  // a dialog that can be resized down to its minimum, centred, not on the taskbar
};

struct FormDesign {
    std::string_view name;
    std::string_view caption;
    Border border;
    TwipsRect client;  // size of the client area, and for a main window its screen position when first shown
    Rgb background;
    std::span<const ControlDesign> controls;
    std::span<const MenuDesign> menu;
    TwipsRect minimum{};  // the smallest client area the user can size a sizeable dialog to
    bool acceptsFiles = false;  // files dropped on the window raise Drop
};

}  // namespace parcelo
