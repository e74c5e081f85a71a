#pragma once
#include <functional>
#include <memory>
#include <string>

#include "core/event_table.h"
#include "core/program_values.h"
#include "options/frmOpt_design.h"
#include "platform/platform.h"

namespace parcelo {

// The options dialog: the target folder and the quit-after-send option. Loaded once and then
// hidden between showings, so its controls keep what the user left in them; its close box unloads it.
class frmOpt : public FormWindow<frmOpt> {
public:
    // Shows a folder in the program's window, or throws PlatformError when it cannot.
    using ShowFolder = std::function<void(const std::string& folder)>;

    // OK shows the confirmed folder through `showFolder` before the dialog hides.
    frmOpt(Platform& platform, ShowFolder showFolder);

    // At start-up: loads the window hidden and selects the option of the target folder when that is
    // the Send To or the Programs folder. A step that fails is skipped.
    void preselect(const ProgramValues& settings);
    // Shows it modal, loading it first if need be, and returns once it is hidden or unloaded: the
    // settings as OK left them, or as given when the user did not press OK.
    ProgramValues show(const ProgramValues& settings);

    static const EventTable<frmOpt> eventTable;

    void Form_Load();
    void optSend_Click();
    void optStart_Click();
    void optUpath_Click();
    void cmdO_Click();
    void cmdOK_Click();
    void cmdCan_Click();

private:
    friend class FormWindow<frmOpt>;
    Control& txtPath() { return form_->control(frmOptNames::txtPath); }
    Control& cmdO() { return form_->control(frmOptNames::cmdO); }
    Toggle& optSend() { return form_->toggle(frmOptNames::optSend); }
    Toggle& optStart() { return form_->toggle(frmOptNames::optStart); }
    Toggle& optUpath() { return form_->toggle(frmOptNames::optUpath); }
    Toggle& chkOQ() { return form_->toggle(frmOptNames::chkOQ); }
    void enablePathInput(bool enabled);

    Platform& platform_;
    ShowFolder showFolder_;
    ProgramValues settings_;
    std::unique_ptr<Form> form_;
};

}  // namespace parcelo
