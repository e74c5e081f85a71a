#!/usr/bin/env bash
# First start, no Data.ini: the main window opens with the size, place, controls and menu bar of its design.
. "$(dirname "$0")/lib.sh"

start_parcelo
read -r client_width client_height client_left client_top <<<"$(drv client Parcelo)"
expect_equal "client area's height and screen place (twips)" "6045 4500 2940" "$client_height $client_left $client_top"
# The designed width, unless the frame is so thin that the window would be no wider than the button strip,
# which the layout does not allow: then the window is exactly as wide as the strip.
read -r _ _ outer_width _ <<<"$(drv rect Parcelo)"
frame_width=$((outer_width - client_width))
expected_width=7200
((7200 + frame_width > 7335)) || expected_width=$((7335 - frame_width))
expect_equal "client area's width (twips)" "$expected_width" "$client_width"

# The drive list names the Send To folder's drive, C:, first; what follows is the program's to choose.
drive=$(drv controls Parcelo | awk -F'\t' '$1 == 1011 { print $3 }')
[[ ${drive,,} == c:* ]] || fail "the drive list shows '$drive', not the drive of the Send To folder"
main_controls >"$work/log/controls.found"
# The drive list's closed height is what the system makes of its font; the folder list goes under it.
drive_height=$(awk -F'\t' '$1 == 1011 { print $7 }' "$work/log/controls.found")
laid_out_controls "$client_width" "$client_height" "$drive_height" >"$work/log/controls.expected"
differences=()
control_differences "$work/log/controls.expected" "$work/log/controls.found" 0 >&2 ||
  differences+=("controls differ from the design")

drv menu Parcelo >"$work/log/menu.tsv"
grep -v '^#' "$e2e_dir/expected/main_window_menu.tsv" >"$work/log/menu.expected"
diff -u "$work/log/menu.expected" "$work/log/menu.tsv" >&2 ||
  differences+=("menu bar differs from the design (- design, + window)")

screenshot main_window.png
drv close Parcelo >/dev/null
wait_parcelo_exit
((${#differences[@]} == 0)) || fail "$(IFS=';' && echo "${differences[*]}")"
