// The floor of a Send-To launch: the least a Win32 program does to ask for one name in an input box, show
// one message box and end.
#include <windows.h>

#include "minimal_prompt.h"

namespace {

INT_PTR CALLBACK promptProcedure(HWND dialog, UINT message, WPARAM w, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(w));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MINIMAL_PROMPT), nullptr, promptProcedure, 0);
    MessageBoxW(nullptr, L"完了", L"Parcelo", MB_OK);
    return 0;
}
