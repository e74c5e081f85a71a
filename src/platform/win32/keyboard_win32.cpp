// The form's keyboard: Tab order, the default and cancel buttons, and where access keys go.
#include "core/keyboard.h"
#include "core/tab_order.h"
#include "platform/win32/form_win32.h"

namespace parcelo::win32 {

bool Win32Form::canTakeFocus(const ControlDesign& c) {
    if (!isTabStop(design_.controls, c, [&](std::string_view name) { return find<Toggle>(name).checked(); }))
        return false;
    HWND h = child(c.name).hwnd();
    return IsWindowVisible(h) && IsWindowEnabled(h);
}

void Win32Form::moveFocus(bool forward) {
    const ChildWindow* current = childOf(GetFocus());
    const std::string_view next =
        nextInTabOrder(design_.controls, current ? current->design().name : std::string_view(), forward,
                       [&](const ControlDesign& c) { return canTakeFocus(c); });
    if (!next.empty()) child(next).takeFocus();
}

// The system's dialog keys ask the window which button Enter presses.
LRESULT Win32Form::defaultButtonId() {
    const ChildWindow* focused = childOf(GetFocus());
    const std::string_view button = enterButton(design_.controls, focused ? focused->design().name : "");
    return button.empty() ? 0 : MAKELRESULT(GetDlgCtrlID(child(button).hwnd()), DC_HASDEFID);
}

void Win32Form::pressCancel() {
    const std::string_view button = escapeButton(design_.controls);
    if (button.empty()) return;
    ChildWindow& cancel = child(button);
    if (IsWindowEnabled(cancel.hwnd())) cancel.onCommand(BN_CLICKED);
}

bool Win32Form::translate(MSG& message) {
    HWND window = window_.get();
    if (!window || (message.hwnd != window && !IsChild(window, message.hwnd))) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && !(GetKeyState(VK_CONTROL) & 0x8000)) {
        moveFocus(!(GetKeyState(VK_SHIFT) & 0x8000));
        return true;
    }
    for (auto& child : children_)
        if (child->translateKey(message)) return true;
    // The menu bar's access keys come before the controls'.
    if (message.message == WM_SYSCHAR && message.wParam < 0x80 &&
        isMenuBarAccessKey(design_.menu, static_cast<char>(message.wParam)))
        return false;
    return IsDialogMessageW(window, &message);
}

}  // namespace parcelo::win32
