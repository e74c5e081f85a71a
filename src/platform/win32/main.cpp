#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "cascade/cascade.h"
#include "copymove/copy_move.h"
#include "core/command_line.h"
#include "core/error_styles.h"
#include "core/program_values.h"
#include "mainwindow/frmMain.h"
#include "platform/win32/codepage_win32.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/file_operation_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/folder_browser_win32.h"
#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/shortcut_writer_win32.h"
#include "platform/win32/ui_win32.h"

namespace {

// COM and OLE for the shell's folder view, for as long as the program runs.
struct OleSession {
    OleSession() : ok(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (ok) OleUninitialize();
    }
    bool ok;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A drive without its medium must not stop the program with a system box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const OleSession ole;

    using namespace parcelo;
    win32::Win32FileSystem files;
    win32::Win32Shell shell;
    win32::Win32Codepage codepage;
    win32::Win32Dialogs dialogs;
    win32::Win32Ui ui(dialogs);
    win32::Win32ShortcutWriter shortcuts;
    win32::Win32FolderBrowser folderBrowser;
    win32::Win32ShellFolder folders;
    Platform platform{files, shell, codepage, dialogs, ui, shortcuts, folderBrowser, folders};
    const std::vector<std::string> arguments = splitArguments(argumentText(shell.commandLine()));
    // A submenu's shortcut starts Parcelo for its menu alone: no settings, no main window.
    if (const auto request = cascadeRequest(arguments)) {
        try {
            runCascade(platform, *request);
        } catch (const std::exception& failure) {
            reportUnexpected(dialogs, failure);
        }
        return 0;
    }
    // So do the two entries that copy or move what is sent to a folder picked then.
    if (const auto request = copyMoveRequest(arguments)) {
        try {
            win32::Win32FileOperation operation;
            runCopyMove(platform, operation, *request);
        } catch (const std::exception& failure) {
            reportUnexpected(dialogs, failure);
        }
        return 0;
    }

    ProgramValues values;
    frmMain window(platform, values);
    try {
        window.start();
    } catch (const std::exception& failure) {
        reportUnexpected(dialogs, failure);
        return 1;
    }
    return win32::runMessageLoop();
}
