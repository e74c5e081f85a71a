#include "mainwindow/frmMain_design.h"

namespace parcelo {
namespace {

using enum ControlKind;
using namespace frmMainNames;

constexpr ControlDesign controls[] = {
    // name        kind         container   caption            left   top   width height tab
    {dirDir,     FolderList, "",         "",                {  -15, 1260, 1815, 4080},  0},
    {webMain,    FolderView, "",         "",                { 1800,  960, 5295, 4500},  1},
    {Picture1,   Panel,      "",         "",                {    0,    0, 7335,  900},  2},
    {cmdEx,      Button,     Picture1,   "終了(&Q)",        { 6000,  600, 1215,  300},  3},
    {cmdNdir,    Button,     Picture1,   "ﾌｫﾙﾀﾞ作成(&N)",   { 3600,  600, 1215,  300},  4},
    {cmdCr,      Button,     Picture1,   "作成(&C)",        {    0,  600, 1215,  300},  5},
    {cmdOpen,    Button,     Picture1,   "参照...",         { 6000,  180, 1215,  300},  6},
    {txtName,    TextBox,    Picture1,   "",                { 1320,  240, 4575,  270},  7},
    {Label2,     Label,      Picture1,   "ファイル名(&F):", {  120,  240, 1155,  180},  8},
    {cmdRef,     Button,     Picture1,   "更新(&F)",        { 2400,  600, 1215,  300},  9},
    {cmdOpt,     Button,     Picture1,   "設定(&O)...",     { 4800,  600, 1215,  300}, 10},
    {driDri,     DriveList,  "",         "",                {    0,  960, 1815,  300}, 11},
    {cmdFopen,   Button,     Picture1,   "ﾌｫﾙﾀﾞを開く",     { 1200,  600, 1215,  300}, 12},
};

constexpr MenuDesign menu[] = {
    {1, mnuCr,     "ファイル&F"},
    {2, mnul,      "パスの参照"},
    {2, mnuli,     "-"},
    {2, mnuEx,     "実行可能ファイルへリンク&C"},
    {2, mnuDi,     "フォルダにリンク&F"},
    {2, mnulin,    "-"},
    {2, mnuExi,    "終了&Q"},
    {1, mnuOpt,    "設定&O"},
    {1, mnuTool,   "ツール&T"},
    {2, mnuItems,  "送るメニューの項目&I..."},
    {2, mnuReg,    "Parcelo を送るメニューに登録&A"},
    {2, mnuCopyMove, "コピー・移動を送るメニューに追加&C"},
    {1, mnuHel,    "ヘルプ&H"},
    {2, mnuHelp,   "ヘルプ&H"},
    {2, mnuline,   "-"},
    {2, mnuVer,    "ﾊﾞｰｼﾞｮﾝ情報&V"},
};

}  // namespace

const FormDesign frmMainDesign{
    .name = "frmMain",
    .caption = "Parcelo",
    .border = Border::Sizeable,
    .client = {4500, 2940, 7200, 6045},
    .background = {192, 192, 192},
    .controls = controls,
    .menu = menu,
    .acceptsFiles = true,
};

}  // namespace parcelo
