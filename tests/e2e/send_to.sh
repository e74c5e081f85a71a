#!/usr/bin/env bash
# Files sent to the program, each quoted as the shell quotes them. With QuitAfterSend = 1: a name prompt for
# each in its order, "完了", a shortcut in the Send To folder for each, and the end, never the main window nor
# the shell's folder view, Data.ini untouched.
. "$(dirname "$0")/lib.sh"

first='C:\Program Files\テスト\一つ目.exe'
second='C:\Program Files\ﾃｽﾄ 2\second.com'
make_program "$first"
make_program "$second"
nothing_else_shows() {
  drv wait-gone ParceloMain
  # Nor a hidden one.
  expect_equal "shell folder views" 0 "$(drv windows | grep -c '^SHELLDLL_DefView')"
}

empty_send_to
write_data_ini "\"$win_work\",\"\",8100,6600,1500,2250,0,1"
cp "$data_ini" "$log/Data.ini.before"
launch_parcelo "$first" "$second"
drv controls 作成 "ショートカット名を入力してください$first" >/dev/null
screenshot name_prompt.png 作成
name_shortcut "$first" 'テスト アプリ' nothing_else_shows
name_shortcut "$second" 二つ目 nothing_else_shows
wait_parcelo_exit
expect_shortcut 'テスト アプリ' "$first"
expect_shortcut 二つ目 "$second"
cmp -s "$log/Data.ini.before" "$data_ini" || fail "Data.ini was changed"
