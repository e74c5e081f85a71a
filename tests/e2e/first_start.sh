#!/usr/bin/env bash
# First start, no Data.ini: the main window opens with the size, place, controls and menu bar of its design.
# Dragged lower than 3000 twips or narrower than the button strip, it snaps back to the minimum, its controls
# laid out for the size it ends at. Nothing is written before it closes; closed by its close box or by
# "終了(&Q)", it stores the Send To folder and its placement. ("終了&Q" does what the button does.)
. "$(dirname "$0")/lib.sh"

send_to=$(send_to_folder)
closed_by() {  # driver command...
  placement=$(placement_fields)
  [[ ! -e $data_ini ]] || fail "Data.ini written before the window was closed"
  drv "$@" >/dev/null
  wait_parcelo_exit
  expect_data_ini "\"$send_to\",\"\",$placement,0,0"
  rm "$data_ini"
}

start_parcelo
read -r client_width client_height client_left client_top <<<"$(drv client frmMain)"
expect_equal "client area's height and screen place (twips)" "6045 4500 2940" "$client_height $client_left $client_top"
# The designed width, unless the frame is so thin that the window would be no wider than the button
# strip, which the layout does not allow: then the window is exactly as wide as the strip.
read -r _ _ outer_width _ <<<"$(drv rect frmMain)"
((client_width == 7200 && outer_width > 7335 || client_width >= 7200 && outer_width == 7335)) ||
  fail "client area $client_width twips wide in a window $outer_width wide"
# The drive list names the Send To folder's drive, C:, first; what follows is the program's to choose.
drive=$(drv controls frmMain | awk -F'\t' '$1 == "frmMain.driDri" { print $3 }')
[[ ${drive,,} == c:* ]] || fail "the drive list shows '$drive', not the drive of the Send To folder"
screenshot main_window.png
expect_layout
drv menu frmMain >"$log/menu.tsv"
grep -v '^#' "$e2e_dir/expected/main_window_menu.tsv" | diff -u - "$log/menu.tsv" >&2 ||
  fail "the menu bar differs from the design (- design, + window)"
expect_equal "after dragging to 2500 high" $'1500\t1500\t9000\t3000' "$(drv drag frmMain 1500 1500 9000 2500)"
read -r _ _ width _ <<<"$(drv drag frmMain 1500 1500 6000 6000)"
expect_equal "width after dragging to 6000 wide" 7335 "$width"
expect_layout
closed_by close frmMain

start_parcelo
closed_by press frmMain.cmdEx
