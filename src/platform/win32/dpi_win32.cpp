#include "platform/win32/dpi_win32.h"

#include "platform/win32/owners.h"
#include "platform/win32/system_library.h"

namespace parcelo::win32 {

UINT windowDpi(HWND window) {
    static const auto forWindow = systemFunction<decltype(GetDpiForWindow)>(L"user32.dll", "GetDpiForWindow");
    if (forWindow) return forWindow(window);
    const ScreenDc screen(GetDC(nullptr));
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSX);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

void adjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, UINT dpi) {
    static const auto forDpi =
        systemFunction<decltype(AdjustWindowRectExForDpi)>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (forDpi)
        forDpi(&rect, style, menu, exStyle, dpi);
    else
        AdjustWindowRectEx(&rect, style, menu, exStyle);
}

NONCLIENTMETRICSW nonClientMetricsForDpi(UINT dpi) {
    static const auto forDpi =
        systemFunction<decltype(SystemParametersInfoForDpi)>(L"user32.dll", "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi)
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    else
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics;
}

}  // namespace parcelo::win32
