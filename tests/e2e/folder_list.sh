#!/usr/bin/env bash
# "ﾌｫﾙﾀﾞ作成(&N)" makes the named folder in the target folder, with no box, and the lists show it. A double
# click on a subfolder in the folder list moves the view there; "更新(&F)" then shows a file made outside
# the program, and the view stays in that folder.
. "$(dirname "$0")/lib.sh"

target="$win_work\\対象"
sub=$(host_path "$target")/サブ
mkdir -p "$sub"
echo one >"$sub/一.txt"
echo two >"$sub/two.txt"
write_data_ini "\"$target\",\"$target\",8100,6600,1500,2250,0,0"

start_parcelo
wait_until "the folder list at the target folder" list_shows 対象
wait_until "the view of the target folder" view_shows サブ
drv press frmMain.cmdNdir
drv wait-text フォルダ作成 フォルダ名を入力してください >/dev/null
screenshot new_folder_name.png フォルダ作成
drv set-text フォルダ作成 prompt.edit '新しいﾌｫﾙﾀﾞ 1' >/dev/null
drv press フォルダ作成 OK
wait_until "the new folder in the folder list" list_shows '新しいﾌｫﾙﾀﾞ 1'
wait_until "the new folder in the view" view_shows サブ '新しいﾌｫﾙﾀﾞ 1'
[[ -d $(host_path "$target\\新しいﾌｫﾙﾀﾞ 1") ]] || fail "no folder in the target folder"
expect_no_window "#32770"
screenshot new_folder.png

drv double-click frmMain.dirDir サブ
wait_until "the view moved to サブ" view_shows two.txt 一.txt
cp "$sub/一.txt" "$sub/外から.lnk"
drv press frmMain.cmdRef
# The shell shows a shortcut without its extension.
wait_until "the new file in the view after 更新" view_shows two.txt 一.txt 外から
close_parcelo
