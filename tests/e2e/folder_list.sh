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
folders() { drv items frmMain.dirDir; }
view() { drv view-items frmMain | LC_ALL=C sort; }

start_parcelo
list=$(printf '%s\n' 'c:\' e2e folder_list 対象 サブ)
wait_until "the folder list at the target folder" prints "$list" folders
drv press frmMain.cmdNdir
drv wait-text フォルダ作成 フォルダ名を入力してください >/dev/null
screenshot new_folder_name.png フォルダ作成
drv set-text フォルダ作成 prompt.edit '新しいﾌｫﾙﾀﾞ 1' >/dev/null
drv press フォルダ作成 OK
wait_until "the new folder in the folder list" prints "$list"$'\n新しいﾌｫﾙﾀﾞ 1' folders
wait_until "the new folder in the view" prints $'サブ\n新しいﾌｫﾙﾀﾞ 1' view
expect_no_window "#32770"

drv double-click frmMain.dirDir サブ
wait_until "the view moved to サブ" prints $'two.txt\n一.txt' view
cp "$sub/一.txt" "$sub/外から.lnk"
drv press frmMain.cmdRef
# The shell shows a shortcut without its extension.
wait_until "the new file in the view after 更新" prints $'two.txt\n一.txt\n外から' view
close_parcelo
