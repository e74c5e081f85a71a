#!/usr/bin/env bash
# The entries dialog: every entry of Send To with its state; an entry switched off and on by its check box
# (hidden on disk, then not), a broken one found and moved to the Recycle Bin, a subfolder made into a
# submenu and back; then Parcelo put into Send To by its own command, once, and a program dropped on the
# main window linked after its name prompt.
. "$(dirname "$0")/lib.sh"

send_to=$(send_to_folder)
program="$win_work\\app.exe"
make_program "$program"
rm -rf "$(host_path "$send_to")"/*
ask make-link "$send_to\\アプリ.lnk" "$program" "/x" >/dev/null
ask make-link "$send_to\\アプリ 2.lnk" "$program" "/x" >/dev/null
ask make-link "$send_to\\壊れた.lnk" "$win_work\\gone.exe" >/dev/null
mkdir -p "$(host_path "$send_to\\サブ")"

rows_are() {  # expected rows, one a line
  local found
  found=$(drv rows frmItems.lvwItems)
  echo "${found//$'\n'/|}"
  [[ $found == "$1" ]]
}
row_is() {  # line expected
  local found
  found=$(drv rows frmItems.lvwItems | sed -n "$1p")
  echo "$found"
  [[ $found == "$2" ]]
}
expect_hidden() { expect_equal "hidden mark of $1" "$2" "$(ask hidden "$send_to\\$1")"; }

start_parcelo
drv command frmMain.mnuItems
drv wait-window frmItems >/dev/null
# In Explorer's order; Wine names a folder's kind in English.
wait_until "the entries with their states" rows_are "$(printf '%s\t%s\t%s\t%s\n' \
  アプリ "$program /x" 重複 on \
  'アプリ 2' "$program /x" 重複 on \
  サブ Folder '' on \
  壊れた "$win_work\\gone.exe" リンク切れ on)"

drv check-row frmItems.lvwItems 0 off
wait_until "アプリ switched off" row_is 1 "アプリ	$program /x	無効、重複	off"
screenshot items_dialog.png frmItems
expect_hidden アプリ.lnk 1
drv check-row frmItems.lvwItems 0 on
wait_until "アプリ switched on" row_is 1 "アプリ	$program /x	重複	on"
expect_hidden アプリ.lnk 0

drv press frmItems.cmdBroken
drv key frmItems.lvwItems DELETE
# The shell's own confirmation; the file goes to the session's Recycle Bin.
drv wait-window ファイルの削除の確認 >/dev/null
drv press ファイルの削除の確認 'はい(&Y)'
wait_until "壊れた gone from the list" row_is 4 ""
[[ ! -e $(host_path "$send_to\\壊れた.lnk") && -f $XDG_DATA_HOME/Trash/files/壊れた.lnk ]] ||
  fail "壊れた.lnk is not in the Recycle Bin: $(ls "$XDG_DATA_HOME/Trash/files" 2>&1)"

drv select-rows frmItems.lvwItems 2
drv press frmItems.cmdSub
drv wait-text Parcelo 完了 >/dev/null
drv press Parcelo OK
expect_hidden サブ 1
expect_equal "the submenu's program" "$win_work\\Parcelo.exe" "$(ask resolve-link "$send_to\\サブ.lnk")"
expect_equal "the submenu's arguments" "/menu \"$send_to\\サブ\"" "$(ask link-arguments "$send_to\\サブ.lnk")"
wait_until "the submenu's folder and shortcut" rows_are "$(printf '%s\t%s\t%s\t%s\n' \
  アプリ "$program /x" 重複 on \
  'アプリ 2' "$program /x" 重複 on \
  サブ Folder サブメニュー off \
  サブ "$win_work\\Parcelo.exe /menu \"$send_to\\サブ\"" サブメニュー on)"
screenshot items_submenu.png frmItems
drv select-rows frmItems.lvwItems 3
drv press frmItems.cmdSub
drv wait-text Parcelo サブメニューを解除しますか？ >/dev/null
drv press Parcelo OK
wait_until "the submenu undone" row_is 4 ""
expect_hidden サブ 0
[[ ! -e $(host_path "$send_to\\サブ.lnk") ]] || fail "the submenu's shortcut is still there"
drv press frmItems.cmdClose
drv wait-gone frmItems

drv command frmMain.mnuReg
drv wait-text Parcelo 完了 >/dev/null
drv press Parcelo OK
expect_equal "Parcelo's own shortcut" "$win_work\\Parcelo.exe" "$(ask resolve-link "$send_to\\Parcelo.lnk")"
drv command frmMain.mnuReg
drv wait-text Parcelo "Parcelo は既に送るメニューにあります (Parcelo)" >/dev/null
drv press Parcelo OK

# A program dropped on the window, the pointer showing a link on the way, is named and linked.
expect_equal "the pointer over the window" link "$(drv drop frmMain frmMain.Picture1 "$program")"
drv wait-text 作成 "ショートカット名を入力してください$program" >/dev/null
drv set-text 作成 prompt.edit ドロップ >/dev/null
drv press 作成 OK
drv wait-text Parcelo 完了 >/dev/null
drv press Parcelo OK
expect_shortcut ドロップ "$program"
close_parcelo
