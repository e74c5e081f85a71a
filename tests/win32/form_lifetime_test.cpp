#include <gtest/gtest.h>
#include <windows.h>
#include <winternl.h>

#include "about/frmAbout_design.h"
#include "options/frmOpt_design.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/form_win32.h"

namespace parcelo::win32 {
namespace {

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

struct Ignore : FormEvents {
    void onEvent(std::string_view, Event) override {}
};

// Points of each client area where no control stands, and one inside a label beside its text.
struct Showing {
    const FormDesign& design;
    std::vector<POINT> bare;  // twips
};

TEST(Win32FormLifetime, ADialogShownAndClosedTwentyTimesPaintsItsColourAndLeavesNothingBehind) {
    Win32Dialogs dialogs;
    Ignore events;
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
