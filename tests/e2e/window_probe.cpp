// Reads what only the window's own process can read: its menu bar (Wine keeps a menu's items in the
// process that made it) or the entries of a list view of the shell. The driver hooks this procedure into
// the window's thread and takes the text back through a file mapping named after its own process id.
#include <windows.h>

#include <commctrl.h>

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

// Each entry's name; in a list with check boxes, each column's text too and "on" or "off".
void listEntries(HWND list, std::wstring& out) {
    const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const bool checks = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES;
    const int columns = checks ? Header_GetItemCount(ListView_GetHeader(list)) : 1;
    for (int i = 0; i < count; ++i) {
        for (int column = 0; column < columns; ++column) {
            wchar_t text[MAX_PATH + 1] = {};
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = MAX_PATH + 1;
            SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(i), LPARAM(&item));
            out += std::wstring(column ? L"\t" : L"") + text;
        }
        if (checks) out += ListView_GetCheckState(list, i) ? L"\ton" : L"\toff";
        out += L'\n';
    }
}

}  // namespace

// The message's lParam names the list view to read, or is 0 for the window's menu bar (a popup menu's
// items, when the window is one).
extern "C" __declspec(dllexport) LRESULT CALLBACK windowProbe(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == RegisterWindowMessageW(L"ParceloWindowProbe")) {
        std::wstring text;
        wchar_t className[16] = {};
        GetClassNameW(sent->hwnd, className, 16);
        if (sent->lParam) listEntries(reinterpret_cast<HWND>(sent->lParam), text);
        else if (std::wstring(className) == L"#32768")
            describe(reinterpret_cast<HMENU>(SendMessageW(sent->hwnd, MN_GETHMENU, 0, 0)), 1, text);
        else if (const HMENU bar = GetMenu(sent->hwnd)) describe(bar, 1, text);
        const std::wstring name = L"ParceloWindowProbe." + std::to_wstring(sent->wParam);
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
