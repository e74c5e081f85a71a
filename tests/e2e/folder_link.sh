#!/usr/bin/env bash
# "ﾌｫﾙﾀﾞを開く" opens the folder-browse dialog titled "参照"; the folder picked there and the name typed
# make a shortcut in the Send To folder that opens that folder. The menu item cancelled makes nothing.
. "$(dirname "$0")/lib.sh"

folder='C:\写真\夏 2024'
mkdir -p "$(host_path "$folder")"
browse=フォルダーの参照  # the shell's own caption for the dialog
sent_to=$(host_path "$(send_to_folder)")
rm -f "$sent_to/夏の写真.lnk"  # from an earlier run in the same prefix
ls "$sent_to" >"$work/log/sendto.before"

start_parcelo
drv command Parcelo 2004 >/dev/null  # フォルダにリンク&F
drv wait-text "$browse" 参照 >/dev/null
drv press "$browse" キャンセル
drv wait-gone "$browse"
drv wait-text Parcelo 'ﾌｫﾙﾀﾞを開く' >/dev/null  # the main window has the input again
if drv windows | grep -q '^#32770'; then fail "a box showed after the cancel: $(drv windows | tr '\n' '|')"; fi
ls "$sent_to" | cmp -s "$work/log/sendto.before" - || fail "the Send To folder changed though the dialog was cancelled"

drv press Parcelo 'ﾌｫﾙﾀﾞを開く'
drv wait-text "$browse" 参照 >/dev/null
expect_equal "the item selected in the tree" '夏 2024' "$(drv select-folder "$browse" "$folder")"
screenshot folder_browse.png "$browse"
drv press "$browse" OK
drv wait-text Parcelo ショートカット名を入力してください >/dev/null
screenshot folder_link_name.png Parcelo
drv set-text Parcelo '#1002' '夏の写真' >/dev/null
drv press Parcelo OK
drv wait-text Parcelo 完了 >/dev/null
drv press Parcelo OK
expect_shortcut '夏の写真' "$folder"
drv wait-text Parcelo 'ﾌｫﾙﾀﾞを開く' >/dev/null
screenshot folder_link_done.png
drv close Parcelo >/dev/null
wait_parcelo_exit
