#pragma once
#include <cstddef>

#include "platform/design.h"

namespace parcelo {

// The numbers a realised window gives its controls and menu items, so that tools outside the program
// can find them by the names of the design.
inline constexpr int firstControlId = 1000;
inline constexpr int firstMenuItemId = 2000;

// A control's id is 1000 plus its tab number.
constexpr int controlId(const ControlDesign& control) { return firstControlId + control.tab; }

// A menu item's id is 2000 plus its place in the design's menu list.
constexpr int menuItemId(std::size_t index) { return firstMenuItemId + static_cast<int>(index); }

}  // namespace parcelo
