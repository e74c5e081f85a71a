#include "platform/win32/window_class_win32.h"

#include "platform/win32/errors_win32.h"
#include "platform/win32/resources/resource.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {

std::wstring formWindowClass(std::string_view formName, WNDPROC windowProc) {
    if (formName.starts_with("frm")) formName.remove_prefix(3);
    const std::wstring name = L"Parcelo" + widen(formName);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    if (GetClassInfoExW(instance, name.c_str(), &cls)) return name;
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.hIcon = programIcon(32);
    cls.hIconSm = programIcon(16);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.lpszClassName = name.c_str();
    if (!RegisterClassExW(&cls)) throw lastError("ウィンドウクラスの登録");
    return name;
}

// Shared icons belong to the system, which frees them with the program.
HICON programIcon(int size) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PARCELO), IMAGE_ICON, size, size, LR_SHARED));
}

std::vector<HWND> threadWindowsOf(WNDPROC windowProc) {
    struct Search {
        WNDPROC proc;
        std::vector<HWND> found;
    } search{windowProc, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM l) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(l);
            if (reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC)) == s.proc) s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace parcelo::win32
