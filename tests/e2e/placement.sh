#!/usr/bin/env bash
# A saved placement is applied at start, with a Japanese target folder. Closed while minimised, as from the
# taskbar, the program ends and stores the restored placement, state 0. A saved state 2 opens the window
# maximised, its controls laid out to fill it, and closing it maximised stores state 2 again.
. "$(dirname "$0")/lib.sh"

mkdir -p "$work/送る先"
folders="\"$win_work\\送る先\",\"\""
write_data_ini "$folders,8100,6600,1500,2250,0,0"
start_parcelo
expect_equal "outer rectangle (left, top, width, height in twips)" $'2250\t1500\t8100\t6600' "$(drv rect frmMain)"
# Moved away from the stored placement, so a file left untouched cannot pass for a written one.
drv move frmMain 1800 1200 7800 6300
drv minimize frmMain  # fails unless the window is minimised
close_parcelo
expect_data_ini "$folders,7800,6300,1200,1800,0,0"

write_data_ini "$folders,8100,6600,1500,2250,2,0"
start_parcelo
expect_equal "window state" maximized "$(drv state frmMain)"
screenshot main_window_maximised.png
expect_layout
close_parcelo
# The restored placement is the system's to keep; the rest of the record is the program's.
[[ $(iconv -f CP932 -t UTF-8 "$data_ini") =~ ^"$folders,"(-?[0-9]+,){4}"2,0"$'\r'$ ]] ||
  fail "Data.ini differs: $(od -An -c "$data_ini")"
