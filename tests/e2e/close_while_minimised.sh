#!/usr/bin/env bash
# Closed while minimised, as from the taskbar: the program ends and stores the restored placement, state 0.
. "$(dirname "$0")/lib.sh"

write_data_ini "\"$win_work\",\"\",8100,6600,1500,2250,0,0"
start_parcelo
# Moved away from the stored placement, so a file left untouched cannot pass for a written one.
drv move Parcelo 1800 1200 7800 6300
placement=$(placement_fields)
expect_equal "placement after the move (width, height, top, left)" 7800,6300,1200,1800 "$placement"
drv minimize Parcelo
state=$(drv state Parcelo)
expect_equal "window state" minimized "$state"
drv close Parcelo
wait_parcelo_exit
expect_data_ini "\"$win_work\",\"\",$placement,0,0"
