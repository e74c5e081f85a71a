#pragma once
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/design.h"

namespace parcelo {

// The option buttons that share a container with the option button `name`, itself left out:
// the ones that selecting it clears.
std::vector<std::string_view> otherOptionsOfGroup(std::span<const ControlDesign> controls, std::string_view name);

// A check box or option button newly set to `checked`, as the system's buttons behave: selecting an
// option button clears, through `clear`, the others of its group. Returns whether the change is
// reported as a click: an option button reports being selected, not being cleared.
bool applyCheck(std::span<const ControlDesign> controls, const ControlDesign& toggle, bool checked,
                const std::function<void(std::string_view)>& clear);

// Whether the control at `index` begins a run of controls that arrow keys move through: every
// control does, except an option button that directly follows another of its container.
bool beginsKeyboardGroup(std::span<const ControlDesign> controls, size_t index);

}  // namespace parcelo
