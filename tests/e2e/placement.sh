#!/usr/bin/env bash
# A saved placement is applied at start, with a Japanese target folder that the folder list shows.
# "ﾌｫﾙﾀﾞ作成(&N)" makes the named folder in the target folder, with no box, and the lists show it. Enter on a
# subfolder in the folder list moves the view there; "更新(&F)" then shows a file made outside the program,
# and the view stays in that folder. Closed while minimised, as from the taskbar, the program ends and stores
# the restored placement, state 0. A saved state 2 opens the window maximised, its controls laid out to fill it.
. "$(dirname "$0")/lib.sh"

sub=$work/送る先/サブ
mkdir -p "$sub"
echo one >"$sub/一.txt"
echo two >"$sub/two.txt"
folders="\"$win_work\\送る先\",\"\""
write_data_ini "$folders,8100,6600,1500,2250,0,0"
view() { drv entries frmMain SysListView32 | LC_ALL=C sort; }

start_parcelo
expect_equal "outer rectangle (left, top, width, height in twips)" $'2250\t1500\t8100\t6600' \
  "$(drv window frmMain | cut -f1-4)"
list=$(printf '%s\n' 'c:\' e2e placement 送る先 サブ)
wait_until "the folder list at the target folder" prints "$list" drv entries frmMain.dirDir
drv press frmMain.cmdNdir
drv controls フォルダ作成 フォルダ名を入力してください >/dev/null
screenshot new_folder_name.png フォルダ作成
drv set-text フォルダ作成 Edit '新しいﾌｫﾙﾀﾞ 1'
drv press フォルダ作成 OK
wait_until "the new folder in the folder list" prints "$list"$'\n新しいﾌｫﾙﾀﾞ 1' drv entries frmMain.dirDir
wait_until "the new folder in the view" prints $'サブ\n新しいﾌｫﾙﾀﾞ 1' view
drv wait-gone "#32770"  # no box

drv keys frmMain.dirDir DOWN RETURN
wait_until "the view moved to サブ" prints $'two.txt\n一.txt' view
cp "$sub/一.txt" "$sub/外から.lnk"
drv press frmMain.cmdRef
# The shell shows a shortcut without its extension.
wait_until "the new file in the view after 更新" prints $'two.txt\n一.txt\n外から' view

# Moved away from the stored placement, so a file left untouched cannot pass for a written one.
expect_equal "the window where it was left" $'1800\t1200\t7800\t6300' "$(drv move frmMain 1800 1200 7800 6300)"
drv minimize frmMain  # fails unless the window is minimised
close_parcelo
expect_data_ini "$folders,7800,6300,1200,1800,0,0"

write_data_ini "$folders,8100,6600,1500,2250,2,0"
start_parcelo
expect_equal "window state" maximized "$(drv window frmMain | cut -f10)"
screenshot main_window_maximised.png
expect_layout
close_parcelo
