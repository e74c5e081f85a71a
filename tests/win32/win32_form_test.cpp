#include <gtest/gtest.h>
#include <windows.h>
#include <winternl.h>

#include <functional>

#include "about/frmAbout_design.h"
#include "options/frmOpt_design.h"
#include "platform/win32/child_window.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/form_win32.h"
#include "platform/win32/ui_win32.h"

namespace parcelo::win32 {
namespace {

// Remembers each event and lets a test act on it.
struct Recorder : FormEvents {
    void onEvent(std::string_view source, Event event) override {
        if (source == formSource) return;
        seen.emplace_back(source, event);
        if (then) then(source, event);
    }
    std::vector<std::pair<std::string, Event>> seen;
    std::function<void(std::string_view, Event)> then;
};

// Wine answers GetGuiResources with 0. There the GDI objects are the used entries of the process's GDI
// handle table (its address in the PEB, as on Windows) and the USER objects the thread's windows.
struct GdiEntry {
    UINT64 object;
    USHORT process, count, unique;
    UCHAR type, flags;
    UINT64 user;
};

DWORD gdiObjects() {
    if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return n;
    PROCESS_BASIC_INFORMATION process{};
    NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr);
    const auto* peb = reinterpret_cast<const BYTE*>(process.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiEntry* const*>(peb + 0xF8);
    DWORD n = 0;
    for (size_t i = 0; table && i < 0x10000; ++i) n += table[i].type != 0;
    return n;
}

DWORD userObjects() {
    if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return n;
    DWORD n = 0;
    const auto count = [](HWND window, LPARAM found) -> BOOL {
        ++*reinterpret_cast<DWORD*>(found);
        EnumChildWindows(window, [](HWND, LPARAM f) -> BOOL { return ++*reinterpret_cast<DWORD*>(f), TRUE; }, found);
        return TRUE;
    };
    EnumThreadWindows(GetCurrentThreadId(), count, reinterpret_cast<LPARAM>(&n));
    return n;
}

constexpr ControlDesign mainControls[] = {{"cmdGo", ControlKind::Button, "", "Go", {0, 0, 1215, 300}, 0}};
const FormDesign mainDesign{"frmTest", "Parcelo test", Border::Sizeable, {1500, 1500, 6000, 3000}, {192, 192, 192},
                            mainControls, {}};

class Win32Dialog : public testing::Test {
protected:
    Win32Dialog() : main(mainDesign, mainEvents, dialogs) {}
    static HWND hwndOf(Win32Form& form, std::string_view name) {
        return dynamic_cast<ChildWindow&>(form.control(name)).hwnd();
    }

    Win32Dialogs dialogs;
    Recorder mainEvents, events;
    Win32Form main;
};

TEST_F(Win32Dialog, IsAFixedWindowOfTheMainOneCentredOnTheScreenWithTheDesignedClientArea) {
    Win32Form dialog(frmOptDesign, events, dialogs);
    const LONG style = GetWindowLongW(dialog.hwnd(), GWL_STYLE);
    EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU));
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(GetWindow(dialog.hwnd(), GW_OWNER), main.hwnd()) << "owned, so off the taskbar";
    EXPECT_EQ(GetMenu(dialog.hwnd()), nullptr);
    EXPECT_EQ(dialog.clientRect(), (TwipsRect{0, 0, 8295, 2190}));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main.hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT r;
    GetWindowRect(dialog.hwnd(), &r);
    EXPECT_LE(std::abs((r.left + r.right) - (monitor.rcWork.left + monitor.rcWork.right)), 1);
    EXPECT_LE(std::abs((r.top + r.bottom) - (monitor.rcWork.top + monitor.rcWork.bottom)), 1);
    EXPECT_FALSE(dialog.visible()) << "loaded hidden until shown";
}

