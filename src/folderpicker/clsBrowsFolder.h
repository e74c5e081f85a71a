#pragma once
#include <cstdint>
#include <string>

#include "platform/folder_browser.h"

namespace parcelo {

// One pick in the shell's folder-browse dialog: set the title, flags and root, call mShowDialog,
// then read the chosen folder's path and display name. Shows nothing of its own.
class clsBrowsFolder {
public:
    explicit clsBrowsFolder(FolderBrowser& shell) : shell_(shell) {}

    std::string pPathName() const { return pathName_; }
    std::string pDisplayName() const { return displayName_; }
    // True when the user chose an item, which may have no file-system path (pPathName empty).
    // Replaces both results on every call.
    bool mShowDialog();
    void pFlags(std::int32_t enumNewFlags) { flags_ = enumNewFlags; }
    std::int32_t pFlags() const { return flags_; }
    void pDialogTitle(const std::string& strNewTitle) { dialogTitle_ = strNewTitle; }
    std::string pDialogTitle() const { return dialogTitle_; }
    // The root as an item-id list that stays valid while the dialog shows; 0 is the desktop.
    // Used while pUseDir is false.
    ItemIdHandle pInitDir() const { return initDir_; }
    void pInitDir(ItemIdHandle enumNewRoot) { initDir_ = enumNewRoot; }
    // Whether the root is given as a path (pUseInitDir) rather than as a list (pInitDir).
    bool pUseDir() const { return useDir_; }
    void pUseDir(bool booUse) { useDir_ = booUse; }
    // The root as a path; empty, or one the shell cannot find, is the desktop.
    std::string pUseInitDir() const { return useInitDir_; }
    void pUseInitDir(const std::string& strNewRoot) { useInitDir_ = strNewRoot; }
    // The folder selected as the dialog opens; empty: the shell's choice.
    std::string pSelectDir() const { return selectDir_; }
    void pSelectDir(const std::string& strNewSelection) { selectDir_ = strNewSelection; }
    // The owner window's handle; 0 is none.
    void pTarget(std::int32_t lngNewWindow) { target_ = lngNewWindow; }
    std::int32_t pTarget() const { return target_; }

private:
    FolderBrowser& shell_;
    std::int32_t target_ = 0;
    std::int32_t flags_ = 0;
    std::string dialogTitle_;
    std::string useInitDir_;
    std::string selectDir_;
    ItemIdHandle initDir_ = 0;
    bool useDir_ = false;
    std::string pathName_;
    std::string displayName_;
};

}  // namespace parcelo
