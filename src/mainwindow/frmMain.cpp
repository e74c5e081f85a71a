#include "mainwindow/frmMain.h"

#include "core/command_line.h"
#include "core/error_styles.h"
#include "core/placement.h"
#include "core/special_folders.h"
#include "core/text_file_encoding.h"
#include "core/atomic_write.h"

namespace parcelo {
namespace {

using namespace frmMainNames;

constexpr Binding<frmMain> bindings[] = {
    {formSource, Event::Load,   &frmMain::Form_Load},
    {formSource, Event::Resize, &frmMain::Form_Resize},
    {formSource, Event::Unload, &frmMain::Form_Unload},
    {driDri,     Event::Change, &frmMain::driDri_Change},
    {dirDir,     Event::Change, &frmMain::dirDir_Change},
    {cmdRef,     Event::Click,  &frmMain::cmdRef_Click},
    {cmdCr,      Event::Click,  &frmMain::cmdCr_Click},
    {cmdOpen,    Event::Click,  &frmMain::cmdOpen_Click},
    {cmdFopen,   Event::Click,  &frmMain::cmdFopen_Click},
    {cmdNdir,    Event::Click,  &frmMain::cmdNdir_Click},
    {cmdOpt,     Event::Click,  &frmMain::cmdOpt_Click},
    {cmdEx,      Event::Click,  &frmMain::cmdEx_Click},
    {mnul,       Event::Click,  &frmMain::mnul_Click},
    {mnuEx,      Event::Click,  &frmMain::mnuEx_Click},
    {mnuDi,      Event::Click,  &frmMain::mnuDi_Click},
    {mnuExi,     Event::Click,  &frmMain::mnuExi_Click},
    {mnuOpt,     Event::Click,  &frmMain::mnuOpt_Click},
    {mnuHelp,    Event::Click,  &frmMain::mnuHelp_Click},
    {mnuVer,     Event::Click,  &frmMain::mnuVer_Click},
    {mnuItems,   Event::Click,  &frmMain::mnuItems_Click},
    {mnuReg,     Event::Click,  &frmMain::mnuReg_Click},
    {mnuCopyMove, Event::Click, &frmMain::mnuCopyMove_Click},
    {formSource, Event::Drop,   &frmMain::Form_OLEDragDrop},
};

}  // namespace

const EventTable<frmMain> frmMain::eventTable = bindings;

frmMain::frmMain(Platform& platform, ProgramValues& values)
    : platform_(platform),
      values_(values),
      settings_(platform),
      options_(platform, [this](const std::string& folder) { showFolder(folder, afterOptions); }) {}

void frmMain::start() {
    loadForm(frmMainDesign);
    if (!form_->ended()) form_->show();
}

void frmMain::Form_Load() {
    const bool settingsRead = LoadSettings();
    // With settings read a failing step is skipped silently; on a first run it is reported.
    // Either way the next step runs and the window opens.
    const auto step = [&](const std::function<void()>& run) {
        if (settingsRead)
            skipOnError(run);
        else
            reportErrors(platform_.dialogs, run);
    };
    if (settingsRead) options_.preselect(values_);
    showFolder(values_.TargetPath, atStart, step);
    step([&] { InitialPlacement(); });

    const std::string arguments = argumentText(platform_.shell.commandLine());
    if (arguments.empty()) return;
    // Each path as if the user had chosen it and pressed the create button; a failure is
    // reported and the next path still gets its turn.
    for (const std::string& path : splitArguments(arguments)) {
        SourcePath = path;
        reportErrors(platform_.dialogs, [&] { cmdCr_Click(); });
    }
    if (values_.QuitAfterSend == 1) form_->endProgram();
}

void frmMain::Form_Unload() {
    SaveSettings();
    form_->endProgram();
}

// True when Data.ini was found; it has then been read and its placement applied.
bool frmMain::LoadSettings() {
    const std::optional<std::string> file = settings_.find();
    if (!file) {
        values_.TargetPath = SpecialFolderPath(platform_.shell, csidlSendTo);
        return false;
    }
    SettingsRecord record;
    skipOnError([&] { settings_.read(*file, record); });
    values_.TargetPath = record.targetPath;
    values_.UserPath = record.userPath;
    SavedPlacement = record.placement;
    values_.QuitAfterSend = record.quitAfterSend;
    skipOnError([&] { applyPlacement(*form_, SavedPlacement); });
    return true;
}

void frmMain::SaveSettings() {
    const std::string record = writeSettingsRecord(values_.TargetPath, values_.UserPath,
                                                   placementToSave(*form_), values_.QuitAfterSend);
    std::string path = settings_.besideExecutable();
    try {
        path = settings_.placeForWriting();
        writeFileAtomically(platform_.files, path, encodeSettingsText(record, platform_.codepage));
    } catch (const PlatformError& failure) {
        platform_.dialogs.messageBox("設定を保存できませんでした。\n" + path + "\n\n" + failure.what(),
                                     applicationTitle, box::ok | box::iconError);
    }
}

}  // namespace parcelo
