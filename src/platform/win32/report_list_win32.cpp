#include "platform/win32/report_list_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include "platform/win32/form_win32.h"

namespace parcelo::win32 {
namespace {

// How the columns share the list's width, in hundredths.
constexpr int columnShares[] = {25, 50, 25};

int iconOf(const std::string& path) {
    SHFILEINFOW info{};
    if (path.empty() || !SHGetFileInfoW(widen(path).c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
        return -1;
    return info.iIcon;
}

}  // namespace

Win32ReportList::Win32ReportList(Win32Form& form, const ControlDesign& design, HWND parent)
    : WindowControl(form, design) {
    create(WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_SHAREIMAGELISTS | WS_TABSTOP,
           WS_EX_CLIENTEDGE, parent);
    ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER |
                                                 LVS_EX_LABELTIP);
    // The system's own list of small icons, shared with Explorer, never destroyed here.
    SHFILEINFOW info{};
    const auto icons = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    ListView_SetImageList(hwnd_, icons, LVSIL_SMALL);
    const std::wstring caption = widen(design.caption);
    for (size_t start = 0; start <= caption.size(); ++columns_) {
        size_t end = caption.find(L'|', start);
        if (end == std::wstring::npos) end = caption.size();
        std::wstring title = caption.substr(start, end - start);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_SUBITEM;
        column.pszText = title.data();
        column.iSubItem = columns_;
        ListView_InsertColumn(hwnd_, columns_, &column);
        start = end + 1;
    }
    applyDpi();
}

void Win32ReportList::applyDpi() {
    WindowControl::applyDpi();
    const int width = form_.toPixels(rect_.width) - GetSystemMetrics(SM_CXVSCROLL) - 4;
    for (int i = 0; i < columns_ && i < static_cast<int>(std::size(columnShares)); ++i)
        ListView_SetColumnWidth(hwnd_, i, width * columnShares[i] / 100);
}

void Win32ReportList::setRows(const std::vector<ListRow>& rows) {
    quiet_ = true;
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(hwnd_);
    for (size_t i = 0; i < rows.size(); ++i) {
        std::wstring name = widen(rows[i].cells.empty() ? "" : rows[i].cells[0]);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(i);
        item.pszText = name.data();
        item.iImage = iconOf(rows[i].iconPath);
        ListView_InsertItem(hwnd_, &item);
        for (size_t column = 1; column < rows[i].cells.size(); ++column) setCell(i, column, rows[i].cells[column]);
        ListView_SetCheckState(hwnd_, static_cast<int>(i), rows[i].checked);
    }
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
    quiet_ = false;
}

void Win32ReportList::setCell(size_t row, size_t column, const std::string& text) {
    std::wstring wide = widen(text);
    ListView_SetItemText(hwnd_, static_cast<int>(row), static_cast<int>(column), wide.data());
}

void Win32ReportList::setIcon(size_t row, const std::string& iconPath) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = static_cast<int>(row);
    item.iImage = iconOf(iconPath);
    ListView_SetItem(hwnd_, &item);
}

bool Win32ReportList::rowChecked(size_t row) const { return ListView_GetCheckState(hwnd_, static_cast<int>(row)) != 0; }

void Win32ReportList::setRowChecked(size_t row, bool checked) {
    quiet_ = true;
    ListView_SetCheckState(hwnd_, static_cast<int>(row), checked);
    quiet_ = false;
}

std::vector<size_t> Win32ReportList::selectedRows() const {
    std::vector<size_t> rows;
    for (int i = -1; (i = ListView_GetNextItem(hwnd_, i, LVNI_SELECTED)) != -1;) rows.push_back(static_cast<size_t>(i));
    return rows;
}

void Win32ReportList::selectRows(const std::vector<size_t>& rows) {
    ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED);
    for (size_t row : rows) ListView_SetItemState(hwnd_, static_cast<int>(row), LVIS_SELECTED, LVIS_SELECTED);
    if (!rows.empty()) {
        ListView_SetItemState(hwnd_, static_cast<int>(rows.front()), LVIS_FOCUSED, LVIS_FOCUSED);
        ListView_EnsureVisible(hwnd_, static_cast<int>(rows.front()), FALSE);
    }
    form_.raise(design_.name, Event::Change);
}

void Win32ReportList::beginRename(size_t row) {
    SetFocus(hwnd_);
    ListView_EditLabel(hwnd_, static_cast<int>(row));
}

LRESULT Win32ReportList::onNotify(const NMHDR& header) {
    switch (header.code) {
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (quiet_ || change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return 0;
        const UINT oldBox = change.uOldState & LVIS_STATEIMAGEMASK, newBox = change.uNewState & LVIS_STATEIMAGEMASK;
        if (oldBox != 0 && newBox != 0 && oldBox != newBox) {
            eventRow_ = static_cast<size_t>(change.iItem);
            form_.raise(design_.name, Event::ItemCheck);
        }
        if ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) form_.raise(design_.name, Event::Change);
        return 0;
    }
    case LVN_ENDLABELEDITW: {
        const auto& edit = reinterpret_cast<const NMLVDISPINFOW&>(header);
        if (!edit.item.pszText) return FALSE;  // called off
        eventRow_ = static_cast<size_t>(edit.item.iItem);
        typed_ = narrow(edit.item.pszText);
        form_.raise(design_.name, Event::Rename);
        return FALSE;  // the handler shows the name the entry has now
    }
    case LVN_KEYDOWN: {
        const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
        if (key.wVKey == VK_DELETE) form_.raise(design_.name, Event::DeleteKey);
        if (key.wVKey == VK_F2) {
            const int focused = ListView_GetNextItem(hwnd_, -1, LVNI_FOCUSED);
            if (focused >= 0) ListView_EditLabel(hwnd_, focused);
        }
        return 0;
    }
    default:
        return 0;
    }
}

}  // namespace parcelo::win32
