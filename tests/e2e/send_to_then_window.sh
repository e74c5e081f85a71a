#!/usr/bin/env bash
# Sent one program with QuitAfterSend = 0: the shortcut is made, then the main window opens.
. "$(dirname "$0")/lib.sh"

program='C:\Program Files\テスト\app.exe'
make_program "$program"
write_data_ini "\"$win_work\",\"\",8100,6600,1500,2250,0,0"

launch_parcelo "$program"
name_shortcut "$program" 'アプリ 0'
drv wait-window Parcelo 15000 ParceloMain >/dev/null
expect_shortcut 'アプリ 0' "$program"
drv close Parcelo >/dev/null
wait_parcelo_exit
