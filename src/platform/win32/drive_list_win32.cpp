#include "platform/win32/drive_list_win32.h"

#include <cwctype>

#include "core/drive_text.h"
#include "platform/win32/errors_win32.h"
#include "platform/win32/form_win32.h"

namespace parcelo::win32 {
namespace {

std::wstring entryFor(wchar_t letter, bool withLabel) {
    std::wstring entry{static_cast<wchar_t>(std::towlower(letter)), L':'};
    if (!withLabel) return entry;
    const std::wstring root = entry + L"\\";
    const UINT type = GetDriveTypeW(root.c_str());
    // Asking a removable drive for its label would wait for its medium.
    if (type == DRIVE_FIXED || type == DRIVE_RAMDISK || type == DRIVE_CDROM || type == DRIVE_REMOTE) {
        wchar_t label[MAX_PATH + 1] = {};
        if (GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0) &&
            label[0])
            entry += L" [" + std::wstring(label) + L"]";
    }
    return entry;
}

}  // namespace

Win32DriveList::Win32DriveList(Win32Form& form, const ControlDesign& design, HWND parent)
    : WindowControl(form, design) {
    create(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, parent);
    refresh();
}

void Win32DriveList::refresh() {
    const std::string current = drive();
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    const DWORD drives = GetLogicalDrives();
    int keep = -1;
    for (int bit = 0; bit < 26; ++bit) {
        if (!(drives & (1u << bit))) continue;
        const std::wstring entry = entryFor(static_cast<wchar_t>(L'A' + bit), shown_);
        const auto index = static_cast<int>(SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str())));
        if (!current.empty() && narrow(entry).substr(0, 2) == current.substr(0, 2)) keep = index;
    }
    select(keep);
}

// The labels only a person reads; a launch that ends before the window shows asks no drive for one.
void Win32DriveList::beforeShowing() {
    if (shown_) return;
    shown_ = true;
    refresh();
}

void Win32DriveList::select(int index) {
    SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    selected_ = index;
}

void Win32DriveList::setDrive(const std::string& text) {
    const std::string wanted = driveOf(text);
    if (wanted.empty()) throw errorFrom(ERROR_INVALID_DRIVE, "ドライブ " + text);
    const int count = static_cast<int>(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        wchar_t entry[MAX_PATH + 8] = {};
        SendMessageW(hwnd_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry));
        if (narrow(entry).substr(0, 2) != wanted) continue;
        requireReady(wanted);
        if (index == selected_) return;
        select(index);
        form_.raise(design_.name, Event::Change);
        return;
    }
    throw errorFrom(ERROR_INVALID_DRIVE, "ドライブ " + text);
}

void Win32DriveList::requireReady(const std::string& drive) const {
    const std::wstring root = widen(drive) + L"\\";
    if (GetFileAttributesW(root.c_str()) == INVALID_FILE_ATTRIBUTES) throw lastError("ドライブ " + drive);
}

// A drive the user picks that cannot be read is reported, and the list goes back to its drive.
void Win32DriveList::onCommand(WORD notification) {
    if (notification != CBN_SELCHANGE) return;
    const int index = static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
    if (index == selected_) return;
    try {
        requireReady(driveOf(text()));
    } catch (const std::exception& failure) {
        select(selected_);
        form_.reportFailure(failure);
        return;
    }
    selected_ = index;
    form_.raise(design_.name, Event::Change);
}

TwipsRect Win32DriveList::rect() const {
    RECT box{};
    GetWindowRect(hwnd_, &box);
    TwipsRect r = rect_;
    r.height = form_.toTwips(box.bottom - box.top);
    return r;
}

void Win32DriveList::applyDpi() {
    ChildWindow::applyDpi();
    // The closed box is as high as designed; the system sizes it from its selection field.
    RECT box{};
    GetWindowRect(hwnd_, &box);
    const int field = static_cast<int>(SendMessageW(hwnd_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const int wanted = form_.toPixels(rect_.height);
    SendMessageW(hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field + wanted - (box.bottom - box.top));
    SendMessageW(hwnd_, CB_SETMINVISIBLE, 12, 0);
}

}  // namespace parcelo::win32
