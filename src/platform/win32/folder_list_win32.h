#pragma once
#include <vector>

#include "core/folder_tree.h"
#include "platform/win32/child_window.h"
#include "platform/win32/owners.h"

namespace parcelo::win32 {

// The folders of the current path from the drive root down, each open one indented under its
// parent, then the current folder's subfolders. Opening an entry changes the path.
class Win32FolderList : public WindowControl<FolderList> {
public:
    Win32FolderList(Win32Form& form, const ControlDesign& design, HWND parent);

    std::string path() const override { return narrow(path_); }
    void setPath(const std::string& path) override;
    void refresh() override;

    void onCommand(WORD notification) override;
    void onMeasureItem(MEASUREITEMSTRUCT& item) override;
    void onDrawItem(const DRAWITEMSTRUCT& item) override;
    bool translateKey(MSG& message) override;
    void applyDpi() override;

private:
    void fill();
    void openSelected();
    int itemHeight() const;

    std::wstring path_;
    std::vector<FolderEntry> entries_;
    UniqueIcon closedIcon_, openIcon_;
    bool iconsLoaded_ = false;
};

}  // namespace parcelo::win32
