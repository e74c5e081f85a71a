#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace parcelo {

// The drive a text begins with, as "x:" in lower case; empty when it begins with no drive
// letter and colon.
std::string driveOf(std::string_view text);

// Whether the text names a whole drive: "x:" alone or with the volume label the drive list
// shows after it ("c: [Windows]").
bool isDriveDesignation(std::string_view text);

// The folders of a path after its drive ("C:"), with "." and ".." resolved by name as the
// system does: ".." never climbs above the drive. Both "\\" and "/" separate.
std::vector<std::string> pathComponents(std::string_view afterDrive);

}  // namespace parcelo
