#!/usr/bin/env bash
# Sent one program with QuitAfterSend = 1: the name is asked for, "完了" shown, the shortcut made in the
# Send To folder, and the program ends without its window and without touching Data.ini.
. "$(dirname "$0")/lib.sh"

program='C:\Program Files\テスト\app.exe'
make_program "$program"
write_data_ini "\"$win_work\",\"\",8100,6600,1500,2250,0,1"
cp "$data_ini" "$work/log/Data.ini.before"

launch_parcelo "$program"
drv wait-text 作成 "ショートカット名を入力してください$program" >/dev/null
expect_no_main_window
screenshot name_prompt.png 作成
drv set-text 作成 '#1002' 'テスト アプリ' >/dev/null
drv press 作成 OK
drv wait-text Parcelo 完了 >/dev/null
expect_no_main_window
drv press Parcelo OK
wait_parcelo_exit

expect_shortcut 'テスト アプリ' "$program"
cmp -s "$work/log/Data.ini.before" "$data_ini" || fail "Data.ini was changed"
