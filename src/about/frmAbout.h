#pragma once
#include <memory>
#include <string>

#include "core/event_table.h"
#include "platform/platform.h"

namespace parcelo {

// "Parcelo Version" with the major number, a point, then minor and revision run together.
std::string versionText(const VersionRecord& version);

// The About box: version, copyright line and the maker's two addresses. Unloaded when it closes.
class frmAbout : public FormWindow<frmAbout> {
public:
    explicit frmAbout(Platform& platform) : platform_(platform) {}

    // Loads it, shows it modal and returns once it is closed.
    void show();

    static const EventTable<frmAbout> eventTable;

    void Form_Load();
    void cmdOK_Click();
    void txtMail_DblClick();
    void txtURL_DblClick();

private:
    friend class FormWindow<frmAbout>;
    Platform& platform_;
    std::unique_ptr<Form> form_;
};

}  // namespace parcelo
