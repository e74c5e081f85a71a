#include "platform/win32/child_window.h"

#include <commctrl.h>

#include "platform/win32/drive_list_win32.h"
#include "platform/win32/folder_list_win32.h"
#include "platform/win32/folder_view_win32.h"
#include "platform/win32/form_win32.h"

namespace parcelo::win32 {
namespace {

// The panel is a plain static; what its children report belongs to the form.
LRESULT CALLBACK panelProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return SendMessageW(GetAncestor(window, GA_ROOT), message, w, l);
    default:
        return DefSubclassProc(window, message, w, l);
    }
}

class PlainControl : public WindowControl<Control> {
public:
    PlainControl(Win32Form& form, const ControlDesign& design, HWND parent) : WindowControl(form, design) {
        switch (design.kind) {
        case ControlKind::Button:
            create(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, parent);
            break;
        case ControlKind::TextBox:
            create(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, parent);
            break;
        case ControlKind::Label:
            create(L"STATIC", SS_LEFT, 0, parent);
            break;
        default:
            create(L"STATIC", SS_LEFT | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent);
            SetWindowSubclass(hwnd_, panelProc, 1, 0);
            break;
        }
    }
    ~PlainControl() override {
        if (design_.kind == ControlKind::Panel) RemoveWindowSubclass(hwnd_, panelProc, 1);
    }

    void onCommand(WORD notification) override {
        if (design_.kind == ControlKind::Button && notification == BN_CLICKED) form_.raise(design_.name, Event::Click);
    }
    void takeFocus() override {
        SetFocus(hwnd_);
        if (design_.kind == ControlKind::TextBox) SendMessageW(hwnd_, EM_SETSEL, 0, -1);
    }
};

}  // namespace

void ChildWindow::create(const wchar_t* windowClass, DWORD style, DWORD exStyle, HWND parent) {
    hwnd_ = CreateWindowExW(exStyle, windowClass, widen(design_.caption).c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                            0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + design_.tab)),
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) throw lastError("コントロールの作成");
    applyDpi();
}

void ChildWindow::place() {
    SetWindowPos(hwnd_, nullptr, form_.toPixels(rect_.left), form_.toPixels(rect_.top), form_.toPixels(rect_.width),
                 form_.toPixels(rect_.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void ChildWindow::applyDpi() {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.font()), TRUE);
    place();
}

std::unique_ptr<ChildWindow> makeChild(Win32Form& form, const ControlDesign& design, HWND parent) {
    switch (design.kind) {
    case ControlKind::DriveList:
        return std::make_unique<Win32DriveList>(form, design, parent);
    case ControlKind::FolderList:
        return std::make_unique<Win32FolderList>(form, design, parent);
    case ControlKind::FolderView:
        return std::make_unique<Win32FolderView>(form, design, parent);
    default:
        return std::make_unique<PlainControl>(form, design, parent);
    }
}

}  // namespace parcelo::win32
