#include "options/frmOpt_design.h"

namespace parcelo {
namespace {

using enum ControlKind;
using namespace control_flag;
using namespace frmOptNames;

constexpr ControlDesign controls[] = {
    // name        kind          container caption                                           left   top  width height tab
    {chkOQ,      CheckBox,     "",       "『送る』によって起動した場合、すぐに終了する(&Q)", { 240, 1680, 4095, 255}, 0},
    {cmdOK,      Button,       "",       "OK",                                             {6960,  240, 1215, 300}, 1, defaultButton},
    {cmdCan,     Button,       "",       "Cancel",                                         {6960,  600, 1215, 300}, 2, cancelButton},
    {fraDir,     Frame,        "",       "パス設定",                                       { 120,  120, 6735, 1455}, 3},
    {txtPath,    TextBox,      fraDir,   "",                                               {1560,  360, 3735, 270}, 4},
    {cmdO,       Button,       fraDir,   "参照...",                                        {5400,  360, 1215, 300}, 5},
    {optUpath,   OptionButton, fraDir,   "パス指定(&P)",                                   { 120,  360, 1335, 255}, 6},
    {optSend,    OptionButton, fraDir,   "送るメニュー",                                   { 120,  720, 1455, 255}, 7, checked},
    {optStart,   OptionButton, fraDir,   "ｽﾀｰﾄﾒﾆｭｰ",                                       { 120, 1080, 1455, 255}, 8},
};

}  // namespace

const FormDesign frmOptDesign{
    .name = "frmOpt",
    .caption = "設定",
    .border = Border::FixedDialog,
    .client = {0, 0, 8295, 2190},
    .background = {192, 192, 192},
    .controls = controls,
    .menu = {},
};

}  // namespace parcelo
