#pragma once
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "core/program_values.h"
#include "core/event_table.h"
#include "core/settings_file.h"
#include "mainwindow/frmMain_design.h"
#include "options/frmOpt.h"
#include "platform/platform.h"

namespace parcelo {

// The main window: its controls come from its design table, its behaviour from the handlers.
class frmMain : public FormWindow<frmMain> {
public:
    frmMain(Platform& platform, ProgramValues& values);

    // Creates the window, runs its load handler and shows it unless that ended the program.
    void start();
    Form& form() { return *form_; }

    static const EventTable<frmMain> eventTable;

    void Form_Load();
    void Form_Resize();
    void Form_Unload();

    void driDri_Change();
    void dirDir_Change();
    void cmdRef_Click();

    void cmdCr_Click();
    void cmdOpen_Click();
    void mnuEx_Click();
    void mnul_Click();

    void mnuDi_Click();
    void mnuItems_Click();
    void mnuReg_Click();
    void mnuCopyMove_Click();
    void Form_OLEDragDrop();
    void cmdFopen_Click();
    void cmdNdir_Click();

    void cmdEx_Click();
    void mnuExi_Click();
    void cmdOpt_Click();
    void mnuOpt_Click();
    void mnuHelp_Click();
    void mnuVer_Click();

    // The file the next shortcut points to.
    std::string SourcePath;

private:
    friend class FormWindow<frmMain>;
    bool LoadSettings();
    void SaveSettings();
    void InitialPlacement();
    // The folder-link command from the moment the folder is known.
    void linkFolder(const std::string& folderPath);

    // One step of pointing the drive list, the folder list and the view at a folder.
    enum class FolderStep { viewTo, viewToList, driveTo, listTo, refreshView, refreshList, refreshDrives };
    // Each user of the routine has its own order of steps.
    using enum FolderStep;
    static constexpr FolderStep atStart[] = {driveTo, listTo, viewToList};
    static constexpr FolderStep afterOptions[] = {viewTo, driveTo, listTo, refreshView, refreshList};
    static constexpr FolderStep onRefresh[] = {viewTo, refreshView, refreshList, refreshDrives};
    // Runs each step through `rule`, which decides what a failing step does; with no rule the
    // failure ends the routine and goes to the caller.
    using StepRule = std::function<void(const std::function<void()>& step)>;
    void showFolder(const std::string& folder, std::span<const FolderStep> steps, const StepRule& rule = {});

    DriveList& driDri() { return form_->driveList(frmMainNames::driDri); }
    FolderList& dirDir() { return form_->folderList(frmMainNames::dirDir); }
    FolderView& webMain() { return form_->folderView(frmMainNames::webMain); }
    Control& Picture1() { return form_->control(frmMainNames::Picture1); }
    Control& txtName() { return form_->control(frmMainNames::txtName); }

    Platform& platform_;
    ProgramValues& values_;
    SettingsStore settings_;
    std::unique_ptr<Form> form_;
    frmOpt options_;
    WindowPlacement SavedPlacement;
};

}  // namespace parcelo
