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
drv press Parcelo '設定(&O)...'
drv wait-window 設定 >/dev/null

client=$(drv client 設定)
read -r width height left _ <<<"$client"
expect_equal "client area of the dialog (width, height in twips)" "8295 2190" "$width $height"
read -r outer_left _ outer_width _ <<<"$(drv rect 設定)"
# Centred on the 1024 pixel wide desktop, to a pixel.
((${outer_left} * 2 + outer_width - 1024 * 15 <= 30 && 1024 * 15 - outer_left * 2 - outer_width <= 30)) ||
  fail "the dialog is not centred: left $outer_left, width $outer_width"
drv controls 設定 >"$work/log/options.tsv"
grep -v '^#' "$e2e_dir/expected/options_dialog_controls.tsv" >"$work/log/options.expected"
diff -u "$work/log/options.expected" "$work/log/options.tsv" >&2 || fail "the dialog's controls differ from the design"
expect_equal "送るメニュー selected" 1 "$(drv checked 設定 送るメニュー)"
screenshot options_dialog.png 設定

drv press 設定 'パス指定(&P)'
drv set-text 設定 '#1004' "$folder" >/dev/null
drv press 設定 OK
drv wait-gone 設定
drv wait-text Parcelo '作成(&C)' >/dev/null
drv items Parcelo '#1000' >"$work/log/folders.txt"
grep -qx '私の送る先' "$work/log/folders.txt" || fail "the folder list does not show the folder: $(cat "$work/log/folders.txt")"
expect_equal "drive list" c "$(drv controls Parcelo | awk -F'\t' '$1 == 1011 { print tolower(substr($3, 1, 1)) }')"

# The menu item shows the same dialog, as it was left: the user option with the folder.
drv command Parcelo 2007
drv wait-window 設定 >/dev/null
expect_equal "パス指定(&P) selected" 1 "$(drv checked 設定 'パス指定(&P)')"
expect_equal "送るメニュー selected" 0 "$(drv checked 設定 送るメニュー)"
path_box=$(drv controls 設定 | awk -F'\t' '$1 == 1004 { print $3 "|" $9 }')
expect_equal "the path box" "$folder|VET" "$path_box"
drv press 設定 参照...
drv wait-text "$browse" 参照 >/dev/null
expect_equal "the item selected in the tree" '選んだ 先' "$(drv select-folder "$browse" "$picked")"
drv press "$browse" OK
drv wait-text 設定 "$picked" >/dev/null
drv press 設定 Cancel
drv wait-gone 設定

placement=$(placement_fields)
drv close Parcelo >/dev/null
wait_parcelo_exit
expect_data_ini "\"$folder\",\"$folder\",$placement,0,0"
