#include "platform/win32/form_win32.h"

#include <algorithm>
#include <utility>

#include "core/error_styles.h"
#include "core/option_group.h"
#include "platform/win32/callback_guard.h"
#include "platform/win32/dpi_win32.h"
#include "platform/win32/errors_win32.h"
#include "platform/win32/menu_win32.h"
#include "platform/win32/ui_win32.h"
#include "platform/win32/window_class_win32.h"
#include "platform/win32/window_messages.h"

namespace parcelo::win32 {
namespace {

constexpr DWORD mainWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD dialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD dialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// A timer's message comes only once no input, posted message or painting waits.
constexpr UINT_PTR idleTimer = 1;
// How long the Idle events may run on before the window paints and reads its input again.
constexpr ULONGLONG idleSliceMs = 50;

DWORD styleOf(Border border) {
    switch (border) {
    case Border::Sizeable:
        return mainWindowStyle;
    case Border::SizeableDialog:
        return dialogStyle | WS_THICKFRAME;
    default:
        return dialogStyle;
    }
}

COLORREF colourOf(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

// A dialog belongs to the thread's main window, which keeps it above that window and off the taskbar.
HWND mainWindowOfThread(WNDPROC formProc) {
    for (HWND window : threadWindowsOf(formProc))
        if (!(GetWindowLongW(window, GWL_STYLE) & WS_POPUP)) return window;
    return nullptr;
}

}  // namespace

Win32Form::Win32Form(const FormDesign& design, FormEvents& events, Dialogs& dialogs)
    : design_(design), events_(events), dialogs_(dialogs), background_(CreateSolidBrush(colourOf(design.background))) {
    const std::wstring className = formWindowClass(design.name, windowProc);
    HWND owner = isDialog() ? mainWindowOfThread(windowProc) : nullptr;
    HWND window = CreateWindowExW(isDialog() ? dialogExStyle : 0, className.c_str(), widen(design.caption).c_str(),
                                  styleOf(design.border), CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!window) throw lastError("ウィンドウの作成");
    window_.reset(window);
    attachMenuBar(window, design.menu);
    dpi_ = windowDpi(window);
    placeAtDesign();

    applyDpi();
    for (size_t i = 0; i < design.controls.size(); ++i) {
        const ControlDesign& c = design.controls[i];
        HWND parent = c.container.empty() ? window : child(c.container).hwnd();
        children_.push_back(makeChild(*this, c, parent, beginsKeyboardGroup(design.controls, i)));
    }
    if (design.acceptsFiles)
        dropTarget_ = std::make_unique<FileDropTarget>(window, [this](std::vector<std::string> paths) {
            dropped_ = std::move(paths);
            raise(formSource, Event::Drop);
        });
    ready_ = true;
}

Win32Form::~Win32Form() {
    ready_ = false;  // no more events, and the window's end is not the program's
    endModal();
    window_.reset();
}

Win32Form* Win32Form::of(HWND window) {
    if (!window || reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC)) != windowProc) return nullptr;
    return reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Win32Form::releaseChildren() {
    std::stable_partition(children_.begin(), children_.end(),
                          [](const auto& c) { return c->design().kind != ControlKind::FolderView; });
    // From the back: the folder views, then the others, each control before the container it stands in.
    while (!children_.empty()) children_.pop_back();
}

void Win32Form::show() {
    for (auto& child : children_) child->beforeShowing();
    ShowWindow(window_.get(), pendingShow_);
    pendingShow_ = SW_SHOWNORMAL;
    raise(formSource, Event::Resize);  // the first showing lays the window out, whatever the system sends
    UpdateWindow(window_.get());
    for (auto& child : children_) child->afterShowing();
    announceFirstShowing();
}

void Win32Form::announceFirstShowing() {
    if (!std::exchange(shownOnce_, true)) PostMessageW(window_.get(), firstShowingMessage, 0, 0);
}

void Win32Form::requestIdle() {
    if (!window_) return;  // a timer without its window would go on for the thread
    idleRequested_ = true;
    SetTimer(window_.get(), idleTimer, USER_TIMER_MINIMUM, nullptr);
}

// Idle after Idle while the user does nothing, for a moment at most, so that painting is never held up long;
// at least one each time, so that they go on whatever waits.
void Win32Form::runIdle() {
    KillTimer(window_.get(), idleTimer);
    const ULONGLONG start = GetTickCount64();
    while (std::exchange(idleRequested_, false)) {
        raise(formSource, Event::Idle);
        if (!window_ || HIWORD(GetQueueStatus(QS_INPUT)) != 0 || GetTickCount64() - start >= idleSliceMs) break;
    }
    if (idleRequested_) requestIdle();
}

void Win32Form::hide() {
    endModal();
    ShowWindow(window_.get(), SW_HIDE);
}

void Win32Form::unload() {
    raise(formSource, Event::Unload);
    endModal();
    window_.reset();
}

void Win32Form::endProgram() {
    ended_ = true;
    endModal();
    window_.reset();  // its WM_DESTROY ends the message loop
}

void Win32Form::raise(std::string_view source, Event event) {
    if (ready_) events_.onEvent(source, event);
}

void Win32Form::reportFailure(const std::exception& failure) { reportUnexpected(dialogs_, failure); }

ChildWindow* Win32Form::childOf(HWND window) const {
    for (; window && window != window_.get(); window = GetParent(window))
        for (auto& child : children_)
            if (child->hwnd() == window) return child.get();
    return nullptr;
}

LRESULT CALLBACK Win32Form::windowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) return DefWindowProcW(window, message, w, l);
    return guardCallback(form->dialogs_, LRESULT{0}, [&] { return form->handle(window, message, w, l); });
}

