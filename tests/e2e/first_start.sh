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

# Only the designed controls: the shell's windows inside the folder view and the drop-down's list are not ours.
controls=$(drv controls Parcelo)
awk -F'\t' '$1 >= 1000 && $1 <= 1012 && ($8 == 0 || $8 == 1002)' <<<"$controls" >"$work/log/controls.tsv"
# The drive list names the Send To folder's drive, C:, first; what follows is the program's to choose.
drive=$(awk -F'\t' '$1 == 1011 { print $3 }' "$work/log/controls.tsv")
[[ ${drive,,} == c:* ]] || fail "the drive list shows '$drive', not the drive of the Send To folder"
# The drive list's text is the machine's drive; its closed height is what the system makes of its font,
# and the folder list goes under it.
drive_height=$(awk -F'\t' '$1 == 1011 { print $7 }' "$work/log/controls.tsv")
awk -F'\t' -v OFS='\t' '$1 == 1011 { $3 = "" } { print }' "$work/log/controls.tsv" | sort >"$work/log/controls.found"
grep -v '^#' "$e2e_dir/expected/main_window_controls.tsv" |
  awk -F'\t' -v OFS='\t' -v width="$client_width" -v height="$client_height" -v drive="$drive_height" '
    # A sum such as CLIENT_HEIGHT-900-DRIVE, with the names replaced by the window'"'"'s numbers.
    function value(sum,   total, term, sign, i, c) {
      gsub(/CLIENT_WIDTH/, width, sum); gsub(/CLIENT_HEIGHT/, height, sum); gsub(/DRIVE/, drive, sum)
      total = 0; sign = 1; term = ""
      for (i = 1; i <= length(sum); i++) {
        c = substr(sum, i, 1)
        if ((c == "+" || c == "-") && term != "") { total += sign * term; sign = c == "+" ? 1 : -1; term = "" }
        else term = term c
      }
      return total + sign * term
    }
    { for (i = 4; i <= 7; i++) $i = value($i); print }' | sort >"$work/log/controls.expected"
differences=()
diff -u "$work/log/controls.expected" "$work/log/controls.found" >&2 ||
  differences+=("controls differ from the design (- design, + window)")

drv menu Parcelo >"$work/log/menu.tsv"
grep -v '^#' "$e2e_dir/expected/main_window_menu.tsv" >"$work/log/menu.expected"
diff -u "$work/log/menu.expected" "$work/log/menu.tsv" >&2 ||
  differences+=("menu bar differs from the design (- design, + window)")

screenshot main_window.png
drv close Parcelo >/dev/null
wait_parcelo_exit
((${#differences[@]} == 0)) || fail "$(IFS=';' && echo "${differences[*]}")"
