#include "platform/win32/folder_list_win32.h"

#include <shlwapi.h>

#include <algorithm>

#include "core/drive_text.h"
#include "platform/win32/errors_win32.h"
#include "platform/win32/form_win32.h"

namespace parcelo::win32 {
namespace {

// The shell's small icon of any folder, closed or open.
UniqueIcon folderIcon(UINT state) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                        SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES | state))
        return nullptr;
    return UniqueIcon(info.hIcon);
}

std::wstring fullPath(const std::wstring& path) {
    const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    full.resize(GetFullPathNameW(path.c_str(), length, full.data(), nullptr));
    if (full.size() > 3 && full.back() == L'\\') full.pop_back();
    return full;
}

// The subfolders a person sees in Explorer: no hidden or system ones, sorted as Explorer sorts.
std::vector<std::string> subfolders(const std::wstring& folder) {
    std::vector<std::wstring> names;
    const std::wstring pattern = folder + (folder.back() == L'\\' ? L"*" : L"\\*");
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchLimitToDirectories,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return {};
    const UniqueHandle owner(search);
    do {
        const DWORD a = found.dwFileAttributes;
        if (!(a & FILE_ATTRIBUTE_DIRECTORY) || (a & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) continue;
        if (wcscmp(found.cFileName, L".") == 0 || wcscmp(found.cFileName, L"..") == 0) continue;
        names.emplace_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return StrCmpLogicalW(a.c_str(), b.c_str()) < 0; });
    std::vector<std::string> result;
    result.reserve(names.size());
    for (const std::wstring& name : names) result.push_back(narrow(name));
    return result;
}

}  // namespace

Win32FolderList::Win32FolderList(Win32Form& form, const ControlDesign& design, HWND parent)
    : WindowControl(form, design) {
    create(L"LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
           WS_EX_CLIENTEDGE, parent);
}

void Win32FolderList::setPath(const std::string& path) {
    std::wstring folder = widen(path);
    if (isDriveDesignation(path)) folder = widen(driveOf(path));  // that drive's current folder
    const DWORD a = GetFileAttributesW(folder.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) throw lastError("フォルダ " + path);
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) throw errorFrom(ERROR_DIRECTORY, "フォルダ " + path);
    folder = fullPath(folder);
    if (folder == path_) return;
    path_ = folder;
    fill();
    form_.raise(design_.name, Event::Change);
}

void Win32FolderList::refresh() {
    if (!path_.empty()) fill();
}

void Win32FolderList::fill() {
    entries_ = folderTree(narrow(path_), subfolders(path_));
    const auto current = std::find_if(entries_.rbegin(), entries_.rend(), [](const FolderEntry& e) { return e.open; });

    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
    SendMessageW(hwnd_, LB_INITSTORAGE, entries_.size(), entries_.size() * 32);
    for (const FolderEntry& entry : entries_)
        SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(entry.name).c_str()));
    SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(entries_.rend() - current - 1), 0);
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32FolderList::openSelected() {
    const auto index = static_cast<size_t>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
    if (index >= entries_.size()) return;
    setPath(entries_[index].path);
}

void Win32FolderList::onCommand(WORD notification) {
    if (notification != LBN_DBLCLK) return;
    // The list is a control of the window; its failures go where the window's handlers' go.
    try {
        openSelected();
    } catch (const std::exception& failure) {
        form_.reportFailure(failure);
    }
}

bool Win32FolderList::translateKey(MSG& message) {
    if (message.hwnd != hwnd_ || message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
    onCommand(LBN_DBLCLK);
    return true;
}

int Win32FolderList::itemHeight() const {
    return std::max(form_.toPixels(16 * 15), form_.fontHeight()) + form_.toPixels(2 * 15);
}

void Win32FolderList::onMeasureItem(MEASUREITEMSTRUCT& item) { item.itemHeight = static_cast<UINT>(itemHeight()); }

void Win32FolderList::applyDpi() {
    ChildWindow::applyDpi();
    SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, itemHeight());
}

void Win32FolderList::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID >= entries_.size()) return;
    const FolderEntry& entry = entries_[item.itemID];
    const bool selected = item.itemState & ODS_SELECTED;
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, GetSysColorBrush(COLOR_WINDOW));

    const int icon = form_.toPixels(16 * 15);
    const int indent = form_.toPixels(8 * 15);
    int x = r.left + form_.toPixels(2 * 15) + entry.depth * indent;
    // The shell's icons on the first painting: a launch that never shows the window never asks for them.
    if (!iconsLoaded_) {
        closedIcon_ = folderIcon(0);
        openIcon_ = folderIcon(SHGFI_OPENICON);
        iconsLoaded_ = true;
    }
    if (HICON image = (entry.open ? openIcon_ : closedIcon_).get())
        DrawIconEx(item.hDC, x, r.top + (r.bottom - r.top - icon) / 2, image, icon, icon, 0, nullptr, DI_NORMAL);
    x += icon + form_.toPixels(3 * 15);

    wchar_t name[MAX_PATH + 1] = {};
    SendMessageW(hwnd_, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(name));
    RECT text{x, r.top, r.right, r.bottom};
    DrawTextW(item.hDC, name, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CALCRECT);
    text.top = r.top;
    text.bottom = r.bottom;
    text.right += 2;
    text.left -= 1;
    FillRect(item.hDC, &text, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT inner{text.left + 1, text.top, text.right, text.bottom};
    DrawTextW(item.hDC, name, -1, &inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &text);
}

}  // namespace parcelo::win32
