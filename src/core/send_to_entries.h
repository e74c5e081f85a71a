#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/shell_folder.h"

namespace parcelo {

// One entry of the Send To folder, with what is known of what it opens.
struct SendToEntry {
    FolderItem item;
    bool shortcut = false;           // a ".lnk" file
    std::optional<LinkTarget> link;  // what the shortcut opens, when it could be read
    Reach reach = Reach::Present;    // of the shortcut's target
    bool reachPending = false;       // its target is looked at only after the list is shown
    bool detailsPending = true;      // its shortcut is read only after every name is listed
};

// Every entry of the folder, with its name and kind as the listing gives them and nothing more.
std::vector<SendToEntry> readSendToEntries(ShellFolder& shell, const std::string& folder);
// Every entry with what its shortcut opens, for a command that looks for one; no target is looked at.
std::vector<SendToEntry> readSendToLinks(ShellFolder& shell, const std::string& folder);
// Reads the entry's shortcut. Its target is looked at now when it answers at once; on a drive or
// share that may be slow it is left pending, for checkPendingTargets.
void readDetails(ShellFolder& shell, SendToEntry& entry);
// Looks at the pending targets. Once a drive or share has not answered, the other targets on it
// are not waited for again.
void checkPendingTargets(ShellFolder& shell, std::vector<SendToEntry>& entries);

// A shortcut whose target is known not to exist.
bool isBroken(const SendToEntry& entry);
// Another entry opens the same target with the same arguments.
bool isDuplicate(const std::vector<SendToEntry>& entries, size_t index);

// The folder of the list that a shortcut opens as a submenu ("/menu FOLDER"), if it is one.
std::optional<size_t> submenuFolderOf(const std::vector<SendToEntry>& entries, size_t index);
// The shortcut of the list that opens a folder as a submenu, if there is one.
std::optional<size_t> submenuShortcutOf(const std::vector<SendToEntry>& entries, size_t index);

// The "リンク先" column: a shortcut's target and arguments, another entry's kind.
std::string targetText(const SendToEntry& entry);
// The "状態" column: empty, or its states joined with "、".
std::string stateText(const std::vector<SendToEntry>& entries, size_t index);

}  // namespace parcelo
