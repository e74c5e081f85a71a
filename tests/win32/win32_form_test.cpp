#include <gtest/gtest.h>
#include <windows.h>

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

// Events as a Recorder keeps them.
std::vector<std::pair<std::string, Event>> seenOf(std::initializer_list<std::pair<std::string_view, Event>> list) {
    std::vector<std::pair<std::string, Event>> seen;
    for (const auto& [source, event] : list) seen.emplace_back(source, event);
    return seen;
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
    static bool isChecked(Win32Form& form, std::string_view name) {
        return SendMessageW(hwndOf(form, name), BM_GETCHECK, 0, 0) == BST_CHECKED;
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

TEST_F(Win32Dialog, SelectingAnOptionClearsTheOthersAndRaisesClickWhoeverSelectsIt) {
    Win32Form dialog(frmOptDesign, events, dialogs);
    ASSERT_TRUE(isChecked(dialog, frmOptNames::optSend));
    dialog.toggle(frmOptNames::optStart).setChecked(true);
    EXPECT_FALSE(isChecked(dialog, frmOptNames::optSend));
    EXPECT_TRUE(dialog.toggle(frmOptNames::optStart).checked());
    SendMessageW(hwndOf(dialog, frmOptNames::optUpath), BM_CLICK, 0, 0);  // the user
    EXPECT_FALSE(isChecked(dialog, frmOptNames::optStart));
    EXPECT_TRUE(isChecked(dialog, frmOptNames::optUpath));
    dialog.toggle(frmOptNames::optUpath).setChecked(true);  // already selected: nothing happens
    SendMessageW(hwndOf(dialog, frmOptNames::chkOQ), BM_CLICK, 0, 0);
    EXPECT_TRUE(dialog.toggle(frmOptNames::chkOQ).checked());
    dialog.toggle(frmOptNames::chkOQ).setChecked(false);
    EXPECT_EQ(events.seen, seenOf({{frmOptNames::optStart, Event::Click},
                                   {frmOptNames::optUpath, Event::Click},
                                   {frmOptNames::chkOQ, Event::Click},
                                   {frmOptNames::chkOQ, Event::Click}}));
}

TEST_F(Win32Dialog, EnterGoesToTheDefaultButtonAndEscToTheCancelButton) {
    Win32Form options(frmOptDesign, events, dialogs);
    const LRESULT defId = SendMessageW(options.hwnd(), DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(defId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defId), GetDlgCtrlID(hwndOf(options, frmOptNames::cmdOK)));
    EXPECT_TRUE(GetWindowLongW(hwndOf(options, frmOptNames::cmdOK), GWL_STYLE) & BS_DEFPUSHBUTTON);
    SendMessageW(options.hwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(events.seen, seenOf({{frmOptNames::cmdCan, Event::Click}}));

    Recorder aboutEvents;
    Win32Form about(frmAboutDesign, aboutEvents, dialogs);
    EXPECT_EQ(LOWORD(SendMessageW(about.hwnd(), DM_GETDEFID, 0, 0)), GetDlgCtrlID(hwndOf(about, frmAboutNames::cmdOK)));
    SendMessageW(about.hwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(aboutEvents.seen.empty()) << "the About box has no cancel button";
}

TEST_F(Win32Dialog, AddressBoxesLookLikeLinksAndOpenOnADoubleClick) {
    Win32Form about(frmAboutDesign, events, dialogs);
    for (std::string_view name : {frmAboutNames::txtURL, frmAboutNames::txtMail}) {
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
        BITMAP mask{};
        GetObjectW(cursor.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, 32) << "monochrome: the mask holds both planes";
        EXPECT_EQ(mask.bmHeight, 64);
        EXPECT_EQ(cursor.hbmColor, nullptr);
        DeleteObject(cursor.hbmMask);

        SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageW(box, WM_LBUTTONUP, 0, 0);
        SendMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    }
    EXPECT_EQ(events.seen,
              seenOf({{frmAboutNames::txtURL, Event::DblClick}, {frmAboutNames::txtMail, Event::DblClick}}));
}

TEST_F(Win32Dialog, ShownModalItHoldsTheOtherWindowsUntilHiddenAndTheCloseBoxUnloadsIt) {
    Win32Form dialog(frmOptDesign, events, dialogs);
    bool mainEnabledMeanwhile = true;
    events.then = [&](std::string_view source, Event) {
        mainEnabledMeanwhile = IsWindowEnabled(main.hwnd()) != FALSE;
        if (source == frmOptNames::cmdCan) dialog.hide();
    };
    PostMessageW(hwndOf(dialog, frmOptNames::cmdCan), BM_CLICK, 0, 0);
    dialog.showModal();
    EXPECT_FALSE(mainEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(main.hwnd()));
    EXPECT_FALSE(dialog.visible());
    EXPECT_TRUE(dialog.loaded());

    PostMessageW(dialog.hwnd(), WM_CLOSE, 0, 0);
    dialog.showModal();
    EXPECT_FALSE(dialog.loaded());
    EXPECT_TRUE(IsWindowEnabled(main.hwnd()));
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a dialog's end is not the program's";
}

}  // namespace
}  // namespace parcelo::win32
