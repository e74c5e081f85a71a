#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace parcelo {

// Writes the shortcut `linkName` to `linkPath` into `folder`, a folder relative to the user's
// Programs folder, replacing one of the same name. 1 when it was written, 0 otherwise: for a
// name that is not a plain file name, a target that does not exist, a folder that does not,
// or a failed write, which leaves nothing behind.
std::int32_t fCreateShellLink(Platform& platform, const std::string& folder, const std::string& linkName,
                              const std::string& linkPath, const std::string& linkArgs);
// The same into `folder` itself, a full path, with the icon the shortcut writer is given.
std::int32_t createShortcutIn(Platform& platform, const std::string& folder, const std::string& linkName,
                              const std::string& linkPath, const std::string& linkArgs, const std::string& iconOf = "",
                              std::optional<int> iconIndex = std::nullopt);

}  // namespace parcelo
