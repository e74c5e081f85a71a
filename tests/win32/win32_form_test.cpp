#include "../shared/form_contract.h"

#include <windows.h>
#include <winternl.h>

#include <tuple>

#include "about/frmAbout_design.h"
#include "options/frmOpt_design.h"
#include "platform/win32/child_window.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/form_win32.h"
#include "platform/win32/ui_win32.h"

namespace parcelo::test {
namespace {

using namespace win32;

HWND hwndOf(Form& form, std::string_view name) { return dynamic_cast<ChildWindow&>(form.control(name)).hwnd(); }

struct Win32Harness {
    Win32Dialogs dialogs;
    Win32Ui ui{dialogs};

    std::unique_ptr<Form> create(const FormDesign& design, FormEvents& events) { return ui.createForm(design, events); }
    // A timer of the thread, which the modal loop dispatches like any other message.
    static void duringModal(std::function<void()> act) {
        static std::function<void()> pending;
        pending = std::move(act);
        SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR timer, DWORD) {
            KillTimer(nullptr, timer);
            std::exchange(pending, nullptr)();
        });
    }
    static void click(Form& form, std::string_view name) { SendMessageW(hwndOf(form, name), BM_CLICK, 0, 0); }
    static void pressTab(Form& form, bool forward) {
        BYTE keys[256]{};
        keys[VK_SHIFT] = forward ? 0 : 0x80;
        SetKeyboardState(keys);
        MSG tab{GetFocus() ? GetFocus() : dynamic_cast<Win32Form&>(form).hwnd(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        dispatchMessage(tab);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }
    static std::string focused(Form& form) {
        for (const ControlDesign& c : dynamic_cast<Win32Form&>(form).design().controls)
            if (hwndOf(form, c.name) == GetFocus()) return std::string(c.name);
        return "";
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, FormContract, Win32Harness);

// Wine answers GetGuiResources with 0. There the GDI objects are the used entries of the process's GDI
// handle table (its address in the PEB, as on Windows), an entry in use being one with a type.
struct GdiEntry {
    BYTE before[14];
    UCHAR type;
    BYTE after[9];
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

constexpr ControlDesign mainControls[] = {{"cmdGo", ControlKind::Button, "", "Go", {0, 0, 1215, 300}, 0}};
const FormDesign mainDesign{"frmTest", "Parcelo test", Border::Sizeable, {1500, 1500, 6000, 3000}, {192, 192, 192},
                            mainControls, {}};

// The program's dialogs over a main window of their own.
struct Win32Dialog : testing::Test, Win32Harness {
    Recorder mainEvents, events;
    Win32Form main{mainDesign, mainEvents, dialogs};
};

// Which button the keys press is decided in the core; here, that the system's dialog keys reach it. The
// designed client area, the about box's scenario checks.
TEST_F(Win32Dialog, IsAFixedWindowOfTheMainOneCentredAndEnterAndEscReachItsButtons) {
    Win32Form dialog(frmOptDesign, events, dialogs);
    const LONG style = GetWindowLongW(dialog.hwnd(), GWL_STYLE);
    EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU));
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(GetWindow(dialog.hwnd(), GW_OWNER), main.hwnd()) << "owned, so off the taskbar";
    MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(main.hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT r;
    GetWindowRect(dialog.hwnd(), &r);
    EXPECT_LE(std::abs((r.left + r.right) - (monitor.rcWork.left + monitor.rcWork.right)), 1);
    EXPECT_LE(std::abs((r.top + r.bottom) - (monitor.rcWork.top + monitor.rcWork.bottom)), 1);

    const LRESULT defId = SendMessageW(dialog.hwnd(), DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(defId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defId), GetDlgCtrlID(hwndOf(dialog, "cmdOK")));
    EXPECT_TRUE(GetWindowLongW(hwndOf(dialog, "cmdOK"), GWL_STYLE) & BS_DEFPUSHBUTTON);
    SendMessageW(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(events.raised, (Raised{{"cmdCan", Event::Click}}));
}

// That the Tab key never reaches them, the about box's scenario checks.
TEST_F(Win32Dialog, AddressBoxesLookLikeLinksAndOpenOnADoubleClick) {
    Win32Form about(frmAboutDesign, events, dialogs);
    for (const char* name : {"txtURL", "txtMail"}) {
        const HWND box = hwndOf(about, name);
        LOGFONTW font{};
        ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof font, &font));
        EXPECT_STREQ(font.lfFaceName, L"ＭＳ Ｐゴシック") << name;
        // Height, weight, underline and character set.
        EXPECT_EQ(std::tuple(font.lfHeight, font.lfWeight, font.lfUnderline, font.lfCharSet),
                  std::tuple(-MulDiv(9, GetDpiForWindow(about.hwnd()), 72), FW_NORMAL, TRUE, SHIFTJIS_CHARSET)) << name;

        const HDC dc = GetDC(box);
        EXPECT_NE(SendMessageW(about.hwnd(), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(box)), 0) << name;
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255)) << name;
        EXPECT_EQ(GetBkColor(dc), RGB(192, 192, 192)) << name;
        ReleaseDC(box, dc);

        SendMessageW(box, WM_SETCURSOR, WPARAM(box), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        ICONINFO cursor{};
        ASSERT_TRUE(GetIconInfo(GetCursor(), &cursor)) << name;
        DeleteObject(cursor.hbmMask);
        // The hand, a cursor and not an icon.
        EXPECT_EQ(std::tuple(cursor.fIcon, cursor.xHotspot, cursor.yHotspot), std::tuple(FALSE, 5u, 0u)) << name;

        SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageW(box, WM_LBUTTONUP, 0, 0);
        SendMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    }
    EXPECT_EQ(events.raised, (Raised{{"txtURL", Event::DblClick}, {"txtMail", Event::DblClick}}));
}

// How a modal showing ends is the form contract's; here, what it does to the main window, and that each
// showing as the program makes it, closed by the close box, paints and leaves no GDI object behind (its
// windows go with it: unloaded, it has none).
TEST_F(Win32Dialog, ShownModalTwentyTimesItHoldsTheMainWindowPaintsItsColourAndItsCloseBoxLeavesNothingBehind) {
    // Points (twips) of each client area where no control stands: on the window, beside a label's text, in a frame.
    const std::pair<const FormDesign&, std::vector<POINT>> showings[] = {
        {frmAboutDesign, {{3000, 1500}, {3900, 330}}},
        {frmOptDesign, {{7500, 1900}, {3000, 1300}}},
    };
    for (const auto& [design, bare] : showings) {
        DWORD gdiAfterFirst = 0;
        for (int showing = 1; showing <= 20; ++showing) {
            {
                Win32Form form(design, events, dialogs);
                duringModal([&] {
                    EXPECT_FALSE(IsWindowEnabled(main.hwnd())) << "the main window waits";
                    UpdateWindow(form.hwnd());
                    const HDC dc = GetDC(form.hwnd());
                    for (const POINT& at : bare)
                        EXPECT_EQ(GetPixel(dc, form.toPixels(at.x), form.toPixels(at.y)),
                                  RGB(design.background.red, design.background.green, design.background.blue))
                            << design.name << " showing " << showing << " at " << at.x << "," << at.y;
                    ReleaseDC(form.hwnd(), dc);
                    PostMessageW(form.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
                });
                form.showModal();
                EXPECT_FALSE(form.loaded());
                EXPECT_TRUE(IsWindowEnabled(main.hwnd()));
            }
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                EXPECT_NE(message.message, WM_QUIT) << "a dialog's end is not the program's";
                DispatchMessageW(&message);
            }
            if (showing == 1) gdiAfterFirst = gdiObjects();
        }
        EXPECT_GT(gdiAfterFirst, 0u);
        EXPECT_EQ(gdiObjects(), gdiAfterFirst) << design.name;
    }
}

}  // namespace
}  // namespace parcelo::test
