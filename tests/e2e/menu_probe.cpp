// Reads a window's menu bar from inside the window's own thread. Wine keeps a menu's items in the process
// that made it, so the driver hooks this procedure into that thread and takes the text back through a
// file mapping that it named after its own process id.
#include <windows.h>

#include <string>

namespace {

void describe(HMENU menu, int level, std::wstring& out) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
        wchar_t caption[256] = L"-";
        if (!(info.fType & MFT_SEPARATOR)) GetMenuStringW(menu, UINT(i), caption, 256, MF_BYPOSITION);
        out += std::to_wstring(level) + L'\t' + caption + (info.hSubMenu ? L"\tpopup\n" : L"\tcommand\n");
        if (info.hSubMenu) describe(info.hSubMenu, level + 1, out);
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK menuProbe(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == RegisterWindowMessageW(L"ParceloMenuProbe")) {
        std::wstring text;
        if (const HMENU bar = GetMenu(sent->hwnd)) describe(bar, 1, text);
        const std::wstring name = L"ParceloMenuProbe." + std::to_wstring(sent->wParam);
        if (const HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name.c_str())) {
            if (auto* out = static_cast<wchar_t*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0))) {
                MEMORY_BASIC_INFORMATION view{};
                VirtualQuery(out, &view, sizeof view);
                if (text.size() < view.RegionSize / sizeof(wchar_t)) {
                    text.copy(out, text.size());
                    out[text.size()] = L'\0';
                }
                UnmapViewOfFile(out);
            }
            CloseHandle(mapping);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
