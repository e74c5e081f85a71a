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
};

// One control of a window's design. Positions are relative to the container's client area.
struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view container;  // empty: the window itself
    std::string_view caption;
    TwipsRect rect;
    int tab;
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

struct FormDesign {
    std::string_view name;
    std::string_view caption;
    TwipsRect client;  // screen position and size of the client area when first shown
    Rgb background;
    std::span<const ControlDesign> controls;
    std::span<const MenuDesign> menu;
};

}  // namespace parcelo
