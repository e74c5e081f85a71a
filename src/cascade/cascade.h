#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/cascade_request.h"
#include "platform/platform.h"

namespace parcelo {

// The folder's entries as the Send To menu shows them: hidden ones left out, folders first and
// each a submenu of its own, an empty folder as one greyed "(空)". Each level is read only when it
// opens, and a folder already on the way down to it (through a link or a junction) is not opened again.
class CascadeMenu {
public:
    CascadeMenu(ShellFolder& shell, std::string folder);

    // The top level; throws when the folder cannot be read.
    std::vector<PopupItem> top();
    // The items of a submenu that an item of an earlier level opens.
    std::vector<PopupItem> submenu(int number);

private:
    struct Level {
        std::string folder;
        size_t parent;  // the level whose item opens it
        std::optional<FileIdentity> identity;
    };
    std::vector<PopupItem> itemsOf(size_t level);
    bool onTheWayDown(size_t level) const;

    ShellFolder& shell_;
    std::vector<Level> levels_;  // the top first, then every submenu in the order its item was listed
};

// The argument text that hands the paths to a program after a shortcut's own arguments, each path
// quoted so that the program's splitter gives it back whole.
std::string argumentsWithPaths(const std::string& arguments, const std::vector<std::string>& paths);

// Shows the menu and sends the paths to the entry chosen. A folder that is not there, or an entry
// that cannot take the paths, is reported in one box; nothing else is ever shown.
void runCascade(Platform& platform, const CascadeRequest& request);

}  // namespace parcelo
