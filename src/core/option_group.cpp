#include "core/option_group.h"

#include <algorithm>

namespace parcelo {

std::vector<std::string_view> otherOptionsOfGroup(std::span<const ControlDesign> controls, std::string_view name) {
    const auto self = std::find_if(controls.begin(), controls.end(), [&](const ControlDesign& c) { return c.name == name; });
    std::vector<std::string_view> others;
    if (self == controls.end() || self->kind != ControlKind::OptionButton) return others;
    for (const ControlDesign& c : controls)
        if (c.kind == ControlKind::OptionButton && c.container == self->container && c.name != name)
            others.push_back(c.name);
    return others;
}

bool applyCheck(std::span<const ControlDesign> controls, const ControlDesign& toggle, bool checked,
                const std::function<void(std::string_view)>& clear) {
    const bool option = toggle.kind == ControlKind::OptionButton;
    if (option && checked)
        for (std::string_view other : otherOptionsOfGroup(controls, toggle.name)) clear(other);
    return checked || !option;
}

bool beginsKeyboardGroup(std::span<const ControlDesign> controls, size_t index) {
    const ControlDesign& c = controls[index];
    if (c.kind != ControlKind::OptionButton) return true;
    for (size_t i = index; i-- > 0;)
        if (controls[i].container == c.container) return controls[i].kind != ControlKind::OptionButton;
    return true;
}

}  // namespace parcelo
