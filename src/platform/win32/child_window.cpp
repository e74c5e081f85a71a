#include "platform/win32/child_window.h"

#include <commctrl.h>

#include "platform/control_ids.h"
#include "platform/win32/drive_list_win32.h"
#include "platform/win32/errors_win32.h"
#include "platform/win32/folder_list_win32.h"
#include "platform/win32/folder_view_win32.h"
#include "platform/win32/form_win32.h"
#include "platform/win32/link_box_win32.h"
#include "platform/win32/report_list_win32.h"
#include "platform/win32/toggle_win32.h"
#include "platform/win32/window_class_win32.h"

namespace parcelo::win32 {
namespace {

// A container (the panel, a frame) is a plain standard control; what its children report belongs to the form.
// A frame, a group box, paints only its line and caption; `erases` makes it fill the rest with the brush
// its window gives it, since the window's clipping keeps the window from painting there.
LRESULT CALLBACK containerProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR erases) {
    switch (message) {
    case WM_ERASEBKGND:
        if (erases) {
            const auto dc = reinterpret_cast<HDC>(w);
            const auto brush = reinterpret_cast<HBRUSH>(
                SendMessageW(GetAncestor(window, GA_ROOT), WM_CTLCOLORSTATIC, w, reinterpret_cast<LPARAM>(window)));
            RECT r;
            GetClientRect(window, &r);
            FillRect(dc, &r, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
            return TRUE;
        }
        return DefSubclassProc(window, message, w, l);
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
    PlainControl(Win32Form& form, const ControlDesign& design, HWND parent, bool beginsGroup)
        : WindowControl(form, design) {
        const DWORD group = beginsGroup ? WS_GROUP : 0;
        switch (design.kind) {
        case ControlKind::Button: {
            const bool isDefault = design.flags & control_flag::defaultButton;
            create(L"BUTTON", (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | group, 0, parent);
            break;
        }
        case ControlKind::TextBox:
            create(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | group, WS_EX_CLIENTEDGE, parent);
            break;
        case ControlKind::Label:
            create(L"STATIC", SS_LEFT | group, 0, parent);
            break;
        case ControlKind::Picture:
            create(L"STATIC", SS_ICON | SS_CENTERIMAGE | group, 0, parent);
            SendMessageW(hwnd_, STM_SETICON, reinterpret_cast<WPARAM>(programIcon(32)), 0);
            place();
            break;
        case ControlKind::Frame:
            create(L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN | group, WS_EX_CONTROLPARENT, parent);
            SetWindowSubclass(hwnd_, containerProc, 1, 1);
            break;
        default:
            create(L"STATIC", SS_LEFT | WS_CLIPCHILDREN | group, WS_EX_CONTROLPARENT, parent);
            SetWindowSubclass(hwnd_, containerProc, 1, 0);
            break;
        }
    }
    ~PlainControl() override {
        if (isContainer()) RemoveWindowSubclass(hwnd_, containerProc, 1);
    }

    void onCommand(WORD notification) override {
        if (design_.kind == ControlKind::Button && notification == BN_CLICKED) form_.raise(design_.name, Event::Click);
    }
    void takeFocus() override {
        SetFocus(hwnd_);
        if (design_.kind == ControlKind::TextBox) SendMessageW(hwnd_, EM_SETSEL, 0, -1);
    }

private:
    bool isContainer() const { return design_.kind == ControlKind::Panel || design_.kind == ControlKind::Frame; }
};

}  // namespace

void ChildWindow::create(const wchar_t* windowClass, DWORD style, DWORD exStyle, HWND parent) {
    hwnd_ = CreateWindowExW(exStyle, windowClass, widen(design_.caption).c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                            0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(design_))),
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) throw lastError("コントロールの作成");
    window_.reset(hwnd_);
    applyDpi();
}

void ChildWindow::destroyWindow() {
    window_.reset();
    hwnd_ = nullptr;
}

void ChildWindow::place() {
    SetWindowPos(hwnd_, nullptr, form_.toPixels(rect_.left), form_.toPixels(rect_.top), form_.toPixels(rect_.width),
                 form_.toPixels(rect_.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void ChildWindow::applyDpi() {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.font()), TRUE);
    place();
}

std::unique_ptr<ChildWindow> makeChild(Win32Form& form, const ControlDesign& design, HWND parent, bool beginsGroup) {
    switch (design.kind) {
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
        return std::make_unique<Win32Toggle>(form, design, parent, beginsGroup);
    case ControlKind::LinkBox:
        return std::make_unique<Win32LinkBox>(form, design, parent);
    case ControlKind::DriveList:
        return std::make_unique<Win32DriveList>(form, design, parent);
    case ControlKind::FolderList:
        return std::make_unique<Win32FolderList>(form, design, parent);
    case ControlKind::ReportList:
        return std::make_unique<Win32ReportList>(form, design, parent);
    case ControlKind::FolderView:
        return std::make_unique<Win32FolderView>(form, design, parent);
    default:
        return std::make_unique<PlainControl>(form, design, parent, beginsGroup);
    }
}

}  // namespace parcelo::win32
