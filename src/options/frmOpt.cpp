#include "options/frmOpt.h"

#include "core/error_styles.h"
#include "core/special_folders.h"
#include "folderpicker/clsBrowsFolder.h"

namespace parcelo {
namespace {

using namespace frmOptNames;

constexpr Binding<frmOpt> bindings[] = {
    {formSource, Event::Load,  &frmOpt::Form_Load},
    {optSend,    Event::Click, &frmOpt::optSend_Click},
    {optStart,   Event::Click, &frmOpt::optStart_Click},
    {optUpath,   Event::Click, &frmOpt::optUpath_Click},
    {cmdO,       Event::Click, &frmOpt::cmdO_Click},
    {cmdOK,      Event::Click, &frmOpt::cmdOK_Click},
    {cmdCan,     Event::Click, &frmOpt::cmdCan_Click},
};

}  // namespace

const EventTable<frmOpt> frmOpt::eventTable = bindings;

frmOpt::frmOpt(Platform& platform, ShowFolder showFolder)
    : platform_(platform), showFolder_(std::move(showFolder)) {}

void frmOpt::preselect(const ProgramValues& settings) {
    settings_ = settings;
    skipOnError([&] {
        if (settings_.TargetPath != SpecialFolderPath(platform_.shell, csidlSendTo)) return;
        loadForm(frmOptDesign);
        optSend().setChecked(true);
    });
    skipOnError([&] {
        if (settings_.TargetPath != SpecialFolderPath(platform_.shell, csidlPrograms)) return;
        loadForm(frmOptDesign);
        optStart().setChecked(true);
    });
}

ProgramValues frmOpt::show(const ProgramValues& settings) {
    settings_ = settings;
    showModal(frmOptDesign);
    return settings_;
}

void frmOpt::Form_Load() {
    // The last match wins: Send To, then Programs, then the user's own folder.
    if (SpecialFolderPath(platform_.shell, csidlSendTo) == settings_.TargetPath) optSend().setChecked(true);
    if (SpecialFolderPath(platform_.shell, csidlPrograms) == settings_.TargetPath) optStart().setChecked(true);
    txtPath().setText(settings_.UserPath);
    if (settings_.UserPath == settings_.TargetPath) optUpath().setChecked(true);
    if (optSend().checked() || optStart().checked()) enablePathInput(false);
    // The box shows the stored option, so OK without a change keeps it.
    chkOQ().setChecked(settings_.QuitAfterSend == 1);
}

void frmOpt::enablePathInput(bool enabled) {
    txtPath().setEnabled(enabled);
    cmdO().setEnabled(enabled);
}

void frmOpt::optSend_Click() { enablePathInput(!optSend().checked()); }
void frmOpt::optStart_Click() { enablePathInput(!optStart().checked()); }
void frmOpt::optUpath_Click() { enablePathInput(true); }

void frmOpt::cmdO_Click() {
    clsBrowsFolder picker(platform_.folderBrowser);
    picker.pDialogTitle("参照");
    if (picker.mShowDialog()) txtPath().setText(picker.pPathName());
}

void frmOpt::cmdOK_Click() {
    settings_.QuitAfterSend = chkOQ().checked() ? 1 : 0;
    std::string path;
    if (optSend().checked() || optStart().checked()) {
        settings_.TargetPath = SpecialFolderPath(platform_.shell, optSend().checked() ? csidlSendTo : csidlPrograms);
        txtPath().setText(settings_.TargetPath);
        path = settings_.TargetPath;
    } else {
        path = txtPath().text();
    }
    try {
        showFolder_(path);
        form_->hide();
        if (optUpath().checked()) settings_.UserPath = path;
        settings_.TargetPath = path;
    } catch (const PlatformError&) {
        platform_.dialogs.messageBox("このパスは無効です｡", applicationTitle, box::ok | box::iconWarning);
        form_->hide();
    }
}

void frmOpt::cmdCan_Click() { form_->hide(); }

}  // namespace parcelo
