#include "about/frmAbout_design.h"

#include "core/version_info.h"

namespace parcelo {
namespace {

using enum ControlKind;
using namespace control_flag;
using namespace frmAboutNames;

constexpr ControlDesign controls[] = {
    // name            kind      container caption                 left   top  width height tab
    {imgIcon,        Picture,  "",       "",                     { 240,  240,  480, 480}, -1},
    {lblVersion,     Label,    "",       PARCELO_VERSION_LINE,   { 960,  240, 3045, 195},  0},
    {lblCopyright,   Label,    "",       "Copyright",            { 960,  480, 3120, 180},  1},
    {txtURL,         LinkBox,  "",       makerWeb,               { 960,  840, 1695, 270},  2},
    {txtMail,        LinkBox,  "",       makerMail,              { 960, 1080, 1935, 270},  3},
    {cmdOK,          Button,   "",       "OK",                   {4200,  120, 1215, 300},  4, defaultButton},
};

}  // namespace

const FormDesign frmAboutDesign{
    .name = "frmAbout",
    .caption = "バージョン情報",
    .border = Border::FixedDialog,
    .client = {0, 0, 5535, 1725},
    .background = {192, 192, 192},
    .controls = controls,
    .menu = {},
};

}  // namespace parcelo
