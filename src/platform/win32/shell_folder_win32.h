#pragma once
#include "platform/shell_folder.h"

namespace parcelo::win32 {

// A folder's items through the shell: display names and kinds as Explorer shows them, shortcuts
// through IShellLinkW, the Recycle Bin through the shell's file operation.
class Win32ShellFolder : public ShellFolder {
public:
    std::vector<FolderItem> items(const std::string& folder) override;
    std::string displayName(const std::string& path) override;
    std::optional<FileIdentity> identity(const std::string& path) override;
    LinkTarget readLink(const std::string& file) override;
    bool slowToReach(const std::string& path) override;
    Reach reach(const std::string& path) override;
    void setHidden(const std::string& path, bool hidden) override;
    void rename(const std::string& path, const std::string& newName) override;
    bool recycle(const std::vector<std::string>& paths) override;
    void showProperties(const std::string& path) override;
    bool dropOn(const std::string& item, const std::vector<std::string>& paths) override;
};

}  // namespace parcelo::win32
