#!/usr/bin/env bash
# "ﾌｫﾙﾀﾞ作成(&N)" makes the named folder in the target folder and the folder list shows it; no box.
. "$(dirname "$0")/lib.sh"

target="$win_work\\対象"
mkdir -p "$(host_path "$target")"
write_data_ini "\"$target\",\"$target\",8100,6600,1500,2250,0,0"

start_parcelo
wait_list_entry Parcelo '#1000' 対象
drv press Parcelo 'ﾌｫﾙﾀﾞ作成(&N)'
drv wait-text フォルダ作成 フォルダ名を入力してください >/dev/null
screenshot new_folder_name.png フォルダ作成
drv set-text フォルダ作成 '#1002' '新しいﾌｫﾙﾀﾞ 1' >/dev/null
drv press フォルダ作成 OK
wait_list_entry Parcelo '#1000' '新しいﾌｫﾙﾀﾞ 1'
[[ -d $(host_path "$target\\新しいﾌｫﾙﾀﾞ 1") ]] || fail "no folder in the target folder"
if drv windows | grep -q '^#32770'; then fail "a box showed: $(drv windows | tr '\n' '|')"; fi
screenshot new_folder.png
drv close Parcelo >/dev/null
wait_parcelo_exit
