#pragma once
#include <windows.h>

namespace parcelo::win32 {

// The per-monitor DPI functions of Windows 10 version 1607 and later; on an older Windows, the system-wide
// values they extend.
UINT windowDpi(HWND window);
void adjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, UINT dpi);
NONCLIENTMETRICSW nonClientMetricsForDpi(UINT dpi);

}  // namespace parcelo::win32
