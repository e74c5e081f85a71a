#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/cascade_request.h"
#include "platform/platform.h"

namespace parcelo {

// The folder's entries as the Send To menu shows them: hidden ones left out, folders first and
// each a submenu of its own, an empty folder as one greyed "(空)".
std::vector<PopupItem> cascadeMenu(ShellFolder& shell, const std::string& folder);

// The argument text that hands the paths to a program after a shortcut's own arguments, each path
// quoted so that the program's splitter gives it back whole.
std::string argumentsWithPaths(const std::string& arguments, const std::vector<std::string>& paths);

// Shows the menu and sends the paths to the entry chosen. A folder that is not there, or an entry
// that cannot take the paths, is reported in one box; nothing else is ever shown.
void runCascade(Platform& platform, const CascadeRequest& request);

}  // namespace parcelo
