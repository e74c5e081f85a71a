// The form window's geometry: twips at the window's DPI, its place, its state and its rectangles.
#include <cmath>

#include "platform/win32/dpi_win32.h"
#include "platform/win32/form_win32.h"

namespace parcelo::win32 {

// The design gives the client area; the frame goes around it. A main window stands where the design
// puts it, a dialog in the middle of the screen.
void Win32Form::placeAtDesign() {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window_.get(), GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(window_.get(), GWL_EXSTYLE));
    RECT outer{0, 0, toPixels(design_.client.width), toPixels(design_.client.height)};
    adjustWindowRectForDpi(outer, style, GetMenu(window_.get()) != nullptr, exStyle, dpi_);
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
    // The controls let go of the old font before it goes.
    UniqueFont old = std::move(font_);
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

}  // namespace parcelo::win32
