#!/usr/bin/env bash
# A saved state 2 opens the window maximised, and closing it maximised stores state 2 again.
. "$(dirname "$0")/lib.sh"

write_data_ini "\"$win_work\",\"\",8100,6600,1500,2250,2,0"
start_parcelo
state=$(drv state Parcelo)
expect_equal "window state" maximized "$state"
drv close Parcelo >/dev/null
wait_parcelo_exit
record=$(data_ini_record)
IFS=, read -r target user width height top left state quit <<<"$record"
expect_equal "stored folders" "\"$win_work\",\"\"" "$target,$user"
expect_equal "stored state and quit flag" 2,0 "$state,$quit"
[[ "$width,$height,$top,$left" =~ ^-?[0-9]+,-?[0-9]+,-?[0-9]+,-?[0-9]+$ ]] || fail "stored placement: $record"
