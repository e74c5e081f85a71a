#include "core/new_folder_path.h"

#include <string_view>

namespace parcelo {
namespace {

bool isDotsAndBlanks(std::string_view part) {
    return !part.empty() && part.find_first_not_of(". ") == std::string_view::npos;
}

}  // namespace

std::optional<std::string> newFolderPath(const std::string& parent, const std::string& name) {
    if (parent.empty()) return std::nullopt;
    const std::string_view typed = name;
    for (size_t start = 0; start <= typed.size();) {
        size_t end = typed.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = typed.size();
        if (isDotsAndBlanks(typed.substr(start, end - start))) return std::nullopt;
        start = end + 1;
    }
    return parent + "\\" + name;
}

}  // namespace parcelo
