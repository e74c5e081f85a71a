#include "core/new_folder_path.h"

#include <algorithm>
#include <string_view>

#include "core/windows_names.h"

namespace parcelo {

std::optional<std::string> newFolderPath(const std::string& parent, const std::string& name) {
    if (parent.empty()) return std::nullopt;
    const auto dotsAndBlanks = [](std::string_view part) { return part.find_first_not_of(". ") == std::string_view::npos; };
    const std::vector<std::string_view> parts = pathParts(name);
    if (std::any_of(parts.begin(), parts.end(), dotsAndBlanks)) return std::nullopt;
    return parent + "\\" + name;
}

}  // namespace parcelo
