#include "copymove/copy_move.h"

#include <algorithm>

#include "core/recent_destinations.h"
#include "core/windows_names.h"
#include "folderpicker/clsBrowsFolder.h"
#include "platform/platform_error.h"

namespace parcelo {
namespace {

// The shell's browse flags: file-system folders only, in the resizable dialog with its new-folder button.
constexpr std::int32_t onlyFileSystemFolders = 0x0001;
constexpr std::int32_t newDialogStyle = 0x0040;

// The folder's name as the shell shows it, else its own name; a drive's root is its path.
std::string nameOf(ShellFolder& shell, const std::string& folder) {
    if (std::string name = shell.displayName(folder); !name.empty()) return name;
    std::string path = folder;
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    if (path.back() == '\\') return path;
    return std::string(lastPathPart(path));
}

// A menu shows "&&" as "&" and takes a lone "&" for the next letter's underline.
std::string menuText(const std::string& text) {
    std::string escaped;
    for (const char c : text) escaped += c == '&' ? std::string("&&") : std::string(1, c);
    return escaped;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\n" + line;
    return text;
}

void tell(Platform& platform, const std::string& text, unsigned icon) {
    platform.dialogs.messageBox(text, applicationTitle, box::ok | icon);
}

// The folder picked in the browse dialog, opened at the latest destination; empty when none was.
std::string pickedFolder(Platform& platform, Transfer transfer, const std::vector<std::string>& recent) {
    clsBrowsFolder picker(platform.folderBrowser);
    picker.pDialogTitle(transfer == Transfer::Copy ? "コピー先のフォルダーを選んでください。"
                                                   : "移動先のフォルダーを選んでください。");
    picker.pFlags(onlyFileSystemFolders | newDialogStyle);
    if (!recent.empty()) picker.pSelectDir(recent.front());
    picker.mShowDialog();
    return picker.pPathName();
}

}  // namespace

std::vector<PopupItem> destinationMenu(ShellFolder& shell, Transfer transfer, const std::vector<std::string>& recent) {
    std::vector<PopupItem> menu{{transfer == Transfer::Copy ? "コピー先" : "移動先", "", false, {}}};
    std::vector<std::string> names;
    for (const std::string& folder : recent) names.push_back(nameOf(shell, folder));
    for (size_t i = 0; i < recent.size(); ++i) {
        const bool shared = std::count(names.begin(), names.end(), names[i]) > 1;
        menu.push_back({menuText(shared ? names[i] + " (" + recent[i] + ")" : names[i]), recent[i], true, {}});
    }
    PopupItem separator;
    separator.separator = true;
    menu.push_back(separator);
    menu.push_back({"フォルダーを選ぶ(&F)...", chooseFolderCommand, true, {}});
    menu.push_back({"履歴を消す(&H)", clearRecentCommand, true, {}});
    return menu;
}

void runCopyMove(Platform& platform, FileOperation& operation, const CopyMoveRequest& request) {
    const std::string verb = request.transfer == Transfer::Copy ? "コピー" : "移動";
    if (request.paths.empty()) {
        tell(platform, verb + "する項目がありません。", box::iconWarning);
        return;
    }
    const RecentDestinations store(platform);
    const std::vector<std::string> recent = store.read();
    const std::optional<std::string> chosen =
        platform.dialogs.popupMenu(destinationMenu(platform.folders, request.transfer, recent), {});  // no submenus
    if (!chosen) return;
    if (*chosen == clearRecentCommand) {
        store.write({});
        return;
    }
    std::string folder = *chosen;
    if (folder == chooseFolderCommand) {
        folder = pickedFolder(platform, request.transfer, recent);
        if (folder.empty()) return;
    } else if (!platform.files.attributes(folder).directory) {
        tell(platform, "フォルダが見つかりません。\n" + folder, box::iconError);
        store.write(without(recent, folder));
        return;
    }

    std::vector<std::string> present;
    std::vector<std::string> missing;
    for (const std::string& path : request.paths) {
        // Only a folder can hold the destination, which is there.
        if (isWithin(folder, path)) {
            tell(platform, "フォルダーをそれ自身の中へ" + verb + "することはできません。\n" + path, box::iconError);
            return;
        }
        (platform.files.attributes(path).exists ? present : missing).push_back(path);
    }
    if (!missing.empty()) {
        const std::string rest = present.empty() ? "" : "ほかの項目は" + verb + "します。";
        tell(platform, "次の項目が見つかりません。" + rest + "\n" + joined(missing), box::iconWarning);
    }
    if (present.empty()) return;
    store.write(withFirst(recent, folder));
    try {
        operation.transfer(request.transfer, present, folder);
    } catch (const PlatformError& failure) {
        tell(platform, verb + "できませんでした。\n\n" + failure.what(), box::iconError);
    }
}

}  // namespace parcelo
