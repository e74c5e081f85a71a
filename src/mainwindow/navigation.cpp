#include "mainwindow/frmMain.h"

namespace parcelo {

void frmMain::driDri_Change() { dirDir().setPath(driDri().drive()); }

void frmMain::dirDir_Change() { webMain().navigate(dirDir().path()); }

void frmMain::cmdRef_Click() {
    webMain().navigate(dirDir().path());
    webMain().refresh();
    dirDir().refresh();
    driDri().refresh();
}

}  // namespace parcelo
