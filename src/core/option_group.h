#pragma once
#include <span>
#include <string_view>
#include <vector>

#include "platform/design.h"

namespace parcelo {

// The option buttons that share a container with the option button `name`, itself left out:
// the ones that selecting it clears.
std::vector<std::string_view> otherOptionsOfGroup(std::span<const ControlDesign> controls, std::string_view name);

// Whether the control at `index` begins a run of controls that arrow keys move through: every
// control does, except an option button that directly follows another of its container.
bool beginsKeyboardGroup(std::span<const ControlDesign> controls, size_t index);

}  // namespace parcelo
