#pragma once
#include <functional>
#include <span>
#include <string_view>

#include "platform/design.h"

namespace parcelo {

// Whether Tab may stop at the control, its window's state (enabled, visible) aside: a control a person
// types into or presses; of an option group only the selected button, or any while none is selected.
bool isTabStop(std::span<const ControlDesign> controls, const ControlDesign& control,
               const std::function<bool(std::string_view)>& isChecked);

// The button Enter presses: the focused one when it is a button of the window itself, else the default
// button. Empty when there is none.
std::string_view enterButton(std::span<const ControlDesign> controls, std::string_view focused);

// The button Esc presses; empty when the window has no cancel button.
std::string_view escapeButton(std::span<const ControlDesign> controls);

// The letter or digit a caption marks with '&', upper-cased; 0 when it marks none ("&&" is an ampersand).
char accessKey(std::string_view caption);

// Whether a key belongs to the menu bar, which takes it before the controls do.
bool isMenuBarAccessKey(std::span<const MenuDesign> menu, char key);

}  // namespace parcelo
