#include "platform/win32/link_box_win32.h"

#include <commctrl.h>

#include <array>

#include "platform/win32/callback_guard.h"
#include "platform/win32/form_win32.h"

namespace parcelo::win32 {
namespace {

constexpr COLORREF linkText = RGB(0, 0, 255);
constexpr COLORREF linkBackground = RGB(192, 192, 192);
constexpr Twips ninePoints = 9 * 20;

// A pointing hand, 32 x 32 in two colours, its hot spot at the tip of the index finger (5, 0).
// "X" black, "o" white, "." transparent; the columns not drawn are transparent.
constexpr std::array<const char*, 19> handArt = {
    ".....XX.........",
    "....XooX........",
    "....XooX........",
    "....XooX........",
    "....XooX........",
    "....XooXXX......",
    "....XooXooXXX...",
    "....XooXooXooXX.",
    ".XX.XooXooXooXoX",
    "XooXXooooooooXoX",
    "XoooXooooooooooX",
    ".XoooooooooooooX",
    "..XooooooooooooX",
    "..XooooooooooooX",
    "...XooooooooooX.",
    "...XoooooooooX..",
    "....XooooooooX..",
    "....XooooooooX..",
    "....XXXXXXXXXX..",
};

UniqueCursor makeHandCursor() {
    constexpr int size = 32, rowBytes = size / 8;
    std::array<BYTE, size * rowBytes> andMask, xorMask;
    andMask.fill(0xFF);  // transparent
    xorMask.fill(0x00);
    for (size_t y = 0; y < handArt.size(); ++y) {
        for (size_t x = 0; handArt[y][x]; ++x) {
            const char pixel = handArt[y][x];
            if (pixel == '.') continue;
            const size_t byte = y * rowBytes + x / 8;
            const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
            andMask[byte] &= static_cast<BYTE>(~bit);
            if (pixel == 'o') xorMask[byte] |= bit;
        }
    }
    return UniqueCursor(CreateCursor(GetModuleHandleW(nullptr), 5, 0, size, size, andMask.data(), xorMask.data()));
}

}  // namespace

Win32LinkBox::Win32LinkBox(Win32Form& form, const ControlDesign& design, HWND parent)
    : WindowControl(form, design), background_(CreateSolidBrush(linkBackground)), hand_(makeHandCursor()) {
    create(L"EDIT", ES_AUTOHSCROLL | ES_READONLY, 0, parent);
    SetWindowSubclass(hwnd_, subclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

Win32LinkBox::~Win32LinkBox() {
    RemoveWindowSubclass(hwnd_, subclassProc, 1);
    destroyWindow();  // while its font, brush and cursor still exist
}

HBRUSH Win32LinkBox::onColor(HDC dc) {
    SetTextColor(dc, linkText);
    SetBkColor(dc, linkBackground);
    return background_.get();
}

void Win32LinkBox::applyDpi() {
    // Its own font, whatever the dialog's: the Japanese proportional gothic, underlined.
    font_.reset(CreateFontW(-form_.toPixels(ninePoints), 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, SHIFTJIS_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                            L"ＭＳ Ｐゴシック"));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    SendMessageW(hwnd_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);  // the address starts where the labels do
    place();
}

LRESULT CALLBACK Win32LinkBox::subclassProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self) {
    auto* box = reinterpret_cast<Win32LinkBox*>(self);
    switch (message) {
    case WM_SETCURSOR:
        if (LOWORD(l) == HTCLIENT && box->hand_) {
            SetCursor(box->hand_.get());
            return TRUE;
        }
        break;
    case WM_LBUTTONDBLCLK:
        return guardCallback(box->form_.dialogs(), LRESULT{0}, [&] {
            box->form_.raise(box->design_.name, Event::DblClick);
            return LRESULT{0};
        });
    }
    return DefSubclassProc(window, message, w, l);
}

}  // namespace parcelo::win32
