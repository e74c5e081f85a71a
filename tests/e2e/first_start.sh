#!/usr/bin/env bash
# First start, no Data.ini: the main window opens with the size, place, controls and menu bar of its design.
. "$(dirname "$0")/lib.sh"

start_parcelo
client=$(drv client Parcelo)
expect_equal "client area (width, height, screen left, top in twips)" $'7200\t6045\t4500\t2940' "$client"

# Only the designed controls: the shell's windows inside the folder view and the drop-down's list are not ours.
controls=$(drv controls Parcelo)
awk -F'\t' '$1 >= 1000 && $1 <= 1012 && ($8 == 0 || $8 == 1002)' <<<"$controls" >"$work/log/controls.tsv"
# The drive list names the Send To folder's drive, C:, first; what follows is the program's to choose.
drive=$(awk -F'\t' '$1 == 1011 { print $3 }' "$work/log/controls.tsv")
[[ ${drive,,} == c:* ]] || fail "the drive list shows '$drive', not the drive of the Send To folder"
# The drive list's text is the machine's drive; its closed height is what the system makes of its font.
awk -F'\t' -v OFS='\t' '$1 == 1011 { $3 = ""; $7 = "" } { print }' "$work/log/controls.tsv" | sort >"$work/log/controls.found"
grep -v '^#' "$e2e_dir/expected/main_window_controls.tsv" | sort >"$work/log/controls.expected"
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
