#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/shell_folder.h"

namespace parcelo {

// An entry that Windows 10 and 11 put into every new user's Send To folder: an empty file whose
// extension the shell hands to a handler of its own, shown by the name desktop.ini gives it.
struct StandardEntry {
    std::string_view file;           // its name in the folder
    std::string_view shown;          // what a Japanese system shows for it
    std::string_view localizedName;  // its [LocalizedFileNames] value
};

// The standard entries of which the folder has no item of the same name (without regard to case);
// one switched off is there.
std::vector<StandardEntry> missingStandardEntries(const std::vector<FolderItem>& items);

// What putting the missing standard entries back writes.
struct RestorePlan {
    std::vector<StandardEntry> missing;
    std::optional<std::string> desktopIni;  // its bytes afterwards; nothing when it cannot be read
    bool desktopIniChanges = false;
};

RestorePlan planRestore(FileSystem& files, const std::string& folder, const std::vector<FolderItem>& items);
// The question asked before anything is written, or when nothing is missing, the answer.
std::string restoreText(const RestorePlan& plan);
// Writes desktop.ini first, so a failure part-way leaves at most names for files not yet there.
void restoreStandardEntries(FileSystem& files, const std::string& folder, const RestorePlan& plan);

}  // namespace parcelo
