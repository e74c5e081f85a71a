#include "mainwindow/frmMain.h"

namespace parcelo {

void frmMain::driDri_Change() { dirDir().setPath(driDri().drive()); }

void frmMain::dirDir_Change() { webMain().navigate(dirDir().path()); }

void frmMain::cmdRef_Click() { showFolder(dirDir().path(), onRefresh); }

void frmMain::showFolder(const std::string& folder, std::span<const FolderStep> steps, const StepRule& rule) {
    for (const FolderStep step : steps) {
        const auto run = [&] {
            switch (step) {
                case viewTo: webMain().navigate(folder); break;
                case viewToList: webMain().navigate(dirDir().path()); break;
                case driveTo: driDri().setDrive(folder); break;
                case listTo: dirDir().setPath(folder); break;
                case refreshView: webMain().refresh(); break;
                case refreshList: dirDir().refresh(); break;
                case refreshDrives: driDri().refresh(); break;
            }
        };
        if (rule)
            rule(run);
        else
            run();
    }
}

}  // namespace parcelo
