#include "mainwindow/frmMain.h"

namespace parcelo {

void frmMain::cmdEx_Click() { form_->unload(); }
void frmMain::mnuExi_Click() { form_->unload(); }

// Not built yet: the options dialog, the help page and the About box.
void frmMain::cmdOpt_Click() {}
void frmMain::mnuHelp_Click() {}
void frmMain::mnuVer_Click() {}

void frmMain::mnuOpt_Click() { cmdOpt_Click(); }

}  // namespace parcelo
