#!/usr/bin/env bash
# A Send-To launch with QuitAfterSend = 1 never makes the shell's folder view: none exists while the name
# is asked for, nor while "完了" is shown.
. "$(dirname "$0")/lib.sh"

program="$win_work\\app.exe"
make_program "$program"
write_data_ini "\"$win_work\",\"\",8100,6600,1500,2250,0,1"

expect_no_view() {
  expect_equal "shell folder views $1" 0 "$(drv class-count SHELLDLL_DefView)"
}

launch_parcelo "$program"
drv wait-text 作成 "ショートカット名を入力してください$program" >/dev/null
expect_no_view "while the name is asked for"
drv set-text 作成 prompt.edit 'ビューなし' >/dev/null
drv press 作成 OK
drv wait-text Parcelo 完了 >/dev/null
expect_no_view "while 完了 is shown"
drv press Parcelo OK
wait_parcelo_exit
expect_shortcut ビューなし "$program"
