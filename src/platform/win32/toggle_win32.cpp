#include "platform/win32/toggle_win32.h"

#include "core/option_group.h"
#include "platform/win32/form_win32.h"

namespace parcelo::win32 {

Win32Toggle::Win32Toggle(Win32Form& form, const ControlDesign& design, HWND parent, bool beginsGroup)
    : WindowControl(form, design) {
    const bool option = design.kind == ControlKind::OptionButton;
    // Plain radio buttons: the system would check them on a click but not clear the others.
    create(L"BUTTON", (option ? BS_RADIOBUTTON : BS_AUTOCHECKBOX) | WS_TABSTOP | (beginsGroup ? WS_GROUP : 0), 0,
           parent);
    showChecked((design.flags & control_flag::checked) != 0);
}

bool Win32Toggle::checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Win32Toggle::showChecked(bool checked) { SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }

void Win32Toggle::setChecked(bool checked) {
    if (checked == this->checked()) return;
    const bool click = applyCheck(form_.design().controls, design_, checked, [&](std::string_view other) {
        dynamic_cast<Win32Toggle&>(form_.toggle(other)).showChecked(false);
    });
    showChecked(checked);
    if (click) form_.raise(design_.name, Event::Click);
}

void Win32Toggle::onCommand(WORD notification) {
    if (notification != BN_CLICKED) return;
    if (design_.kind == ControlKind::OptionButton)
        setChecked(true);
    else
        form_.raise(design_.name, Event::Click);  // the system has turned the box over
}

}  // namespace parcelo::win32
