#pragma once
#include <string>

#include "platform/folder_browser.h"

namespace parcelo {

// One pick in the shell's folder-browse dialog, rooted at the desktop: set the title, call mShowDialog,
// then read the chosen folder's path. Shows nothing of its own.
class clsBrowsFolder {
public:
    explicit clsBrowsFolder(FolderBrowser& shell) : shell_(shell) {}

    std::string pPathName() const { return pathName_; }
    // True when the user chose an item, which may have no file-system path (pPathName empty).
    // Replaces the path on every call.
    bool mShowDialog();

    void pDialogTitle(const std::string& strNewTitle) { dialogTitle_ = strNewTitle; }

private:
    FolderBrowser& shell_;
    std::string dialogTitle_;
    std::string pathName_;
};

}  // namespace parcelo
