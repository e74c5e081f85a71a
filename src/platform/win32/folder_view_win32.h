#pragma once
#include <shobjidl.h>
#include <wrl/client.h>

#include "platform/win32/child_window.h"
#include "platform/win32/owners.h"

namespace parcelo::win32 {

// The shell's own view of a folder, hosted in a static that holds its place in the window; made when the
// window is first shown.
class Win32FolderView : public WindowControl<FolderView> {
public:
    Win32FolderView(Win32Form& form, const ControlDesign& design, HWND parent);
    ~Win32FolderView() override;

    void navigate(const std::string& path) override;
    void refresh() override;

    bool translateKey(MSG& message) override;
    void takeFocus() override;
    void afterShowing() override;

private:
    void place() override;

    Microsoft::WRL::ComPtr<IExplorerBrowser> browser_;
    // Where the view goes when it is made.
    UniqueIdList pending_;
    bool shown_ = false;
};

}  // namespace parcelo::win32
