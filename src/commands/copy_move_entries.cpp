#include <algorithm>

#include "core/command_line.h"
#include "core/copy_move_request.h"
#include "core/error_styles.h"
#include "core/send_to_entries.h"
#include "core/shell_link.h"
#include "core/special_folders.h"
#include "core/windows_names.h"
#include "mainwindow/frmMain.h"

namespace parcelo {
namespace {

struct CopyMoveEntry {
    Transfer transfer;
    const char* name;
    int shell32Icon;  // the closed folder for a copy, the open one for a move
};

constexpr CopyMoveEntry copyMoveEntries[] = {
    {Transfer::Copy, "フォルダーへコピー", 3},
    {Transfer::Move, "フォルダーへ移動", 4},
};

bool startsSelfWith(const SendToEntry& entry, const std::string& self, Transfer transfer) {
    if (!entry.link || !sameWindowsPath(entry.link->target, self)) return false;
    const std::optional<CopyMoveRequest> request = copyMoveRequest(splitArguments(entry.link->arguments));
    return request && request->transfer == transfer;
}

}  // namespace

// Puts the two entries that copy or move what is sent to a folder picked then; an entry that
// starts this Parcelo.exe with the same switch already stands for one.
void frmMain::mnuCopyMove_Click() {
    const std::string sendTo = SpecialFolderPath(platform_.shell, csidlSendTo);
    const std::string self = platform_.shell.executablePath();
    const std::vector<SendToEntry> entries = readSendToLinks(platform_.folders, sendTo);
    const std::string icons = platform_.shell.specialFolderPath(csidlSystem) + "\\shell32.dll";
    std::string text;
    bool written = false;
    bool failed = false;
    for (const CopyMoveEntry& wanted : copyMoveEntries) {
        const auto existing = std::find_if(entries.begin(), entries.end(), [&](const SendToEntry& entry) {
            return startsSelfWith(entry, self, wanted.transfer);
        });
        if (existing != entries.end()) {
            text += "「" + std::string(wanted.name) + "」は既に送るメニューにあります (" +
                    existing->item.displayName + ")\n";
            continue;
        }
        if (createShortcutIn(platform_, sendTo, wanted.name, self, copyMoveSwitch(wanted.transfer), icons,
                             wanted.shell32Icon) == 1)
            written = true;
        else
            failed = true;
    }
    if (written || failed) text += failed ? "失敗" : "完了";
    if (text.ends_with('\n')) text.pop_back();
    platform_.dialogs.messageBox(text, applicationTitle, box::ok);
    skipOnError([&] { webMain().refresh(); });
}

}  // namespace parcelo
