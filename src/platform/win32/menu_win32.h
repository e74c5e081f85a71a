#pragma once
#include <windows.h>

#include <span>
#include <string_view>

#include "platform/design.h"

namespace parcelo::win32 {

// Gives the window the menu bar of its design, each item with the id of its place in the list.
void attachMenuBar(HWND window, std::span<const MenuDesign> menu);

// The name of the menu item a WM_COMMAND id stands for; empty when it is none of the design's.
std::string_view menuItemName(std::span<const MenuDesign> menu, WORD id);

}  // namespace parcelo::win32
