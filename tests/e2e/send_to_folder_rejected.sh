#!/usr/bin/env bash
# A folder sent to the program is no file to link: "ファイル名が正しくありません", and nothing is written.
. "$(dirname "$0")/lib.sh"

folder='C:\Program Files\テスト'
make_program "$folder\\app.exe"
write_data_ini "\"$win_work\",\"\",8100,6600,1500,2250,0,1"
sent_to=$(host_path "$(send_to_folder)")
ls "$sent_to" >"$work/log/sendto.before"

launch_parcelo "$folder"
drv wait-text Parcelo ファイル名が正しくありません >/dev/null
drv press Parcelo OK
wait_parcelo_exit
ls "$sent_to" | cmp -s "$work/log/sendto.before" - || fail "the Send To folder changed for a folder path"
