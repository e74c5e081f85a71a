#!/usr/bin/env bash
# A saved state 2 opens the window maximised, and closing it maximised stores state 2 again.
. "$(dirname "$0")/lib.sh"

write_data_ini "\"$win_work\",\"\",8100,6600,1500,2250,2,0"
start_parcelo
state=$(drv state Parcelo)
expect_equal "window state" maximized "$state"
# The lists and the view fill the maximised window.
read -r client_width client_height _ <<<"$(drv client Parcelo)"
controls=$(drv controls Parcelo)
view=$(awk -F'\t' '$1 == 1001 && $8 == 0 { print $6, $7 }' <<<"$controls")
expect_equal "folder view's size" "$((client_width - 1815)) $((client_height - 900))" "$view"
drive_height=$(awk -F'\t' '$1 == 1011 { print $7 }' <<<"$controls")
list=$(awk -F'\t' '$1 == 1000 && $8 == 0 { print $5 + $7 }' <<<"$controls")
expect_equal "folder list's bottom" "$client_height" "$list"
screenshot main_window_maximised.png
drv close Parcelo >/dev/null
wait_parcelo_exit
record=$(data_ini_record)
IFS=, read -r target user width height top left state quit <<<"$record"
expect_equal "stored folders" "\"$win_work\",\"\"" "$target,$user"
expect_equal "stored state and quit flag" 2,0 "$state,$quit"
[[ "$width,$height,$top,$left" =~ ^-?[0-9]+,-?[0-9]+,-?[0-9]+,-?[0-9]+$ ]] || fail "stored placement: $record"
