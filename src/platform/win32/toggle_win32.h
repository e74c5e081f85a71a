#pragma once
#include "platform/win32/child_window.h"

namespace parcelo::win32 {

// A check box or an option button. The option group is the program's own, so that a selection
// made by the program clears the others and raises Click just as the user's does.
class Win32Toggle : public WindowControl<Toggle> {
public:
    Win32Toggle(Win32Form& form, const ControlDesign& design, HWND parent, bool beginsGroup);

    bool checked() const override;
    void setChecked(bool checked) override;
    void onCommand(WORD notification) override;

private:
    void showChecked(bool checked);
};

}  // namespace parcelo::win32
