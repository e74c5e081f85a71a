#include "platform/portable/scripted_user.h"

namespace parcelo {

int ScriptedUser::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
    shown.push_back({text, caption, flags});
    if (buttons.empty()) return box::pressedOk;
    const int pressed = buttons.front();
    buttons.pop_front();
    return pressed;
}

}  // namespace parcelo
