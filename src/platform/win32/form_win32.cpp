#include "platform/win32/form_win32.h"

#include <algorithm>
#include <cmath>

#include "core/error_styles.h"
#include "core/tab_order.h"
#include "platform/win32/resources/resource.h"
#include "platform/win32/ui_win32.h"

namespace parcelo::win32 {
namespace {

constexpr DWORD windowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr UINT firstMenuId = 2000;

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

    HWND window = CreateWindowExW(0, className.c_str(), widen(design.caption).c_str(), windowStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!window) throw lastError("ウィンドウの作成");
    window_.reset(window);
    buildMenu();
    dpi_ = GetDpiForWindow(window);

    // The design gives the client area; the frame goes around it.
    RECT outer{toPixels(design.client.left), toPixels(design.client.top),
               toPixels(design.client.left + design.client.width), toPixels(design.client.top + design.client.height)};
    AdjustWindowRectExForDpi(&outer, windowStyle, TRUE, 0, dpi_);
    SetWindowPos(window, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    applyDpi();
    for (const ControlDesign& c : design.controls) {
        HWND parent = window;
        if (!c.container.empty()) parent = dynamic_cast<ChildWindow&>(find<Control>(c.container)).hwnd();
        children_.push_back(makeChild(*this, c, parent));
    }
    liveForms().push_back(this);
    ready_ = true;
}

Win32Form::~Win32Form() {
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
        const auto id = static_cast<UINT_PTR>(firstMenuId + i);
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

void Win32Form::applyDpi() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi_);
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
    ShowWindow(window_.get(), pendingShow_);
    pendingShow_ = SW_SHOWNORMAL;
    raise(formSource, Event::Resize);  // the first showing lays the window out, whatever the system sends
    UpdateWindow(window_.get());
}

void Win32Form::endProgram() {
    ended_ = true;
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

void Win32Form::moveFocus(bool forward) {
    const ChildWindow* current = childOf(GetFocus());
    const std::string_view next = nextInTabOrder(
        design_.controls, current ? current->design().name : std::string_view(), forward,
        [&](const ControlDesign& c) {
            if (c.kind == ControlKind::Label || c.kind == ControlKind::Panel) return false;
            HWND h = dynamic_cast<ChildWindow&>(find<Control>(c.name)).hwnd();
            return IsWindowVisible(h) && IsWindowEnabled(h);
        });
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

LRESULT Win32Form::handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        if (l == 0 && HIWORD(w) == 0) {
            const size_t index = LOWORD(w) - firstMenuId;
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
        raise(formSource, Event::Unload);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
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

int runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const auto& forms = liveForms();
        if (std::any_of(forms.begin(), forms.end(), [&](Win32Form* f) { return f->translate(message); })) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace parcelo::win32
