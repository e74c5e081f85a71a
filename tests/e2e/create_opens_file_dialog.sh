#!/usr/bin/env bash
# "作成(&C)" with no file chosen opens the file dialog; the file chosen there fills the name box and is
# the path the name prompt asks about. Declining the name makes nothing.
. "$(dirname "$0")/lib.sh"

program='C:\Program Files\テスト\app.exe'
make_program "$program"
sent_to=$(host_path "$(send_to_folder)")
ls "$sent_to" >"$work/log/sendto.before"

start_parcelo
drv press Parcelo '作成(&C)'
drv wait-text 開く 'exeﾌｧｲﾙ(*.exe,*.com)' >/dev/null
drv set-text 開く '#1148' "$program" >/dev/null
drv press 開く '開く(&O)'
drv wait-text 作成 "ショートカット名を入力してください$program" >/dev/null
name_box=$(drv controls Parcelo | awk -F'\t' '$1 == 1007 && $2 == "Edit" { print $3 }')
expect_equal "the name box" "$program" "$name_box"

drv press 作成 キャンセル
drv wait-text Parcelo ショートカット名を入力してください >/dev/null
drv press Parcelo キャンセル
drv wait-text Parcelo '作成(&C)' >/dev/null  # the main window has the input again
ls "$sent_to" | cmp -s "$work/log/sendto.before" - || fail "the Send To folder changed though no name was given"
drv close Parcelo >/dev/null
wait_parcelo_exit
