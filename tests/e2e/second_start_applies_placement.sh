#!/usr/bin/env bash
# A saved placement is applied at start and comes back unchanged at exit, with a Japanese target folder.
. "$(dirname "$0")/lib.sh"

mkdir -p "$work/送る先"
record="\"$win_work\\送る先\",\"\",8100,6600,1500,2250,0,0"
write_data_ini "$record"
start_parcelo
rect=$(drv rect Parcelo)
expect_equal "outer rectangle (left, top, width, height in twips)" $'2250\t1500\t8100\t6600' "$rect"
drv close Parcelo >/dev/null
wait_parcelo_exit
expect_data_ini "$record"
