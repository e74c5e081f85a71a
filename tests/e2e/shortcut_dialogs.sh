#!/usr/bin/env bash
# "作成(&C)" with no file chosen opens the file dialog; the file chosen there fills the name box and is the
# path the name prompt asks about; declining the name makes nothing. "フォルダにリンク&F" opens the
# folder-browse dialog titled "参照", and cancelled it makes nothing; "ﾌｫﾙﾀﾞを開く" opens it too, and the
# folder picked there and the name typed make a shortcut in the Send To folder that opens that folder.
. "$(dirname "$0")/lib.sh"

program='C:\Program Files\テスト\app.exe'
folder='C:\写真\夏 2024'
make_program "$program"
mkdir -p "$(host_path "$folder")"
browse=フォルダーの参照  # the shell's own caption for the dialog
remember_send_to

start_parcelo
drv press frmMain.cmdCr
drv wait-text 開く 'exeﾌｧｲﾙ(*.exe,*.com)' >/dev/null
drv set-text 開く open.fileName "$program" >/dev/null
drv press 開く '開く(&O)'
drv wait-text 作成 "ショートカット名を入力してください$program" >/dev/null
expect_equal "the name box" "$program" "$(drv controls frmMain | awk -F'\t' '$1 == "frmMain.txtName" { print $3 }')"
drv press 作成 キャンセル
drv wait-text Parcelo ショートカット名を入力してください >/dev/null
drv press Parcelo キャンセル
# By caption: the main window has the input again once it is the enabled window called Parcelo.
drv wait-text Parcelo '作成(&C)' >/dev/null
expect_send_to_unchanged "though no name was given"

drv command frmMain.mnuDi
drv wait-text "$browse" 参照 >/dev/null
drv press "$browse" キャンセル
drv wait-gone "$browse"
drv wait-text Parcelo 'ﾌｫﾙﾀﾞを開く' >/dev/null
expect_no_window "#32770"
expect_send_to_unchanged "though the dialog was cancelled"

drv press frmMain.cmdFopen
drv wait-text "$browse" 参照 >/dev/null
expect_equal "the item selected in the tree" '夏 2024' "$(drv select-folder "$browse" "$folder")"
screenshot folder_browse.png "$browse"
drv press "$browse" OK
drv wait-text Parcelo ショートカット名を入力してください >/dev/null
screenshot folder_link_name.png Parcelo
drv set-text Parcelo prompt.edit '夏の写真' >/dev/null
drv press Parcelo OK
drv wait-text Parcelo 完了 >/dev/null
drv press Parcelo OK
expect_shortcut '夏の写真' "$folder"
drv wait-text Parcelo 'ﾌｫﾙﾀﾞを開く' >/dev/null
screenshot folder_link_done.png
close_parcelo
