#!/usr/bin/env bash
# The options dialog from the button: its design, then a user folder typed and confirmed; the main window
# moves there. From the menu it opens again as it was left; browse fills the path box with the folder picked,
# Cancel stores nothing, and after exit Data.ini holds the folder confirmed.
. "$(dirname "$0")/lib.sh"

mkdir -p "$work/私の送る先" "$work/選んだ 先"
folder="$win_work\\私の送る先"
picked="$win_work\\選んだ 先"
browse=フォルダーの参照  # the shell's own caption for the dialog
start_parcelo
drv press frmMain.cmdOpt
drv wait-window frmOpt >/dev/null
read -r width height _ <<<"$(drv client frmOpt)"
expect_equal "client area of the dialog (width, height in twips)" "8295 2190" "$width $height"
read -r outer_left _ outer_width _ <<<"$(drv rect frmOpt)"
# Centred on the 1024 pixel wide desktop, to a pixel.
((outer_left * 2 + outer_width - 1024 * 15 <= 30 && 1024 * 15 - outer_left * 2 - outer_width <= 30)) ||
  fail "the dialog is not centred: left $outer_left, width $outer_width"
drv controls frmOpt >"$log/options.tsv"
grep -v '^#' "$e2e_dir/expected/options_dialog_controls.tsv" | diff -u - "$log/options.tsv" >&2 ||
  fail "the dialog's controls differ from the design"
expect_equal "送るメニュー selected" 1 "$(drv checked frmOpt.optSend)"
screenshot options_dialog.png frmOpt

drv press frmOpt.optUpath
drv set-text frmOpt.txtPath "$folder" >/dev/null
drv press frmOpt.cmdOK
drv wait-gone frmOpt
wait_until "the folder list at the folder confirmed" list_shows 私の送る先
expect_equal "drive list" c "$(drv controls frmMain | awk -F'\t' '$1 == "frmMain.driDri" { print tolower(substr($3, 1, 1)) }')"

# The menu item shows the same dialog, as it was left: the user option with the folder.
drv command frmMain.mnuOpt
drv wait-window frmOpt >/dev/null
expect_equal "パス指定(&P) selected" 1 "$(drv checked frmOpt.optUpath)"
expect_equal "送るメニュー selected" 0 "$(drv checked frmOpt.optSend)"
expect_equal "the path box" "$folder|VET" "$(drv controls frmOpt | awk -F'\t' '$1 == "frmOpt.txtPath" { print $3 "|" $9 }')"
drv press frmOpt.cmdO
drv wait-text "$browse" 参照 >/dev/null
expect_equal "the item selected in the tree" '選んだ 先' "$(drv select-folder "$browse" "$picked")"
drv press "$browse" OK
drv wait-text frmOpt "$picked" >/dev/null
drv press frmOpt.cmdCan
drv wait-gone frmOpt

placement=$(placement_fields)
close_parcelo
expect_data_ini "\"$folder\",\"$folder\",$placement,0,0"
