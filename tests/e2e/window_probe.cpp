// Does inside the program's own thread what only that thread can: reads a window's menu (Wine keeps a menu's
// items in the process that made it) and a list's entries, and sets a folder-browse dialog's folder. The
// driver hooks this procedure into the thread for one message sent to the window; the request (a path, or
// nothing) and the answer pass through a file mapping named after the driver's process id, whose size in
// bytes comes with the message.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <windowsx.h>

#include <algorithm>

#include <string>
#include <string_view>

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

// The name a tree shows selected.
std::wstring treeSelection(HWND tree) {
    wchar_t text[MAX_PATH + 1] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = TreeView_GetSelection(tree);
    item.pszText = text;
    item.cchTextMax = MAX_PATH + 1;
    if (item.hItem) TreeView_GetItem(tree, &item);
    return text;
}

// A list's entries, one a line (in a list view with check boxes, each column's text and "on" or "off"),
// or else the items of the window's menu: the menu bar's, or a popup menu's.
std::wstring entries(HWND window) {
    std::wstring out;
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    const std::wstring_view kind = name;
    if (kind == L"ListBox") {
        for (int i = 0; i < ListBox_GetCount(window); ++i) {
            std::wstring text(ListBox_GetTextLen(window, i) + 1, L'\0');
            text.resize(ListBox_GetText(window, i, text.data()));
            out += text + L'\n';
        }
    } else if (kind == WC_LISTVIEWW) {
        const bool checks = ListView_GetExtendedListViewStyle(window) & LVS_EX_CHECKBOXES;
        const int columns = checks ? Header_GetItemCount(ListView_GetHeader(window)) : 1;
        for (int i = 0; i < ListView_GetItemCount(window); ++i) {
            for (int column = 0; column < columns; ++column) {
                wchar_t text[MAX_PATH + 1] = {};
                ListView_GetItemText(window, i, column, text, MAX_PATH + 1);
                out += std::wstring(column ? L"\t" : L"") + text;
            }
            out += checks ? (ListView_GetCheckState(window, i) ? L"\ton\n" : L"\toff\n") : L"\n";
        }
    } else if (kind == WC_TREEVIEWW) {
        out = treeSelection(window);
    } else if (const HMENU menu = kind == L"#32768" ? reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0))
                                                   : GetMenu(window)) {
        describe(menu, 1, out);
    }
    return out;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK windowProbe(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == RegisterWindowMessageW(L"ParceloWindowProbe")) {
        const std::wstring name = L"ParceloWindowProbe." + std::to_wstring(sent->wParam);
        if (const HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name.c_str())) {
            if (auto* shared = static_cast<wchar_t*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0))) {
                // A path asks for a folder-browse dialog set to it, as a click in its tree does, and the name the
                // tree then shows selected; no request, for the entries.
                if (*shared) SendMessageW(sent->hwnd, BFFM_SETSELECTIONW, TRUE, LPARAM(shared));
                const HWND tree = FindWindowExW(sent->hwnd, nullptr, WC_TREEVIEWW, nullptr);
                const std::wstring text = *shared ? treeSelection(tree) : entries(sent->hwnd);
                const size_t length = std::min(text.size(), size_t(sent->lParam) / sizeof(wchar_t) - 1);
                text.copy(shared, length);
                shared[length] = L'\0';
                UnmapViewOfFile(shared);
            }
            CloseHandle(mapping);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
