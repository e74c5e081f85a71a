#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace parcelo {

// One item of a folder as the shell shows it.
struct FolderItem {
    std::string path;         // the item's full path
    std::string displayName;  // its name as the shell shows it (a shortcut without ".lnk", a localised name)
    std::string typeName;     // the shell's name for its kind
    bool directory = false;
    bool hidden = false;
};

// What a shortcut opens.
struct LinkTarget {
    std::string target;
    std::string arguments;
    friend bool operator==(const LinkTarget&, const LinkTarget&) = default;
};

// Which file or folder a path leads to: the same for a folder and for a link or junction to it.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

enum class Reach {
    Present,
    Missing,
    NoAnswer,  // its drive or share did not answer in time
};

// The shell's side of a folder's items. Every failing operation throws PlatformError.
class ShellFolder {
public:
    virtual ~ShellFolder() = default;

    // Every item of the folder, hidden ones included; the folder's desktop.ini left out.
    virtual std::vector<FolderItem> items(const std::string& folder) = 0;
    // The item's name as the shell shows it (a localised name, a drive's label); empty when the
    // shell cannot tell.
    virtual std::string displayName(const std::string& path) = 0;
    // Nothing when the path cannot be opened.
    virtual std::optional<FileIdentity> identity(const std::string& path) = 0;
    // Throws when the file is not a shortcut the shell can read.
    virtual LinkTarget readLink(const std::string& file) = 0;
    // Whether a path can only be looked at on a drive or share that may be slow to answer.
    virtual bool slowToReach(const std::string& path) = 0;
    // Never waits for more than a moment.
    virtual Reach reach(const std::string& path) = 0;
    virtual void setHidden(const std::string& path, bool hidden) = 0;
    // Renames an item inside its folder; never replaces another.
    virtual void rename(const std::string& path, const std::string& newName) = 0;
    // Moves the items to the Recycle Bin, with the shell's own confirmation; false when the user
    // called it off.
    virtual bool recycle(const std::vector<std::string>& paths) = 0;
    // Opens the shell's properties sheet of the item, which the user closes; returns at once.
    virtual void showProperties(const std::string& path) = 0;
    // Drops the paths on the item as the shell's Send To does; false when the shell gives the item no
    // drop target, or one that will not take them. Throws when the paths cannot be handed over.
    virtual bool dropOn(const std::string& item, const std::vector<std::string>& paths) = 0;
};

}  // namespace parcelo
