#!/usr/bin/env bash
# First start closed through the close box: Data.ini holds the Send To folder and the window's placement.
. "$(dirname "$0")/lib.sh"

start_parcelo
send_to=$(send_to_folder)
placement=$(placement_fields)
[[ -e $data_ini ]] && fail "Data.ini written before the window was closed"
drv close Parcelo >/dev/null
wait_parcelo_exit
expect_data_ini "\"$send_to\",\"\",$placement,0,0"
