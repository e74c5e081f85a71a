#include "platform/win32/form_win32.h"

#include <algorithm>
#include <cmath>

#include "core/error_styles.h"
#include "core/option_group.h"
#include "core/tab_order.h"
#include "platform/control_ids.h"
#include "platform/win32/dpi_win32.h"
#include "platform/win32/resources/resource.h"
#include "platform/win32/ui_win32.h"

namespace parcelo::win32 {
namespace {

constexpr DWORD mainWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD dialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD dialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

std::vector<Win32Form*>& liveForms() {
    static std::vector<Win32Form*> forms;
    return forms;
}

// "frmMain" becomes the window class "ParceloMain".
std::wstring windowClassFor(std::string_view formName) {
    if (formName.starts_with("frm")) formName.remove_prefix(3);
    return L"Parcelo" + widen(formName);
}

wchar_t accessKeyOf(std::string_view caption) {
    const std::wstring text = widen(caption);
    const size_t amp = text.find(L'&');
    return amp + 1 < text.size() ? static_cast<wchar_t>(towupper(text[amp + 1])) : 0;
}

}  // namespace

Win32Form::Win32Form(const FormDesign& design, FormEvents& events, Dialogs& dialogs)
    : design_(design), events_(events), dialogs_(dialogs),
      background_(CreateSolidBrush(RGB(design.background.red, design.background.green, design.background.blue))) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring className = windowClassFor(design.name);
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PARCELO), IMAGE_ICON, 32, 32, 0));
    cls.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PARCELO), IMAGE_ICON, 16, 16, 0));
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = background_.get();
    cls.lpszClassName = className.c_str();
    RegisterClassExW(&cls);  // already registered by an earlier form of the same design: fine

    // A dialog belongs to the program's first window, which keeps it above that window and off the taskbar.
    HWND owner = isDialog() && !liveForms().empty() ? liveForms().front()->window_.get() : nullptr;
    HWND window = CreateWindowExW(isDialog() ? dialogExStyle : 0, className.c_str(), widen(design.caption).c_str(),
                                  isDialog() ? dialogStyle : mainWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, this);
    if (!window) throw lastError("ウィンドウの作成");
    window_.reset(window);
    buildMenu();
    dpi_ = windowDpi(window);
    placeAtDesign();

    applyDpi();
    for (size_t i = 0; i < design.controls.size(); ++i) {
        const ControlDesign& c = design.controls[i];
        HWND parent = window;
        if (!c.container.empty()) parent = dynamic_cast<ChildWindow&>(find<Control>(c.container)).hwnd();
        children_.push_back(makeChild(*this, c, parent, beginsKeyboardGroup(design.controls, i)));
    }
    liveForms().push_back(this);
    ready_ = true;
}

Win32Form::~Win32Form() {
    endModal();
    std::erase(liveForms(), this);
    if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
    children_.clear();
}

void Win32Form::buildMenu() {
    if (design_.menu.empty()) return;
    HMENU bar = CreateMenu();
    HMENU dropDown = nullptr;
    for (size_t i = 0; i < design_.menu.size(); ++i) {
        const MenuDesign& item = design_.menu[i];
        const std::wstring caption = widen(item.caption);
        const auto id = static_cast<UINT_PTR>(menuItemId(i));
        const bool opensDropDown = i + 1 < design_.menu.size() && design_.menu[i + 1].level == 2;
        if (item.level == 1 && opensDropDown) {
            dropDown = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(dropDown), caption.c_str());
        } else if (item.level == 1) {
            AppendMenuW(bar, MF_STRING, id, caption.c_str());
        } else if (item.caption == "-") {
            AppendMenuW(dropDown, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(dropDown, MF_STRING, id, caption.c_str());
        }
    }
    SetMenu(window_.get(), bar);
}

