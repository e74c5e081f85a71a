#include "items/frmItems.h"

#include <algorithm>

#include "core/cascade_request.h"
#include "core/error_styles.h"
#include "core/event_table.h"
#include "core/shell_link.h"
#include "core/shortcut_name.h"
#include "core/standard_entries.h"
#include "core/windows_names.h"
#include "items/frmItems_design.h"
#include "platform/platform_error.h"

namespace parcelo {
namespace {

using namespace frmItemsNames;

constexpr Binding<frmItems> bindings[] = {
    {formSource, Event::Load,     &frmItems::Form_Load},
    {formSource, Event::Resize,   &frmItems::Form_Resize},
    {formSource, Event::Idle,     &frmItems::Form_Idle},
    {lvwItems,   Event::ItemCheck, &frmItems::lvwItems_ItemCheck},
    {lvwItems,   Event::Rename,   &frmItems::lvwItems_Rename},
    {lvwItems,   Event::DeleteKey, &frmItems::cmdDel_Click},
    {cmdDel,     Event::Click,    &frmItems::cmdDel_Click},
    {cmdRen,     Event::Click,    &frmItems::cmdRen_Click},
    {cmdBroken,  Event::Click,    &frmItems::cmdBroken_Click},
    {cmdClose,   Event::Click,    &frmItems::cmdClose_Click},
    {lvwItems,   Event::Change,   &frmItems::lvwItems_Change},
    {cmdSub,     Event::Click,    &frmItems::cmdSub_Click},
    {cmdProp,    Event::Click,    &frmItems::cmdProp_Click},
    {cmdOpen,    Event::Click,    &frmItems::cmdOpen_Click},
    {cmdStd,     Event::Click,    &frmItems::cmdStd_Click},
    {formSource, Event::Activate, &frmItems::Form_Activate},
};

constexpr Twips margin = 120;

// The file name a typed name gives an entry: the extension the shell hides is kept.
std::string renamedFile(const SendToEntry& entry, const std::string& typed) {
    if (entry.item.directory) return typed;
    const std::string file(lastPathPart(entry.item.path));
    const size_t dot = file.rfind('.');
    if (dot == std::string::npos || dot == 0) return typed;
    const std::string extension = file.substr(dot);
    return entry.item.displayName.ends_with(extension) ? typed : typed + extension;
}

}  // namespace

const EventTable<frmItems> frmItems::eventTable = bindings;

void frmItems::show() { showModal(frmItemsDesign); }

ReportList& frmItems::lvwItems() { return form_->reportList(frmItemsNames::lvwItems); }

void frmItems::Form_Load() {
    fill();
    lvwItems_Change();
}

// The names at once; each entry's target and icon, and then the states, while the window is idle.
void frmItems::fill() {
    entries_ = readSendToEntries(platform_.folders, folder_);
    std::vector<ListRow> rows;
    for (const SendToEntry& entry : entries_)
        rows.push_back({{entry.item.displayName, "", ""}, !entry.item.hidden, ""});
    lvwItems().setRows(rows);
    form_->requestIdle();
}

void frmItems::showDetails(size_t row) {
    readDetails(platform_.folders, entries_[row]);
    lvwItems().setCell(row, columnTarget, targetText(entries_[row]));
    lvwItems().setIcon(row, entries_[row].item.path);
}

void frmItems::needDetails(size_t row) {
    if (entries_.at(row).detailsPending) showDetails(row);
}

void frmItems::showStates() {
    for (size_t i = 0; i < entries_.size(); ++i) lvwItems().setCell(i, columnState, stateText(entries_, i));
}

void frmItems::fail() { platform_.dialogs.messageBox("失敗", applicationTitle, box::ok); }

// The list takes what the column of buttons on the right leaves; Close stays at the bottom.
void frmItems::Form_Resize() {
    const TwipsRect client = form_->clientRect();
    const Twips buttonWidth = form_->control(cmdDel).rect().width;
    const Twips buttonLeft = std::max(client.width - margin - buttonWidth, margin);
    lvwItems().move({margin, margin, std::max<Twips>(buttonLeft - 2 * margin, 0), std::max<Twips>(client.height - 2 * margin, 0)});
    for (const ControlDesign& c : frmItemsDesign.controls) {
        if (c.kind != ControlKind::Button) continue;
        TwipsRect rect = c.rect;
        rect.left = buttonLeft;
        if (c.flags & control_flag::cancelButton) rect.top = std::max(client.height - margin - rect.height, margin);
        form_->control(c.name).move(rect);
    }
}

// One entry at a time, so the window answers the user in between. A state may hang on any other
// entry, so the states show once every shortcut is read; targets on drives that may be slow are
// looked at last.
void frmItems::Form_Idle() {
    const auto pending =
        std::find_if(entries_.begin(), entries_.end(), [](const SendToEntry& e) { return e.detailsPending; });
    if (pending != entries_.end()) {
        showDetails(static_cast<size_t>(pending - entries_.begin()));
        form_->requestIdle();
        return;
    }
    checkPendingTargets(platform_.folders, entries_);
    showStates();
}

void frmItems::lvwItems_ItemCheck() {
    const size_t row = lvwItems().eventRow();
    const bool on = lvwItems().rowChecked(row);
    try {
        platform_.folders.setHidden(entries_.at(row).item.path, !on);
        entries_[row].item.hidden = !on;
        lvwItems().setCell(row, columnState, stateText(entries_, row));
    } catch (const PlatformError&) {
        lvwItems().setRowChecked(row, !on);
        fail();
    }
}

void frmItems::lvwItems_Rename() {
    const size_t row = lvwItems().eventRow();
    const std::string typed = lvwItems().typedName();
    SendToEntry& entry = entries_.at(row);
    if (typed == entry.item.displayName) return;
    if (!isPlainFileName(typed)) return fail();
    const std::string file = renamedFile(entry, typed);
    try {
        platform_.folders.rename(entry.item.path, file);
    } catch (const PlatformError&) {
        return fail();
    }
    entry.item.path = folder_ + "\\" + file;
    entry.item.displayName = typed;
    lvwItems().setCell(row, columnName, typed);
}

void frmItems::cmdDel_Click() {
    std::vector<std::string> paths;
    for (size_t row : lvwItems().selectedRows()) paths.push_back(entries_.at(row).item.path);
    if (paths.empty()) return;
    try {
        if (!platform_.folders.recycle(paths)) return;
    } catch (const PlatformError&) {
        fail();
    }
    // What went and what stayed, as the folder now has it.
    fill();
}

void frmItems::cmdRen_Click() {
    const std::vector<size_t> selected = lvwItems().selectedRows();
    if (!selected.empty()) lvwItems().beginRename(selected.front());
}

void frmItems::cmdBroken_Click() {
    std::vector<size_t> broken;
    for (size_t i = 0; i < entries_.size(); ++i)
        if (isBroken(entries_[i])) broken.push_back(i);
    lvwItems().selectRows(broken);
}

void frmItems::cmdClose_Click() { form_->unload(); }

void frmItems::lvwItems_Change() { form_->control(cmdSub).setEnabled(submenuCandidate().has_value()); }

std::optional<size_t> frmItems::submenuCandidate() {
    const std::vector<size_t> selected = lvwItems().selectedRows();
    if (selected.size() != 1) return std::nullopt;
    const size_t row = selected.front();
    needDetails(row);
    if (entries_[row].item.directory || submenuFolderOf(entries_, row)) return row;
    return std::nullopt;
}

// A plain folder becomes a submenu; a submenu, its folder or its shortcut selected, a plain folder again.
void frmItems::cmdSub_Click() {
    const std::optional<size_t> row = submenuCandidate();
    if (!row) return;
    const size_t folder = entries_[*row].item.directory ? *row : *submenuFolderOf(entries_, *row);
    // Any shortcut may be the one that opens the folder.
    for (size_t i = 0; i < entries_.size(); ++i) needDetails(i);
    const std::optional<size_t> shortcut = submenuShortcutOf(entries_, folder);
    if (!shortcut) {
        platform_.dialogs.messageBox(makeSubmenu(entries_[folder].item) ? "完了" : "失敗", applicationTitle, box::ok);
    } else if (platform_.dialogs.messageBox("サブメニューを解除しますか？", applicationTitle, box::okCancel) ==
               box::pressedOk) {
        if (!undoSubmenu(entries_[folder].item, entries_[*shortcut].item)) fail();
    }
    fill();
    lvwItems_Change();
}

void frmItems::cmdProp_Click() {
    const std::vector<size_t> selected = lvwItems().selectedRows();
    if (selected.empty()) return;
    platform_.folders.showProperties(entries_.at(selected.front()).item.path);
    refreshWhenActive_ = true;
}

void frmItems::cmdOpen_Click() {
    platform_.shell.open(folder_);
    refreshWhenActive_ = true;
}

void frmItems::Form_Activate() {
    if (refreshWhenActive_) fill();
}

void frmItems::cmdStd_Click() {
    const RestorePlan plan = planRestore(platform_.files, folder_, platform_.folders.items(folder_));
    if (plan.missing.empty()) {
        platform_.dialogs.messageBox(restoreText(plan), applicationTitle, box::ok);
        return;
    }
    if (platform_.dialogs.messageBox(restoreText(plan), applicationTitle, box::okCancel) != box::pressedOk) return;
    try {
        restoreStandardEntries(platform_.files, folder_, plan);
    } catch (const PlatformError&) {
        fail();
    }
    fill();
}

// The folder is hidden, so Explorer lists only the shortcut beside it, which opens it as a menu.
bool frmItems::makeSubmenu(const FolderItem& folder) {
    const std::string link = folder.path + ".lnk";
    if (platform_.files.attributes(link).exists) return false;
    if (createShortcutIn(platform_, folder_, std::string(lastPathPart(folder.path)), platform_.shell.executablePath(),
                         cascadeArguments(folder.path), folder.path) != 1)
        return false;
    try {
        platform_.folders.setHidden(folder.path, true);
    } catch (const PlatformError&) {
        skipOnError([&] { platform_.files.removeFile(link); });
        return false;
    }
    return true;
}

bool frmItems::undoSubmenu(const FolderItem& folder, const FolderItem& shortcut) {
    try {
        platform_.files.removeFile(shortcut.path);
        platform_.folders.setHidden(folder.path, false);
    } catch (const PlatformError&) {
        return false;
    }
    return true;
}

}  // namespace parcelo
