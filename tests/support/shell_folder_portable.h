#pragma once
#include <map>
#include <set>
#include <string>

#include "support/file_system_portable.h"
#include "platform/shell_folder.h"

namespace parcelo {

// A folder's items on the portable file system. Shortcuts are shown without ".lnk", and an item
// given a name in displayNames, as desktop.ini can give one, by that name.
class PortableShellFolder : public ShellFolder {
public:
    explicit PortableShellFolder(PortableFileSystem& files) : files_(files) {}

    std::vector<FolderItem> items(const std::string& folder) override;
    std::string displayName(const std::string& path) override;
    // The host's device and inode.
    std::optional<FileIdentity> identity(const std::string& path) override;
    LinkTarget readLink(const std::string& file) override;
    bool slowToReach(const std::string& path) override;
    Reach reach(const std::string& path) override;
    void setHidden(const std::string& path, bool hidden) override;
    void rename(const std::string& path, const std::string& newName) override;
    // Removes the items, as the Recycle Bin takes them, unless the user says No.
    bool recycle(const std::vector<std::string>& paths) override;
    // Records the item.
    void showProperties(const std::string& path) override { propertiesShown.push_back(path); }
    // No item takes a drop here: an entry gets the paths through its shortcut.
    bool dropOn(const std::string&, const std::vector<std::string>&) override { return false; }

    // Drives ("E:") and shares ("\\\\server\\share"): on the network, looked at after the list is shown,
    // or not answering at all. Every share is on the network.
    std::set<std::string> slowRoots, silentRoots;
    std::vector<std::string> reached;    // the targets looked at, in order
    std::vector<std::string> listed;     // the folders whose items were read, in order
    std::set<std::string> unreadable;    // folders whose items cannot be read
    std::map<std::string, std::string> displayNames;  // by path
    std::vector<std::string> propertiesShown;
    bool refuseToRecycle = false;

private:
    PortableFileSystem& files_;
};

}  // namespace parcelo