// Which button the keys press is decided in the core; here, that the system's dialog keys reach it.
TEST_F(Win32Dialog, EnterGoesToTheDefaultButtonAndEscToTheCancelButton) {
    Win32Form options(frmOptDesign, events, dialogs);
    const LRESULT defId = SendMessageW(options.hwnd(), DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(defId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defId), GetDlgCtrlID(hwndOf(options, "cmdOK")));
    EXPECT_TRUE(GetWindowLongW(hwndOf(options, "cmdOK"), GWL_STYLE) & BS_DEFPUSHBUTTON);
    SendMessageW(options.hwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(events.seen, (std::vector<std::pair<std::string, Event>>{{"cmdCan", Event::Click}}));
}

TEST_F(Win32Dialog, AddressBoxesLookLikeLinksAndOpenOnADoubleClick) {
    Win32Form about(frmAboutDesign, events, dialogs);
    for (const char* name : {"txtURL", "txtMail"}) {
        const HWND box = hwndOf(about, name);
        EXPECT_FALSE(GetWindowLongW(box, GWL_STYLE) & WS_TABSTOP) << name;
        LOGFONTW font{};
        ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof font, &font));
        EXPECT_STREQ(font.lfFaceName, L"ＭＳ Ｐゴシック") << name;
        EXPECT_EQ(font.lfHeight, -MulDiv(9, GetDpiForWindow(about.hwnd()), 72)) << name;
        EXPECT_EQ(font.lfWeight, FW_NORMAL) << name;
        EXPECT_TRUE(font.lfUnderline) << name;
        EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET) << name;

        const HDC dc = GetDC(box);
        EXPECT_NE(SendMessageW(about.hwnd(), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(box)), 0) << name;
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255)) << name;
        EXPECT_EQ(GetBkColor(dc), RGB(192, 192, 192)) << name;
        ReleaseDC(box, dc);

        SendMessageW(box, WM_SETCURSOR, WPARAM(box), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        ICONINFO cursor{};
        ASSERT_TRUE(GetIconInfo(GetCursor(), &cursor)) << name;
        EXPECT_FALSE(cursor.fIcon);
        EXPECT_EQ(cursor.xHotspot, 5u) << name;
        EXPECT_EQ(cursor.yHotspot, 0u) << name;
        DeleteObject(cursor.hbmMask);

        SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageW(box, WM_LBUTTONUP, 0, 0);
        SendMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    }
    EXPECT_EQ(events.seen, (std::vector<std::pair<std::string, Event>>{{"txtURL", Event::DblClick},
                                                                      {"txtMail", Event::DblClick}}));
}

// How a modal showing ends is the form contract's; here, what it does to the program's other windows.
TEST_F(Win32Dialog, ShownModalItHoldsTheOtherWindowsAndItsCloseBoxEndsOnlyItself) {
    Win32Form dialog(frmOptDesign, events, dialogs);
    bool mainEnabledMeanwhile = true;
    events.then = [&](std::string_view, Event) { mainEnabledMeanwhile = IsWindowEnabled(main.hwnd()) != FALSE; };
    PostMessageW(hwndOf(dialog, "cmdCan"), BM_CLICK, 0, 0);
    PostMessageW(dialog.hwnd(), WM_CLOSE, 0, 0);
    dialog.showModal();
    EXPECT_FALSE(mainEnabledMeanwhile);
    EXPECT_FALSE(dialog.loaded());
    EXPECT_TRUE(IsWindowEnabled(main.hwnd()));
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a dialog's end is not the program's";
}

// Points of each client area where no control stands: on the window, beside a label's text, inside a frame.
struct Showing {
    const FormDesign& design;
    std::vector<POINT> bare;  // twips
};

TEST_F(Win32Dialog, ShownAndClosedTwentyTimesItPaintsItsColourAndLeavesNothingBehind) {
    const Showing showings[] = {
        {frmAboutDesign, {{3000, 1500}, {3900, 330}}},
        {frmOptDesign, {{7500, 1900}, {3000, 1300}}},
    };
    for (const Showing& s : showings) {
        DWORD gdiAfterFirst = 0, userAfterFirst = 0;
        for (int showing = 1; showing <= 20; ++showing) {
            {
                Win32Form form(s.design, events, dialogs);
                form.show();
                UpdateWindow(form.hwnd());
                const HDC dc = GetDC(form.hwnd());
                for (const POINT& at : s.bare)
                    EXPECT_EQ(GetPixel(dc, form.toPixels(at.x), form.toPixels(at.y)),
                              RGB(s.design.background.red, s.design.background.green, s.design.background.blue))
                        << s.design.name << " showing " << showing << " at " << at.x << "," << at.y;
                ReleaseDC(form.hwnd(), dc);
                SendMessageW(form.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
                EXPECT_FALSE(form.loaded());
            }
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
            if (showing == 1) gdiAfterFirst = gdiObjects(), userAfterFirst = userObjects();
        }
        EXPECT_GT(gdiAfterFirst, 0u);
        EXPECT_EQ(gdiObjects(), gdiAfterFirst) << s.design.name;
        EXPECT_EQ(userObjects(), userAfterFirst) << s.design.name;
    }
}

}  // namespace
}  // namespace parcelo::win32
