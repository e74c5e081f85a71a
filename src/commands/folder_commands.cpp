#include "commands/shortcut_texts.h"
#include "core/error_styles.h"
#include "core/new_folder_path.h"
#include "core/shell_link.h"
#include "folderpicker/clsBrowsFolder.h"
#include "mainwindow/frmMain.h"

namespace parcelo {

void frmMain::mnuDi_Click() {
    clsBrowsFolder browser(platform_.folderBrowser);
    browser.pDialogTitle("参照");
    if (browser.mShowDialog()) linkFolder(browser.pPathName());
}

// Every failing step is skipped and the next one runs.
void frmMain::linkFolder(const std::string& folderPath) {
    std::string name;
    skipOnError([&] { name = platform_.dialogs.prompt(shortcutNamePrompt, applicationTitle, ""); });
    if (name.empty()) return;
    // An item without a file-system path gives an empty folder path, which the writer refuses.
    std::int32_t result = 0;
    skipOnError([&] { result = fCreateShellLink(platform_, sendToFromPrograms, name, folderPath, ""); });
    skipOnError([&] { platform_.dialogs.messageBox(result == 1 ? "完了" : "失敗", applicationTitle, box::ok); });
    skipOnError([&] { webMain().refresh(); });
}

void frmMain::cmdFopen_Click() { mnuDi_Click(); }

// Says nothing, whatever happens: the refreshed view and folder list are the only answer.
void frmMain::cmdNdir_Click() {
    std::string name;
    skipOnError([&] { name = platform_.dialogs.prompt("フォルダ名を入力してください", "フォルダ作成", ""); });
    // Always in the target folder, whatever folder the lists show.
    if (const std::optional<std::string> path = newFolderPath(values_.TargetPath, name))
        skipOnError([&] { platform_.files.createDirectory(*path); });
    skipOnError([&] { webMain().refresh(); });
    skipOnError([&] { dirDir().refresh(); });
}

}  // namespace parcelo