// The design gives the client area; the frame goes around it. A main window stands where the design
// puts it, a dialog in the middle of the screen.
void Win32Form::placeAtDesign() {
    RECT outer{0, 0, toPixels(design_.client.width), toPixels(design_.client.height)};
    adjustWindowRectForDpi(outer, isDialog() ? dialogStyle : mainWindowStyle, GetMenu(window_.get()) != nullptr,
                           isDialog() ? dialogExStyle : 0, dpi_);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    POINT at{outer.left + toPixels(design_.client.left), outer.top + toPixels(design_.client.top)};
    if (isDialog()) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(GetWindow(window_.get(), GW_OWNER), MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        at = {work.left + (work.right - work.left - width) / 2, work.top + (work.bottom - work.top - height) / 2};
    }
    SetWindowPos(window_.get(), nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::applyDpi() {
    const NONCLIENTMETRICSW metrics = nonClientMetricsForDpi(dpi_);
    font_.reset(CreateFontIndirectW(&metrics.lfMessageFont));
    fontHeight_ = std::abs(metrics.lfMessageFont.lfHeight);
    for (auto& child : children_) child->applyDpi();
}

int Win32Form::toPixels(Twips twips) const { return static_cast<int>(std::lround(twips * dpi_ / 1440.0)); }
Twips Win32Form::toTwips(int pixels) const { return static_cast<Twips>(pixels * 1440.0 / dpi_); }
TwipsRect Win32Form::toTwips(const RECT& r) const {
    return {toTwips(r.left), toTwips(r.top), toTwips(r.right - r.left), toTwips(r.bottom - r.top)};
}

WindowState Win32Form::state() const {
    if (!IsWindowVisible(window_.get())) {
        if (pendingShow_ == SW_SHOWMAXIMIZED) return WindowState::Maximized;
        if (pendingShow_ == SW_SHOWMINIMIZED) return WindowState::Minimized;
        return WindowState::Normal;
    }
    if (IsIconic(window_.get())) return WindowState::Minimized;
    if (IsZoomed(window_.get())) return WindowState::Maximized;
    return WindowState::Normal;
}

void Win32Form::setState(WindowState state) {
    if (!IsWindowVisible(window_.get())) {
        pendingShow_ = state == WindowState::Maximized   ? SW_SHOWMAXIMIZED
                       : state == WindowState::Minimized ? SW_SHOWMINIMIZED
                                                         : SW_SHOWNORMAL;
        return;
    }
    ShowWindow(window_.get(), state == WindowState::Maximized   ? SW_MAXIMIZE
                              : state == WindowState::Minimized ? SW_MINIMIZE
                                                                : SW_RESTORE);
}

TwipsRect Win32Form::outerRect() const {
    RECT r{};
    GetWindowRect(window_.get(), &r);
    return toTwips(r);
}

TwipsRect Win32Form::restoredOuterRect() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window_.get(), &placement);
    // The restored rectangle is given relative to the work area; the file keeps screen positions.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_.get(), MONITOR_DEFAULTTONEAREST), &monitor);
    RECT r = placement.rcNormalPosition;
    OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    return toTwips(r);
}

bool Win32Form::restoresMaximized() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window_.get(), &placement);
    return (placement.flags & WPF_RESTORETOMAXIMIZED) != 0;
}

void Win32Form::moveOuter(const TwipsRect& rect) {
    SetWindowPos(window_.get(), nullptr, toPixels(rect.left), toPixels(rect.top), toPixels(rect.width),
                 toPixels(rect.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

TwipsRect Win32Form::clientRect() const {
    RECT r{};
    GetClientRect(window_.get(), &r);
    return toTwips(r);
}

std::vector<TwipsRect> Win32Form::monitorWorkAreas() const {
    std::vector<RECT> areas;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, RECT*, LPARAM found) -> BOOL {
            MONITORINFO info{};
            info.cbSize = sizeof info;
            if (GetMonitorInfoW(monitor, &info)) reinterpret_cast<std::vector<RECT>*>(found)->push_back(info.rcWork);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&areas));
    std::vector<TwipsRect> result;
    for (const RECT& r : areas) result.push_back(toTwips(r));
    return result;
}

void Win32Form::show() {
    for (auto& child : children_) child->beforeShowing();
    ShowWindow(window_.get(), pendingShow_);
    pendingShow_ = SW_SHOWNORMAL;
    raise(formSource, Event::Resize);  // the first showing lays the window out, whatever the system sends
    UpdateWindow(window_.get());
    for (auto& child : children_) child->afterShowing();
}

void Win32Form::showModal() {
    for (Win32Form* other : liveForms()) {
        HWND h = other->window_.get();
        if (other != this && h && IsWindowEnabled(h)) {
            EnableWindow(h, FALSE);
            disabledByModal_.push_back(h);
        }
    }
    modal_ = true;
    ShowWindow(window_.get(), SW_SHOWNORMAL);
    // The first showing starts at the first control in tab order; a later one where the user left off.
    if (!IsChild(window_.get(), GetFocus())) moveFocus(true);
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

// Tab stops at the controls a person types into or presses, and at an option group's selected button.
bool Win32Form::canTakeFocus(const ControlDesign& c) {
    switch (c.kind) {
    case ControlKind::Label:
    case ControlKind::Panel:
    case ControlKind::Frame:
    case ControlKind::LinkBox:
    case ControlKind::Picture:
        return false;
    case ControlKind::OptionButton:
        if (!find<Toggle>(c.name).checked()) {
            const auto others = otherOptionsOfGroup(design_.controls, c.name);
            if (std::any_of(others.begin(), others.end(), [&](std::string_view o) { return find<Toggle>(o).checked(); }))
                return false;
        }
        break;
    default:
        break;
    }
    HWND h = dynamic_cast<ChildWindow&>(find<Control>(c.name)).hwnd();
    return IsWindowVisible(h) && IsWindowEnabled(h);
}

void Win32Form::moveFocus(bool forward) {
    const ChildWindow* current = childOf(GetFocus());
    const std::string_view next =
        nextInTabOrder(design_.controls, current ? current->design().name : std::string_view(), forward,
                       [&](const ControlDesign& c) { return canTakeFocus(c); });
    if (!next.empty()) dynamic_cast<ChildWindow&>(find<Control>(next)).takeFocus();
}

bool Win32Form::isMenuAccessKey(wchar_t key) const {
    key = static_cast<wchar_t>(towupper(key));
    return std::any_of(design_.menu.begin(), design_.menu.end(),
                       [&](const MenuDesign& m) { return m.level == 1 && accessKeyOf(m.caption) == key; });
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
    if (message.message == WM_SYSCHAR && isMenuAccessKey(static_cast<wchar_t>(message.wParam))) return false;
    return IsDialogMessageW(window, &message);
}

LRESULT CALLBACK Win32Form::windowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) return DefWindowProcW(window, message, w, l);
    // No exception may cross into the system.
    try {
        return form->handle(window, message, w, l);
    } catch (const std::exception& failure) {
        form->reportFailure(failure);
        return 0;
    }
}

