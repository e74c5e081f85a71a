#include "core/folder_tree.h"

#include <cctype>

#include "core/windows_names.h"

namespace parcelo {

std::vector<FolderEntry> folderTree(const std::string& path, const std::vector<std::string>& subfolders) {
    std::vector<FolderEntry> entries;
    if (path.size() < 2) return entries;
    const std::string root = path.substr(0, 2) + "\\";
    std::string shown = root;
    shown[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(shown[0])));
    entries.push_back({root, shown, 0, true});
    const std::string_view afterRoot = path.size() > 3 ? std::string_view(path).substr(3) : "";
    for (const std::string_view part : pathParts(afterRoot)) {
        const size_t end = static_cast<size_t>(part.data() - path.data()) + part.size();
        entries.push_back({path.substr(0, end), std::string(part), static_cast<int>(entries.size()), true});
    }
    const std::string& last = entries.back().path;
    const std::string prefix = last.back() == '\\' ? last : last + "\\";
    const int depth = static_cast<int>(entries.size());
    entries.reserve(entries.size() + subfolders.size());
    for (const std::string& name : subfolders) entries.push_back({prefix + name, name, depth, false});
    return entries;
}

}  // namespace parcelo
