#include "cascade/cascade.h"

#include <algorithm>

#include "core/command_line.h"
#include "core/windows_names.h"
#include "platform/platform_error.h"

namespace parcelo {
namespace {

PopupItem emptyFolder() { return {"(空)", "", false, 0}; }

void sendTo(Platform& platform, const std::string& entry, const std::vector<std::string>& paths) {
    if (platform.folders.dropOn(entry, paths)) return;
    const LinkTarget link = platform.folders.readLink(entry);
    platform.shell.run(link.target, argumentsWithPaths(link.arguments, paths));
}

}  // namespace

CascadeMenu::CascadeMenu(ShellFolder& shell, std::string folder) : shell_(shell) {
    levels_.push_back({std::move(folder), 0, std::nullopt});
}

std::vector<PopupItem> CascadeMenu::top() {
    levels_[0].identity = shell_.identity(levels_[0].folder);
    std::vector<PopupItem> menu = itemsOf(0);
    if (menu.empty()) menu.push_back(emptyFolder());
    return menu;
}

// A folder that cannot be read, or is already open above, shows as empty.
std::vector<PopupItem> CascadeMenu::submenu(int number) {
    const size_t level = static_cast<size_t>(number);
    levels_.at(level).identity = shell_.identity(levels_[level].folder);
    std::vector<PopupItem> menu;
    if (!onTheWayDown(level)) {
        try {
            menu = itemsOf(level);
        } catch (const PlatformError&) {
        }
    }
    if (menu.empty()) menu.push_back(emptyFolder());
    return menu;
}

std::vector<PopupItem> CascadeMenu::itemsOf(size_t level) {
    std::vector<FolderItem> items = shell_.items(levels_[level].folder);
    std::stable_partition(items.begin(), items.end(), [](const FolderItem& item) { return item.directory; });
    std::vector<PopupItem> menu;
    for (const FolderItem& item : items) {
        if (item.hidden) continue;
        PopupItem entry{item.displayName, item.path, true, 0};
        if (item.directory) {
            levels_.push_back({item.path, level, std::nullopt});
            entry.submenu = static_cast<int>(levels_.size() - 1);
        }
        menu.push_back(std::move(entry));
    }
    return menu;
}

// Compared by what the file system says the folders are, so a link back to one of them counts too.
bool CascadeMenu::onTheWayDown(size_t level) const {
    for (size_t above = level; above != 0;) {
        above = levels_[above].parent;
        if (levels_[above].identity == levels_[level].identity) return true;
    }
    return false;
}

std::string argumentsWithPaths(const std::string& arguments, const std::vector<std::string>& paths) {
    std::string text = arguments;
    for (const std::string& path : paths) {
        if (!text.empty()) text += ' ';
        text += quoteArgument(path);
    }
    return text;
}

void runCascade(Platform& platform, const CascadeRequest& request) {
    CascadeMenu cascade(platform.folders, request.folder);
    std::vector<PopupItem> menu;
    try {
        menu = cascade.top();
    } catch (const PlatformError&) {
        platform.dialogs.messageBox("フォルダが見つかりません。\n" + request.folder, applicationTitle,
                                    box::ok | box::iconError);
        return;
    }
    const std::optional<std::string> chosen =
        platform.dialogs.popupMenu(menu, [&](int number) { return cascade.submenu(number); });
    if (!chosen) return;
    try {
        sendTo(platform, *chosen, request.paths);
    } catch (const PlatformError& failure) {
        platform.dialogs.messageBox("「" + std::string(lastPathPart(*chosen)) + "」に送れませんでした。\n\n" + failure.what(),
                                    applicationTitle, box::ok | box::iconError);
    }
}

}  // namespace parcelo
