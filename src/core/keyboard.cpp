#include "core/keyboard.h"

#include <algorithm>

#include "core/option_group.h"

namespace parcelo {

bool isTabStop(std::span<const ControlDesign> controls, const ControlDesign& control,
               const std::function<bool(std::string_view)>& isChecked) {
    switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::Panel:
    case ControlKind::Frame:
    case ControlKind::LinkBox:
    case ControlKind::Picture:
        return false;
    case ControlKind::OptionButton: {
        if (isChecked(control.name)) return true;
        const auto others = otherOptionsOfGroup(controls, control.name);
        return std::none_of(others.begin(), others.end(), isChecked);
    }
    default:
        return true;
    }
}

namespace {

std::string_view firstWithFlag(std::span<const ControlDesign> controls, unsigned flag) {
    const auto found = std::find_if(controls.begin(), controls.end(), [&](const ControlDesign& c) {
        return c.kind == ControlKind::Button && (c.flags & flag);
    });
    return found == controls.end() ? std::string_view() : found->name;
}

}  // namespace

std::string_view enterButton(std::span<const ControlDesign> controls, std::string_view focused) {
    const auto found = std::find_if(controls.begin(), controls.end(), [&](const ControlDesign& c) {
        return c.name == focused && c.kind == ControlKind::Button && c.container.empty();
    });
    return found != controls.end() ? found->name : firstWithFlag(controls, control_flag::defaultButton);
}

std::string_view escapeButton(std::span<const ControlDesign> controls) {
    return firstWithFlag(controls, control_flag::cancelButton);
}

char accessKey(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        const char next = caption[i + 1];
        if (next == '&') {
            ++i;
            continue;
        }
        if (next >= 'a' && next <= 'z') return static_cast<char>(next - 'a' + 'A');
        return (next >= 'A' && next <= 'Z') || (next >= '0' && next <= '9') ? next : 0;
    }
    return 0;
}

bool isMenuBarAccessKey(std::span<const MenuDesign> menu, char key) {
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    return key != 0 && std::any_of(menu.begin(), menu.end(),
                                   [&](const MenuDesign& m) { return m.level == 1 && accessKey(m.caption) == key; });
}

}  // namespace parcelo
