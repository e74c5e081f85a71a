#pragma once
#include "platform/win32/child_window.h"
#include "platform/win32/owners.h"

namespace parcelo::win32 {

// An address shown as a link: blue, underlined, on the dialogs' grey, with a pointing hand over it.
// Read-only and never a tab stop; a double click raises DblClick.
class Win32LinkBox : public WindowControl<Control> {
public:
    Win32LinkBox(Win32Form& form, const ControlDesign& design, HWND parent);
    ~Win32LinkBox() override;

    HBRUSH onColor(HDC dc) override;
    void applyDpi() override;

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self);

    UniqueFont font_;
    UniqueBrush background_;
    UniqueCursor hand_;
};

}  // namespace parcelo::win32
