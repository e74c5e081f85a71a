#include "core/error_styles.h"
#include "core/send_to_entries.h"
#include "core/shell_link.h"
#include "core/special_folders.h"
#include "core/windows_names.h"
#include "items/frmItems.h"
#include "mainwindow/frmMain.h"

namespace parcelo {

void frmMain::mnuItems_Click() {
    frmItems items(platform_, SpecialFolderPath(platform_.shell, csidlSendTo));
    items.show();
    webMain().refresh();
}

// Puts this Parcelo.exe into the Send To menu, unless an entry opens it already.
void frmMain::mnuReg_Click() {
    const std::string self = platform_.shell.executablePath();
    const std::string sendTo = SpecialFolderPath(platform_.shell, csidlSendTo);
    for (const SendToEntry& entry : readSendToLinks(platform_.folders, sendTo)) {
        if (entry.link && sameWindowsPath(entry.link->target, self)) {
            platform_.dialogs.messageBox("Parcelo は既に送るメニューにあります (" + entry.item.displayName + ")",
                                         applicationTitle, box::ok);
            return;
        }
    }
    const bool done = createShortcutIn(platform_, sendTo, "Parcelo", self, "") == 1;
    platform_.dialogs.messageBox(done ? "完了" : "失敗", applicationTitle, box::ok);
    skipOnError([&] { webMain().refresh(); });
}

// Each dropped file as if it had been sent to Parcelo, each folder as if picked for a folder link,
// in the order dropped.
void frmMain::Form_OLEDragDrop() {
    for (const std::string& path : form_->droppedPaths()) {
        if (platform_.files.attributes(path).directory) {
            linkFolder(path);
        } else {
            SourcePath = path;
            reportErrors(platform_.dialogs, [&] { cmdCr_Click(); });
        }
    }
}

}  // namespace parcelo