int Win32Form::buttonId(unsigned flag) const {
    for (auto& child : children_)
        if (child->design().flags & flag) return GetDlgCtrlID(child->hwnd());
    return 0;
}

// Captions that stand on the window itself, or on a frame, take the window's colour.
bool Win32Form::drawsOnWindowBackground(const ChildWindow& child) const {
    const ControlDesign& c = child.design();
    switch (c.kind) {
    case ControlKind::Label:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
    case ControlKind::Frame:
    case ControlKind::Picture:
        break;
    default:
        return false;
    }
    if (c.container.empty()) return true;
    return std::any_of(design_.controls.begin(), design_.controls.end(), [&](const ControlDesign& d) {
        return d.name == c.container && d.kind == ControlKind::Frame;
    });
}

LRESULT Win32Form::handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case DM_GETDEFID: {
        // Enter presses the button that has the focus, else the default button.
        const ChildWindow* focused = childOf(GetFocus());
        int id = focused && focused->design().kind == ControlKind::Button && GetParent(focused->hwnd()) == window
                     ? GetDlgCtrlID(focused->hwnd())
                     : buttonId(control_flag::defaultButton);
        return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        if (ChildWindow* child = childOf(reinterpret_cast<HWND>(l))) {
            const HDC dc = reinterpret_cast<HDC>(w);
            if (HBRUSH brush = child->onColor(dc)) return reinterpret_cast<LRESULT>(brush);
            if (message != WM_CTLCOLOREDIT && drawsOnWindowBackground(*child)) {
                SetBkColor(dc, RGB(design_.background.red, design_.background.green, design_.background.blue));
                return reinterpret_cast<LRESULT>(background_.get());
            }
        }
        break;
    case WM_COMMAND:
        if (l == 0 && LOWORD(w) == IDCANCEL) {
            // Esc presses the cancel button, if the window has one.
            if (const int id = buttonId(control_flag::cancelButton))
                if (ChildWindow* cancel = childOf(GetDlgItem(window, id)))
                    if (IsWindowEnabled(cancel->hwnd())) cancel->onCommand(BN_CLICKED);
        } else if (l == 0 && HIWORD(w) == 0) {
            const size_t index = LOWORD(w) - firstMenuItemId;
            if (index < design_.menu.size()) raise(design_.menu[index].name, Event::Click);
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
    case WM_SIZE:
        raise(formSource, Event::Resize);
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
        } else if (lastFocus_ && IsChild(window, lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_CLOSE:
        unload();
        return 0;
    case WM_DESTROY:
        endModal();
        // A dialog's end is not the program's.
        if (ended_ || !isDialog()) PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        window_.release();
        break;
    }
    return DefWindowProcW(window, message, w, l);
}

std::unique_ptr<Form> Win32Ui::createForm(const FormDesign& design, FormEvents& events) {
    return std::make_unique<Win32Form>(design, events, dialogs_);
}

void dispatchMessage(MSG& message) {
    const auto& forms = liveForms();
    if (std::any_of(forms.begin(), forms.end(), [&](Win32Form* f) { return f->translate(message); })) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatchMessage(message);
    return static_cast<int>(message.wParam);
}

}  // namespace parcelo::win32
