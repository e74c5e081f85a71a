#pragma once
#include <string>
#include <vector>

namespace parcelo {

// One line of the folder list.
struct FolderEntry {
    std::string path;  // full path; the root ends in "\"
    std::string name;  // what the line shows: the root as "c:\", a folder by its name
    int depth;         // indentation, 0 for the root
    bool open;         // a folder along the path, as opposed to one of its subfolders
};

// The classic folder list for a full path such as "C:\Users\u": the drive's root, each folder along
// the path indented under its parent, then the path's subfolders (names in the order given) one
// level further in.
std::vector<FolderEntry> folderTree(const std::string& path, const std::vector<std::string>& subfolders);

}  // namespace parcelo
