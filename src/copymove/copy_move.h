#pragma once
#include <string>
#include <vector>

#include "core/copy_move_request.h"
#include "platform/file_operation.h"
#include "platform/platform.h"

namespace parcelo {

// What the two commands at the foot of the menu give when chosen; "?" is in no path.
inline constexpr const char* chooseFolderCommand = "?choose";
inline constexpr const char* clearRecentCommand = "?clear";

// The menu of destinations: what will happen, greyed; the recent folders by the names the shell
// shows, with the path where two names are the same; the browse dialog; and the command that
// empties the list.
std::vector<PopupItem> destinationMenu(ShellFolder& shell, Transfer transfer, const std::vector<std::string>& recent);

// Shows the menu, then has the shell copy or move the items to the folder chosen. Whatever cannot
// be sent is said before anything starts; a success and a cancel say nothing.
void runCopyMove(Platform& platform, FileOperation& operation, const CopyMoveRequest& request);

}  // namespace parcelo
