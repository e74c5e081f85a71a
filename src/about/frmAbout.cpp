#include "about/frmAbout.h"

#include "about/frmAbout_design.h"

namespace parcelo {
namespace {

using namespace frmAboutNames;

constexpr Binding<frmAbout> bindings[] = {
    {formSource, Event::Load,     &frmAbout::Form_Load},
    {cmdOK,      Event::Click,    &frmAbout::cmdOK_Click},
    {txtMail,    Event::DblClick, &frmAbout::txtMail_DblClick},
    {txtURL,     Event::DblClick, &frmAbout::txtURL_DblClick},
};

}  // namespace

const EventTable<frmAbout> frmAbout::eventTable = bindings;

std::string versionText(const VersionRecord& version) {
    return "Parcelo Version" + std::to_string(version.major) + "." + std::to_string(version.minor) +
           std::to_string(version.revision);
}

void frmAbout::show() { showModal(frmAboutDesign); }

void frmAbout::Form_Load() {
    const VersionRecord version = platform_.shell.versionRecord();
    form_->control(frmAboutNames::lblVersion).setText(versionText(version));
    form_->control(frmAboutNames::lblCopyright).setText(version.copyright);
}

void frmAbout::cmdOK_Click() { form_->unload(); }

// No mail program or browser: nothing to tell, the box stays as it is.
void frmAbout::txtMail_DblClick() {
    skipOnError([&] { platform_.shell.open("mailto:" + std::string(makerMail)); });
}

void frmAbout::txtURL_DblClick() {
    skipOnError([&] { platform_.shell.open(std::string(makerWeb)); });
}

}  // namespace parcelo
