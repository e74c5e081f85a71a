#include "mainwindow/frmMain.h"

namespace parcelo {

// The lists and the view keep their designed places until the layout rules are built.
void frmMain::Form_Resize() {}

}  // namespace parcelo
