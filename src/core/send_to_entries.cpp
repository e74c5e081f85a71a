#include "core/send_to_entries.h"

#include <algorithm>

#include "core/cascade_request.h"
#include "core/command_line.h"
#include "core/windows_names.h"

namespace parcelo {
namespace {

bool endsWithLnk(const std::string& path) {
    return path.size() >= 4 && sameIgnoringCase(std::string_view(path).substr(path.size() - 4), ".lnk");
}

// An unreadable shortcut keeps no link.
void readLinkOf(ShellFolder& shell, SendToEntry& entry) {
    if (!entry.shortcut) return;
    try {
        entry.link = shell.readLink(entry.item.path);
    } catch (const std::exception&) {
    }
}

// "D:" of a drive path, "\\server\share" of a network one.
std::string rootOf(const std::string& path) {
    if (!path.starts_with("\\\\")) return path.substr(0, 2);
    const size_t server = path.find('\\', 2);
    return path.substr(0, server == std::string::npos ? path.size() : path.find('\\', server + 1));
}

void lookAtTarget(ShellFolder& shell, SendToEntry& entry) {
    entry.reach = shell.reach(entry.link->target);
    entry.reachPending = false;
}

}  // namespace

std::vector<SendToEntry> readSendToEntries(ShellFolder& shell, const std::string& folder) {
    std::vector<SendToEntry> entries;
    for (FolderItem& item : shell.items(folder)) {
        SendToEntry entry;
        entry.item = std::move(item);
        entry.shortcut = !entry.item.directory && endsWithLnk(entry.item.path);
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<SendToEntry> readSendToLinks(ShellFolder& shell, const std::string& folder) {
    std::vector<SendToEntry> entries = readSendToEntries(shell, folder);
    for (SendToEntry& entry : entries) readLinkOf(shell, entry);
    return entries;
}

void readDetails(ShellFolder& shell, SendToEntry& entry) {
    entry.detailsPending = false;
    readLinkOf(shell, entry);
    if (entry.link) {
        if (shell.slowToReach(entry.link->target))
            entry.reachPending = true;
        else
            lookAtTarget(shell, entry);
    }
}

void checkPendingTargets(ShellFolder& shell, std::vector<SendToEntry>& entries) {
    std::vector<std::string> silent;  // the roots that did not answer
    for (SendToEntry& entry : entries) {
        if (!entry.reachPending) continue;
        const std::string root = rootOf(entry.link->target);
        if (std::any_of(silent.begin(), silent.end(), [&](const std::string& r) { return sameWindowsPath(r, root); })) {
            entry.reach = Reach::NoAnswer;
            entry.reachPending = false;
            continue;
        }
        lookAtTarget(shell, entry);
        if (entry.reach == Reach::NoAnswer) silent.push_back(root);
    }
}

bool isBroken(const SendToEntry& entry) { return entry.link && !entry.reachPending && entry.reach == Reach::Missing; }

bool isDuplicate(const std::vector<SendToEntry>& entries, size_t index) {
    const SendToEntry& entry = entries[index];
    if (!entry.link) return false;
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::optional<LinkTarget>& other = entries[i].link;
        if (i != index && other && other->arguments == entry.link->arguments &&
            sameWindowsPath(other->target, entry.link->target))
            return true;
    }
    return false;
}

std::optional<size_t> submenuFolderOf(const std::vector<SendToEntry>& entries, size_t index) {
    const std::optional<LinkTarget>& link = entries[index].link;
    if (!link) return std::nullopt;
    const std::optional<CascadeRequest> request = cascadeRequest(splitArguments(link->arguments));
    if (!request) return std::nullopt;
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].item.directory && sameWindowsPath(entries[i].item.path, request->folder)) return i;
    return std::nullopt;
}

std::optional<size_t> submenuShortcutOf(const std::vector<SendToEntry>& entries, size_t index) {
    if (!entries[index].item.directory) return std::nullopt;
    for (size_t i = 0; i < entries.size(); ++i)
        if (submenuFolderOf(entries, i) == index) return i;
    return std::nullopt;
}

std::string targetText(const SendToEntry& entry) {
    if (!entry.shortcut) return entry.item.typeName;
    if (!entry.link) return "(ショートカットを読み取れません)";
    if (entry.link->arguments.empty()) return entry.link->target;
    return entry.link->target + " " + entry.link->arguments;
}

std::string stateText(const std::vector<SendToEntry>& entries, size_t index) {
    const SendToEntry& entry = entries[index];
    std::vector<const char*> states;
    const bool submenuFolder = submenuShortcutOf(entries, index).has_value();
    if (submenuFolder || submenuFolderOf(entries, index)) states.push_back("サブメニュー");
    // A submenu's folder is hidden so that Explorer lists only its shortcut.
    if (entry.item.hidden && !submenuFolder) states.push_back("無効");
    if (isBroken(entry)) states.push_back("リンク切れ");
    if (entry.link && !entry.reachPending && entry.reach == Reach::NoAnswer) states.push_back("確認できません");
    if (isDuplicate(entries, index)) states.push_back("重複");
    std::string text;
    for (const char* state : states) text += (text.empty() ? "" : "、") + std::string(state);
    return text;
}

}  // namespace parcelo
