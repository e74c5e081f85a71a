#include "cascade/cascade.h"

#include <algorithm>

#include "core/command_line.h"
#include "core/windows_names.h"
#include "platform/platform_error.h"

namespace parcelo {
namespace {

// Folders inside folders deeper than this are not opened: a link that loops would never end.
constexpr int deepest = 8;

PopupItem emptyFolder() { return {"(空)", "", false, {}}; }

std::vector<PopupItem> menuOf(ShellFolder& shell, const std::string& folder, int depth) {
    std::vector<FolderItem> items = shell.items(folder);
    std::stable_partition(items.begin(), items.end(), [](const FolderItem& item) { return item.directory; });
    std::vector<PopupItem> menu;
    for (const FolderItem& item : items) {
        if (item.hidden) continue;
        PopupItem entry{item.displayName, item.path, true, {}};
        if (item.directory) {
            if (depth < deepest) {
                try {
                    entry.submenu = menuOf(shell, item.path, depth + 1);
                } catch (const PlatformError&) {
                }
            }
            if (entry.submenu.empty()) entry.submenu.push_back(emptyFolder());
        }
        menu.push_back(std::move(entry));
    }
    return menu;
}

void sendTo(Platform& platform, const std::string& entry, const std::vector<std::string>& paths) {
    if (platform.folders.dropOn(entry, paths)) return;
    const LinkTarget link = platform.folders.readLink(entry);
    platform.shell.run(link.target, argumentsWithPaths(link.arguments, paths));
}

}  // namespace

std::vector<PopupItem> cascadeMenu(ShellFolder& shell, const std::string& folder) {
    std::vector<PopupItem> menu = menuOf(shell, folder, 0);
    if (menu.empty()) menu.push_back(emptyFolder());
    return menu;
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
    std::vector<PopupItem> menu;
    try {
        menu = cascadeMenu(platform.folders, request.folder);
    } catch (const PlatformError&) {
        platform.dialogs.messageBox("フォルダが見つかりません。\n" + request.folder, applicationTitle,
                                    box::ok | box::iconError);
        return;
    }
    const std::optional<std::string> chosen = platform.dialogs.popupMenu(menu);
    if (!chosen) return;
    try {
        sendTo(platform, *chosen, request.paths);
    } catch (const PlatformError& failure) {
        platform.dialogs.messageBox("「" + std::string(lastPathPart(*chosen)) + "」に送れませんでした。\n\n" + failure.what(),
                                    applicationTitle, box::ok | box::iconError);
    }
}

}  // namespace parcelo
