#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/event_table.h"
#include "core/send_to_entries.h"
#include "platform/platform.h"

namespace parcelo {

// The entries of the Send To folder, each switched on and off by its check box (a hidden entry is
// not in the menu), renamed in place, moved to the Recycle Bin or edited in the shell's properties
// sheet; the standard entries put back. Remembers nothing once closed.
class frmItems : public FormWindow<frmItems> {
public:
    frmItems(Platform& platform, std::string folder) : platform_(platform), folder_(std::move(folder)) {}

    // Loads it, shows it modal and returns once it is closed.
    void show();

    static const EventTable<frmItems> eventTable;

    void Form_Load();
    void Form_Resize();
    void Form_Idle();
    void lvwItems_ItemCheck();
    void lvwItems_Rename();
    void cmdDel_Click();
    void cmdRen_Click();
    void cmdBroken_Click();
    void lvwItems_Change();
    void cmdSub_Click();
    void cmdProp_Click();
    void cmdOpen_Click();
    void cmdStd_Click();
    void Form_Activate();
    void cmdClose_Click();

private:
    ReportList& lvwItems();
    void fill();
    void showDetails(size_t row);
    void needDetails(size_t row);
    void showStates();
    void fail();
    // The selected entry that the submenu button acts on: a folder, or a submenu's shortcut.
    std::optional<size_t> submenuCandidate();
    bool makeSubmenu(const FolderItem& folder);
    bool undoSubmenu(const FolderItem& folder, const FolderItem& shortcut);

    friend class FormWindow<frmItems>;
    Platform& platform_;
    std::string folder_;
    std::unique_ptr<Form> form_;
    std::vector<SendToEntry> entries_;
    // A properties sheet or Explorer was opened on the folder: what the user changed there shows
    // whenever the dialog is active again.
    bool refreshWhenActive_ = false;
};

}  // namespace parcelo