// Captions that stand on the window itself, or on a frame, take the window's colour; so does a frame.
HBRUSH Win32Form::backgroundOf(const ChildWindow& child, HDC dc) const {
    const ControlDesign& c = child.design();
    switch (c.kind) {
    case ControlKind::Label:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
    case ControlKind::Frame:
    case ControlKind::Picture:
        break;
    default:
        return nullptr;
    }
    const bool onWindowOrFrame = c.container.empty() || std::any_of(design_.controls.begin(), design_.controls.end(),
        [&](const ControlDesign& d) { return d.name == c.container && d.kind == ControlKind::Frame; });
    if (!onWindowOrFrame) return nullptr;
    SetBkColor(dc, colourOf(design_.background));
    return background_.get();
}

LRESULT Win32Form::handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(window, &r);
        FillRect(reinterpret_cast<HDC>(w), &r, background_.get());
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        if (ChildWindow* child = childOf(reinterpret_cast<HWND>(l))) {
            const HDC dc = reinterpret_cast<HDC>(w);
            if (HBRUSH brush = child->onColor(dc)) return reinterpret_cast<LRESULT>(brush);
            if (message != WM_CTLCOLOREDIT)
                if (HBRUSH brush = backgroundOf(*child, dc)) return reinterpret_cast<LRESULT>(brush);
        }
        break;
    case DM_GETDEFID:
        return defaultButtonId();
    case WM_COMMAND:
        if (l == 0 && LOWORD(w) == IDCANCEL) {
            pressCancel();
        } else if (l == 0 && HIWORD(w) == 0) {
            if (const auto item = menuItemName(design_.menu, LOWORD(w)); !item.empty()) raise(item, Event::Click);
        } else if (ChildWindow* child = childOf(reinterpret_cast<HWND>(l))) {
            child->onCommand(HIWORD(w));
        }
        return 0;
    case WM_MEASUREITEM:
        for (auto& child : children_)
            if (GetDlgCtrlID(child->hwnd()) == static_cast<int>(w))
                child->onMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(l));
        return TRUE;
    case WM_DRAWITEM:
        if (ChildWindow* child = childOf(reinterpret_cast<DRAWITEMSTRUCT*>(l)->hwndItem))
            child->onDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(l));
        return TRUE;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(l);
        if (ChildWindow* child = childOf(header.hwndFrom)) return child->onNotify(header);
        break;
    }
    case WM_SIZE:
        raise(formSource, Event::Resize);
        return 0;
    case WM_GETMINMAXINFO:
        if (design_.minimum.width > 0) {
            RECT outer{0, 0, toPixels(design_.minimum.width), toPixels(design_.minimum.height)};
            adjustWindowRectForDpi(outer, styleOf(design_.border), false, dialogExStyle, dpi_);
            auto* limits = reinterpret_cast<MINMAXINFO*>(l);
            limits->ptMinTrackSize = {outer.right - outer.left, outer.bottom - outer.top};
            return 0;
        }
        break;
    case firstShowingMessage:
        raise(formSource, Event::Shown);
        return 0;
    case activatedMessage:
        raise(formSource, Event::Activate);
        return 0;
    case WM_TIMER:
        if (w != idleTimer) break;
        runIdle();
        return 0;
    case WM_DPICHANGED: {
        dpi_ = HIWORD(w);
        const RECT* suggested = reinterpret_cast<RECT*>(l);
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        applyDpi();
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(w) == WA_INACTIVE) {
            lastFocus_ = GetFocus();
            break;
        }
        PostMessageW(window, activatedMessage, 0, 0);
        if (lastFocus_ && IsChild(window, lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_CLOSE:
        unload();
        return 0;
    case WM_DESTROY:
        endModal();
        dropTarget_.reset();
        releaseChildren();
        // A dialog's end is not the program's.
        if (ready_ && (ended_ || !isDialog())) PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        (void)window_.release();  // gone with the system's own teardown, or already let go by reset()
        break;
    }
    if (dropTarget_ && dropTarget_->deliver(message)) return 0;
    return DefWindowProcW(window, message, w, l);
}

std::unique_ptr<Form> Win32Ui::createForm(const FormDesign& design, FormEvents& events) {
    return std::make_unique<Win32Form>(design, events, dialogs_);
}

}  // namespace parcelo::win32
