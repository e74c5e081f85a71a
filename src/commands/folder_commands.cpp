#include "mainwindow/frmMain.h"

namespace parcelo {

// Not built yet: the folder-link and new-folder commands do nothing.
void frmMain::mnuDi_Click() {}
void frmMain::cmdNdir_Click() {}

void frmMain::cmdFopen_Click() { mnuDi_Click(); }

}  // namespace parcelo
