#pragma once
#include <memory>

#include "core/event_table.h"
#include "core/program_values.h"
#include "options/frmOpt_design.h"
#include "platform/platform.h"

namespace parcelo {

class frmMain;

// The options dialog: the target folder and the quit-after-send option. Loaded once and then
// hidden between showings, so its controls keep what the user left in them; its close box unloads it.
class frmOpt : public FormEvents {
public:
    frmOpt(Platform& platform, ProgramValues& values, frmMain& main);

    // Loads the window without showing it, running its load step, unless it is loaded already.
    void load();
    // Shows it modal, loading it first if need be; returns once it is hidden or unloaded.
    void show();
    bool loaded() const { return form_ != nullptr; }
    Form& form() { return *form_; }

    static const EventTable<frmOpt> eventTable;
    void onEvent(std::string_view source, Event event) override;

    void Form_Load();
    void optSend_Click();
    void optStart_Click();
    void optUpath_Click();
    void cmdO_Click();
    void cmdOK_Click();
    void cmdCan_Click();

private:
    Control& txtPath() { return form_->control(frmOptNames::txtPath); }
    Control& cmdO() { return form_->control(frmOptNames::cmdO); }
    Toggle& optSend() { return form_->toggle(frmOptNames::optSend); }
    Toggle& optStart() { return form_->toggle(frmOptNames::optStart); }
    Toggle& optUpath() { return form_->toggle(frmOptNames::optUpath); }
    Toggle& chkOQ() { return form_->toggle(frmOptNames::chkOQ); }
    void enablePathInput(bool enabled);

    Platform& platform_;
    ProgramValues& values_;
    frmMain& main_;
    std::unique_ptr<Form> form_;
};

}  // namespace parcelo
