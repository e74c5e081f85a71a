#include "mainwindow/frmMain.h"

namespace parcelo {

// Not built yet: the create and browse commands do nothing.
void frmMain::cmdCr_Click() {}
void frmMain::cmdOpen_Click() {}

void frmMain::mnuEx_Click() { cmdCr_Click(); }
void frmMain::mnul_Click() { cmdOpen_Click(); }

}  // namespace parcelo
