#include "platform/win32/dialogs_win32.h"

#include <windows.h>
#include <commdlg.h>

#include <optional>

#include "platform/win32/callback_guard.h"
#include "platform/win32/errors_win32.h"
#include "platform/win32/popup_menu_win32.h"
#include "platform/win32/resources/resource.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {
namespace {

struct PromptState {
    std::wstring prompt, caption, text;
};

INT_PTR handlePrompt(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    auto* state = reinterpret_cast<PromptState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        state = reinterpret_cast<PromptState*>(l);
        SetWindowLongPtrW(dialog, DWLP_USER, l);
        SetWindowTextW(dialog, state->caption.c_str());
        SetDlgItemTextW(dialog, IDC_PROMPT_TEXT, state->prompt.c_str());
        SetDlgItemTextW(dialog, IDC_PROMPT_EDIT, state->text.c_str());
        SendDlgItemMessageW(dialog, IDC_PROMPT_EDIT, EM_SETSEL, 0, -1);
        SetFocus(GetDlgItem(dialog, IDC_PROMPT_EDIT));
        return FALSE;  // the focus is set
    case WM_COMMAND:
        if (LOWORD(w) == IDOK) {
            const int length = GetWindowTextLengthW(GetDlgItem(dialog, IDC_PROMPT_EDIT));
            state->text.assign(static_cast<size_t>(length) + 1, L'\0');
            state->text.resize(static_cast<size_t>(
                GetDlgItemTextW(dialog, IDC_PROMPT_EDIT, state->text.data(), length + 1)));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(w) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// No exception may reach the system's dialog loop: a text that cannot be kept ends the box as Cancel does.
INT_PTR CALLBACK promptProc(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    const auto handled = guardCallback(std::optional<INT_PTR>(), [&] {
        return std::optional<INT_PTR>(handlePrompt(dialog, message, w, l));
    });
    if (handled) return *handled;
    EndDialog(dialog, IDCANCEL);
    return TRUE;
}

}  // namespace

int Win32Dialogs::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return MessageBoxW(GetActiveWindow(), widen(text).c_str(), widen(caption).c_str(), flags);
}

std::string Win32Dialogs::prompt(const std::string& prompt, const std::string& caption, const std::string& defaultText) {
    PromptState state{widen(prompt), widen(caption), widen(defaultText)};
    const INT_PTR pressed = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PROMPT), GetActiveWindow(),
                                            promptProc, reinterpret_cast<LPARAM>(&state));
    if (pressed == -1) throw lastError("入力ボックス");
    return pressed == IDOK ? narrow(state.text) : std::string();
}

std::optional<std::string> Win32Dialogs::openFile(const std::string& filter, unsigned flags) {
    // "description|patterns" becomes the dialog's "description\0patterns\0\0".
    std::wstring filters = widen(filter) + L'|';
    for (wchar_t& c : filters)
        if (c == L'|') c = L'\0';
    std::wstring file(32768, L'\0');
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetActiveWindow();
    request.lpstrFilter = filters.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
    // The common dialogs are loaded for this command only, not at every start.
    static const auto getOpenFileName =
        systemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    static const auto extendedError =
        systemFunction<decltype(CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
    if (!getOpenFileName || !extendedError) throw lastError("ファイルを開く");
    if (!getOpenFileName(&request)) {
        if (const DWORD failure = extendedError()) throw errorFrom(failure, "ファイルを開く");
        return std::nullopt;
    }
    return narrow(file.c_str());
}

std::optional<std::string> Win32Dialogs::popupMenu(const std::vector<PopupItem>& items, const SubmenuItems& submenus) {
    return showPopupMenu(items, submenus, *this);
}

}  // namespace parcelo::win32
