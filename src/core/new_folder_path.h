#pragma once
#include <optional>
#include <string>

namespace parcelo {

// The folder to make for a name typed into the new-folder prompt: `parent`, "\", then the name as
// typed, which may hold separators ("a\b" makes b inside an existing a). Nothing when that could
// lie outside `parent`: `parent` is empty, or a part of the name is dots and blanks alone ("..",
// ". "), which the system reads as the folder itself or one above it.
std::optional<std::string> newFolderPath(const std::string& parent, const std::string& name);

}  // namespace parcelo
