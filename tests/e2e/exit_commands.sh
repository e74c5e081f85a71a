#!/usr/bin/env bash
# "終了(&Q)" and "終了&Q" each save the settings and end the program, as the close box does.
. "$(dirname "$0")/lib.sh"

send_to=$(send_to_folder)
for way in button menu; do
  rm -f "$data_ini"
  start_parcelo
  placement=$(placement_fields)
  if [[ $way == button ]]; then drv press Parcelo '終了(&Q)'; else drv command Parcelo 2006; fi
  wait_parcelo_exit
  expect_data_ini "\"$send_to\",\"\",$placement,0,0"
done
