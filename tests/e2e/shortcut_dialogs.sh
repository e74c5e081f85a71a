#!/usr/bin/env bash
# "作成(&C)" with no file chosen opens the file dialog; the file chosen there is the path the name prompt
# asks about; declined, the name is asked for once more, and cancelled there the main window has the input
# again. "フォルダにリンク&F" opens the folder-browse dialog titled "参照", and cancelled it leads to no
# box; "ﾌｫﾙﾀﾞを開く" opens it too, and the folder picked there and the name typed make a shortcut in the
# Send To folder that opens that folder.
. "$(dirname "$0")/lib.sh"

program='C:\Program Files\テスト\app.exe'
folder='C:\写真\夏 2024'
make_program "$program"
mkdir -p "$(host_path "$folder")"
browse=フォルダーの参照  # the shell's own caption for the dialog

start_parcelo
drv press frmMain.cmdCr
drv wait-text 開く 'exeﾌｧｲﾙ(*.exe,*.com)' >/dev/null
drv set-text 開く open.fileName "$program" >/dev/null
drv press 開く '開く(&O)'
drv wait-text 作成 "ショートカット名を入力してください$program" >/dev/null
drv press 作成 キャンセル
drv wait-text Parcelo ショートカット名を入力してください >/dev/null
drv press Parcelo キャンセル
# By caption: the main window has the input again once it is the enabled window called Parcelo.
drv wait-text Parcelo '作成(&C)' >/dev/null

drv command frmMain.mnuDi
drv wait-text "$browse" 参照 >/dev/null
drv press "$browse" キャンセル
drv wait-gone "$browse"
drv wait-text Parcelo 'ﾌｫﾙﾀﾞを開く' >/dev/null
expect_no_window "#32770"

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
close_parcelo
