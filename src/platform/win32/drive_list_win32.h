#pragma once
#include "platform/win32/child_window.h"

namespace parcelo::win32 {

// A drop-down list of the machine's drives, each as its letter and colon, with the volume label once shown.
class Win32DriveList : public WindowControl<DriveList> {
public:
    Win32DriveList(Win32Form& form, const ControlDesign& design, HWND parent);

    std::string drive() const override { return text(); }
    void setDrive(const std::string& text) override;
    void refresh() override;
    // As high as the system made the closed box.
    TwipsRect rect() const override;

    void onCommand(WORD notification) override;
    void applyDpi() override;
    void beforeShowing() override;

private:
    void select(int index);
    // Throws when the drive's root cannot be read.
    void requireReady(const std::string& drive) const;
    int selected_ = -1;
    bool shown_ = false;
};

}  // namespace parcelo::win32
