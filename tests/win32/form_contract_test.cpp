#include "../shared/form_contract.h"

#include <windows.h>

#include "platform/win32/child_window.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/form_win32.h"
#include "platform/win32/ui_win32.h"

namespace parcelo::test {
namespace {

using namespace win32;

struct Win32Harness {
    Win32Dialogs dialogs;
    Win32Ui ui{dialogs};

    static HWND hwndOf(Form& form, std::string_view name) {
        return dynamic_cast<ChildWindow&>(form.control(name)).hwnd();
    }

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
        BYTE keys[256];
        GetKeyboardState(keys);
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

}  // namespace
}  // namespace parcelo::test
