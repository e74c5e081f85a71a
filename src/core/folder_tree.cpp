#include "core/folder_tree.h"

#include <cctype>

namespace parcelo {

std::vector<FolderEntry> folderTree(const std::string& path, const std::vector<std::string>& subfolders) {
    std::vector<FolderEntry> entries;
    if (path.size() < 2) return entries;
    const std::string root = path.substr(0, 2) + "\\";
    std::string shown = root;
    shown[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(shown[0])));
    entries.push_back({root, shown, 0, true});
    for (size_t start = 3; start < path.size();) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        if (end > start)
            entries.push_back({path.substr(0, end), path.substr(start, end - start), static_cast<int>(entries.size()), true});
        start = end + 1;
    }
    const std::string& last = entries.back().path;
    const std::string prefix = last.back() == '\\' ? last : last + "\\";
    const int depth = static_cast<int>(entries.size());
    entries.reserve(entries.size() + subfolders.size());
    for (const std::string& name : subfolders) entries.push_back({prefix + name, name, depth, false});
    return entries;
}

}  // namespace parcelo
