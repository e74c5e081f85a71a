#!/usr/bin/env bash
# Files sent to the program, each quoted as the shell quotes them. With QuitAfterSend = 1: a name prompt for
# each in its order, "完了", a shortcut in the Send To folder for each, and the end, never the main window,
# Data.ini untouched. With 0: the shortcut is made, then the main window opens. A folder sent is no file to
# link: "ファイル名が正しくありません", and nothing is written.
. "$(dirname "$0")/lib.sh"

first='C:\Program Files\テスト\一つ目.exe'
second='C:\Program Files\ﾃｽﾄ 2\second.com'
make_program "$first"
make_program "$second"
write_data_ini "\"$win_work\",\"\",8100,6600,1500,2250,0,1"
cp "$data_ini" "$log/Data.ini.before"
launch_parcelo "$first" "$second"
name_shortcut "$first" 'テスト アプリ'
name_shortcut "$second" 二つ目
wait_parcelo_exit
expect_shortcut 'テスト アプリ' "$first"
expect_shortcut 二つ目 "$second"
cmp -s "$log/Data.ini.before" "$data_ini" || fail "Data.ini was changed"

write_data_ini "\"$win_work\",\"\",8100,6600,1500,2250,0,0"
launch_parcelo "$first"
name_shortcut "$first" 'アプリ 0'
drv wait-window frmMain >/dev/null
expect_shortcut 'アプリ 0' "$first"
close_parcelo

write_data_ini "\"$win_work\",\"\",8100,6600,1500,2250,0,1"
remember_send_to
launch_parcelo 'C:\Program Files\テスト'
drv wait-text Parcelo ファイル名が正しくありません >/dev/null
drv press Parcelo OK
wait_parcelo_exit
expect_send_to_unchanged "for a folder path"
