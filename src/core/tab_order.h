#pragma once
#include <functional>
#include <span>
#include <string_view>

#include "platform/design.h"

namespace parcelo {

// The control that Tab (or Shift+Tab) moves the focus to: the next one in tab number, across
// containers, that can take the focus; wraps around. Empty when none can.
std::string_view nextInTabOrder(std::span<const ControlDesign> controls, std::string_view current,
                                bool forward, const std::function<bool(const ControlDesign&)>& canFocus);

}  // namespace parcelo
