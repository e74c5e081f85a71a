#pragma once
#include <string_view>

namespace parcelo {

// Whether a typed shortcut name can only name a file inside its folder: no separators, no
// characters Windows forbids, not "." or "..", no device name, no trailing dot or blank, not
// blank, and short enough with ".lnk" (and ".new" while it is written) for one path component.
bool isPlainFileName(std::string_view name);

}  // namespace parcelo
