#include "items/frmItems_design.h"

namespace parcelo {
namespace {

using enum ControlKind;
using namespace control_flag;
using namespace frmItemsNames;

// Laid out again on every resize: the list takes what the button column leaves.
constexpr ControlDesign controls[] = {
    // name       kind        container caption                  left   top  width height tab
    {lvwItems,  ReportList, "",       "名前|リンク先|状態",     { 120,  120, 7185, 5160}, 0},
    {cmdDel,    Button,     "",       "削除(&D)",               {7425,  120, 2055,  375}, 1},
    {cmdRen,    Button,     "",       "名前の変更(&R)",         {7425,  555, 2055,  375}, 2},
    {cmdBroken, Button,     "",       "リンク切れを選択(&B)",   {7425,  990, 2055,  375}, 3},
    {cmdSub,    Button,     "",       "サブメニュー(&S)",       {7425, 1425, 2055,  375}, 4},
    {cmdProp,   Button,     "",       "プロパティ(&P)",         {7425, 1860, 2055,  375}, 5},
    {cmdOpen,   Button,     "",       "フォルダーを開く(&O)",   {7425, 2295, 2055,  375}, 6},
    {cmdStd,    Button,     "",       "既定の項目を戻す(&T)",   {7425, 2730, 2055,  375}, 7},
    {cmdClose,  Button,     "",       "閉じる",                 {7425, 4905, 2055,  375}, 8, cancelButton},
};

}  // namespace

const FormDesign frmItemsDesign{
    .name = "frmItems",
    .caption = "送るメニューの項目",
    .border = Border::SizeableDialog,
    .client = {0, 0, 9600, 5400},
    .background = {192, 192, 192},
    .controls = controls,
    .menu = {},
    .minimum = {0, 0, 6000, 3720},  // Close stays below the column of buttons
};

}  // namespace parcelo
