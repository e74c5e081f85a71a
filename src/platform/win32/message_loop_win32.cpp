// Modal showing and the message loops.
#include "platform/win32/callback_guard.h"
#include "platform/win32/form_win32.h"
#include "platform/win32/ui_win32.h"
#include "platform/win32/window_class_win32.h"

namespace parcelo::win32 {

void Win32Form::showModal() {
    for (HWND other : threadWindowsOf(windowProc)) {
        if (other != window_.get() && IsWindowEnabled(other)) {
            EnableWindow(other, FALSE);
            disabledByModal_.push_back(other);
        }
    }
    modal_ = true;
    ShowWindow(window_.get(), SW_SHOWNORMAL);
    // The first showing starts at the first control in tab order; a later one where the user left off.
    if (!IsChild(window_.get(), GetFocus())) moveFocus(true);
    announceFirstShowing();
    MSG message;
    while (window_ && IsWindowVisible(window_.get())) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));  // for the loop outside
            break;
        }
        dispatchMessage(message);
    }
    endModal();
}

void Win32Form::endModal() {
    if (!modal_) return;
    modal_ = false;
    // Before the window goes, or the system would hand the activation to another program.
    for (HWND h : disabledByModal_)
        if (IsWindow(h)) EnableWindow(h, TRUE);
    disabledByModal_.clear();
}

void dispatchMessage(MSG& message) {
    Win32Form* form = Win32Form::of(GetAncestor(message.hwnd, GA_ROOT));
    // A failure in the keyboard rules drops the message rather than reaching the system's loop.
    if (form && guardCallback(form->dialogs(), true, [&] { return form->translate(message); })) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatchMessage(message);
    return static_cast<int>(message.wParam);
}

}  // namespace parcelo::win32
