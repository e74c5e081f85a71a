#include "commands/shortcut_texts.h"
#include "core/shell_link.h"
#include "mainwindow/frmMain.h"

namespace parcelo {
namespace {

// A file the shortcut may point to: taken literally, an ordinary file that is neither hidden
// nor a system file.
bool isOrdinaryFile(FileSystem& files, const std::string& path) {
    const FileAttributes a = files.attributes(path);
    return a.exists && !a.directory && !a.hidden && !a.system;
}

}  // namespace

void frmMain::cmdOpen_Click() {
    // Every failure from the dialog on ends the command quietly.
    std::optional<std::string> chosen;
    try {
        chosen = platform_.dialogs.openFile(std::string(dlgFileFilter), open_file::fileMustExist);
    } catch (const PlatformError&) {
        return;
    }
    if (!chosen) return;
    SourcePath = *chosen;
    txtName().setText(SourcePath);
}

void frmMain::cmdCr_Click() {
    if (SourcePath.empty()) cmdOpen_Click();
    if (!isOrdinaryFile(platform_.files, SourcePath)) {
        platform_.dialogs.messageBox("ファイル名が正しくありません", applicationTitle, box::ok);
        return;
    }
    const std::string linkPath = SourcePath;
    std::string name;
    for (;;) {
        name = platform_.dialogs.prompt(shortcutNamePrompt + SourcePath, "作成", "");
        if (!name.empty()) break;
        if (platform_.dialogs.messageBox(shortcutNamePrompt, applicationTitle, box::okCancel | box::iconWarning) !=
            box::pressedOk)
            return;
    }
    if (fCreateShellLink(platform_, sendToFromPrograms, name, linkPath, "") == 1) {
        platform_.dialogs.messageBox("完了", applicationTitle, box::ok);
        SourcePath.clear();
        txtName().setText("");
    } else {
        platform_.dialogs.messageBox("失敗", applicationTitle, box::ok);
    }
    webMain().refresh();
}

void frmMain::mnuEx_Click() { cmdCr_Click(); }
void frmMain::mnul_Click() { cmdOpen_Click(); }

}  // namespace parcelo
