// Does inside the program's own thread what only that thread can: reads a window's menu (Wine keeps a menu's
// items in the process that made it) and a list's entries, sets the states of a list view's rows and the
// folder of a folder-browse dialog. The driver hooks this procedure into the thread for one message sent to
// the window; the request (words parted by tabs) and the answer pass through a file mapping named after the
// driver's process id.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <windowsx.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

std::wstring className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

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

// A list's entries, one a line (in a list view with check boxes, each column's text and "on" or "off"),
// or else the items of the window's menu: the menu bar's, or a popup menu's.
std::wstring entries(HWND window) {
    std::wstring out;
    const std::wstring kind = className(window);
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
    } else if (const HMENU menu = kind == L"#32768" ? reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0))
                                                   : GetMenu(window)) {
        describe(menu, 1, out);
    }
    return out;
}

// What the request asks of the window: "entries"; "on", "off" or "select" and the rows of a list view;
// "folder" and a path for a folder-browse dialog, answered by the name its tree then shows selected.
std::wstring answer(HWND window, const std::vector<std::wstring>& request) {
    const std::wstring& verb = request[0];
    if (verb == L"folder") {
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, LPARAM(request[1].c_str()));
        const HWND tree = FindWindowExW(window, nullptr, WC_TREEVIEWW, nullptr);
        wchar_t text[MAX_PATH + 1] = {};
        TVITEMW item{};
        item.mask = TVIF_TEXT;
        item.hItem = TreeView_GetSelection(tree);
        item.pszText = text;
        item.cchTextMax = MAX_PATH + 1;
        if (item.hItem) TreeView_GetItem(tree, &item);
        return text;
    }
    // (The list view's macros are blocks, which an if without braces cannot take.)
    if (verb == L"select") {
        ListView_SetItemState(window, -1, 0, LVIS_SELECTED);
    }
    for (size_t i = 1; i < request.size(); ++i) {
        const int row = std::stoi(request[i]);
        if (verb == L"select") {
            ListView_SetItemState(window, row, LVIS_SELECTED, LVIS_SELECTED);
        } else {
            ListView_SetCheckState(window, row, verb == L"on");
        }
    }
    return verb == L"entries" ? entries(window) : L"";
}

std::vector<std::wstring> words(std::wstring_view text) {
    std::vector<std::wstring> result(1);
    for (wchar_t c : text) {
        if (c == L'\t') result.emplace_back();
        else result.back() += c;
    }
    return result;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK windowProbe(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == RegisterWindowMessageW(L"ParceloWindowProbe")) {
        const std::wstring name = L"ParceloWindowProbe." + std::to_wstring(sent->wParam);
        if (const HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name.c_str())) {
            if (auto* shared = static_cast<wchar_t*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0))) {
                const std::wstring text = answer(sent->hwnd, words(shared));
                MEMORY_BASIC_INFORMATION view{};
                VirtualQuery(shared, &view, sizeof view);
                const size_t length = std::min(text.size(), view.RegionSize / sizeof(wchar_t) - 1);
                text.copy(shared, length);
                shared[length] = L'\0';
                UnmapViewOfFile(shared);
            }
            CloseHandle(mapping);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
