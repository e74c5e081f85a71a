#include "about/frmAbout.h"
#include "core/error_styles.h"
#include "mainwindow/frmMain.h"

namespace parcelo {

void frmMain::cmdEx_Click() { form_->unload(); }
void frmMain::mnuExi_Click() { form_->unload(); }

void frmMain::cmdOpt_Click() { values_ = options_.show(values_); }
void frmMain::mnuOpt_Click() { cmdOpt_Click(); }

// A missing help page, or nothing to show it with, gives no message of the program's own.
void frmMain::mnuHelp_Click() {
    skipOnError([&] { platform_.shell.open(platform_.shell.executableFolder() + "\\index.html"); });
}

void frmMain::mnuVer_Click() {
    frmAbout about(platform_);
    about.show();
}

}  // namespace parcelo
