#include "support/scripted_user.h"

#include <algorithm>
#include <utility>

namespace parcelo {

int ScriptedUser::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
    shown.push_back({text, caption, flags});
    if (buttons.empty()) return box::pressedOk;
    const int pressed = buttons.front();
    buttons.pop_front();
    return pressed;
}

std::string ScriptedUser::prompt(const std::string& prompt, const std::string& caption, const std::string&) {
    shown.push_back({prompt, caption, 0});
    if (typed.empty()) return {};
    std::string text = typed.front();
    typed.pop_front();
    return text;
}

std::optional<std::string> ScriptedUser::openFile(const std::string& filter, unsigned flags) {
    shown.push_back({filter, "open file", flags});
    return std::nullopt;
}

std::optional<std::string> ScriptedUser::popupMenu(const std::vector<PopupItem>& items, const SubmenuItems& submenus) {
    menus.push_back(items);
    for (const std::string& text : std::exchange(opened, {})) {
        const auto item = std::find_if(menus.back().begin(), menus.back().end(),
                                       [&](const PopupItem& shown) { return shown.text == text; });
        if (item == menus.back().end() || item->submenu == 0) break;
        menus.push_back(submenus(item->submenu));
    }
    if (chosenItems.empty()) return std::nullopt;
    std::optional<std::string> chosen = chosenItems.front();
    chosenItems.pop_front();
    return chosen;
}

}  // namespace parcelo
