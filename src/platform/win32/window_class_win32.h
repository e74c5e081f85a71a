#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace parcelo::win32 {

// The window class of a form's design, registered at its first use in the program's run: "frmMain" becomes
// "ParceloMain". It has no background brush: each form paints its own, from its design.
std::wstring formWindowClass(std::string_view formName, WNDPROC windowProc);

// The program's icon at this size, loaded once and shared by every window that shows it.
HICON programIcon(int size);

// The top-level windows of the calling thread whose class has this window procedure.
std::vector<HWND> threadWindowsOf(WNDPROC windowProc);

}  // namespace parcelo::win32
