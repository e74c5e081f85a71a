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
# In Explorer's order; Wine names a folder's kind in English.
apps=$(printf '%s\t%s\t重複\ton\n' アプリ "$program /x" 'アプリ 2' "$program /x")
rows=$apps$'\n'$(printf '%s\t%s\t%s\t%s\n' サブ Folder '' on 壊れた "$win_work\\gone.exe" リンク切れ on)

start_parcelo
drv command frmMain.mnuItems
wait_until "the entries with their states" prints "$rows" drv rows frmItems.lvwItems
drv check-row frmItems.lvwItems 0 off
wait_until "アプリ switched off" prints "${rows/$'重複\ton'/$'無効、重複\toff'}" drv rows frmItems.lvwItems
screenshot items_dialog.png frmItems
expect_equal "hidden mark of アプリ.lnk" 1 "$(ask hidden "$send_to\\アプリ.lnk")"
drv check-row frmItems.lvwItems 0 on
wait_until "アプリ switched on" prints "$rows" drv rows frmItems.lvwItems
expect_equal "hidden mark of アプリ.lnk" 0 "$(ask hidden "$send_to\\アプリ.lnk")"

drv press frmItems.cmdBroken
drv key frmItems.lvwItems DELETE
# The shell's own confirmation; the file goes to the session's Recycle Bin.
drv press ファイルの削除の確認 'はい(&Y)'
rows=${rows%$'\n'*}
wait_until "壊れた gone from the list" prints "$rows" drv rows frmItems.lvwItems
[[ ! -e $(host_path "$send_to\\壊れた.lnk") && -f $XDG_DATA_HOME/Trash/files/壊れた.lnk ]] ||
  fail "壊れた.lnk is not in the Recycle Bin: $(ls "$XDG_DATA_HOME/Trash/files" 2>&1)"

drv select-rows frmItems.lvwItems 2
drv press frmItems.cmdSub
drv wait-text Parcelo 完了 >/dev/null
drv press Parcelo OK
# The dialog reads the folder again: the shortcut as it is on disk, the folder's check box its hidden mark.
wait_until "the submenu's folder and shortcut" prints "$apps$(printf '\n%s\t%s\t%s\t%s' \
  サブ Folder サブメニュー off サブ "$win_work\\Parcelo.exe /menu \"$send_to\\サブ\"" サブメニュー on)" \
  drv rows frmItems.lvwItems
screenshot items_submenu.png frmItems
drv select-rows frmItems.lvwItems 3
drv press frmItems.cmdSub
drv wait-text Parcelo サブメニューを解除しますか？ >/dev/null
drv press Parcelo OK
wait_until "the submenu undone: no shortcut, the folder shown" prints "$rows" drv rows frmItems.lvwItems

# The standard entries: Cancel writes nothing, OK makes them and lists them at once, a second press finds none.
no_box() { ! drv windows | grep -q $'^#32770\tParcelo$'; }
question=$'次の既定の項目を作成します。\n\n圧縮 (zip 形式) フォルダー\nデスクトップ (ショートカットを作成)\nドキュメント\nメール受信者'
for answer in キャンセル OK; do
  drv press frmItems.cmdStd
  drv wait-text Parcelo "$question" >/dev/null
  drv press Parcelo $answer
  wait_until "the question closed" no_box
  [[ $answer == OK || $(ls "$(host_path "$send_to")" | wc -l) == 3 ]] ||
    fail "Cancel wrote: $(ls "$(host_path "$send_to")")"
done
# Wine has neither the entries' handlers nor desktop.ini's names: it shows the files' own names and kinds.
standard=$(for file in 'Compressed (zipped) Folder.ZFSendToTarget' 'Desktop (create shortcut).DeskLink' \
  Documents.mydocs 'Mail Recipient.MAPIMail'; do printf '%s\t%s file\t\ton\n' "$file" "${file##*.}"; done)
wait_until "the standard entries listed" prints "$standard"$'\n'"$rows" drv rows frmItems.lvwItems
expect_equal "hidden mark of desktop.ini" 1 "$(ask hidden "$send_to\\desktop.ini")"
screenshot items_standard.png frmItems
drv press frmItems.cmdStd
drv wait-text Parcelo 既定の項目はすべてそろっています。 >/dev/null
drv press Parcelo OK
wait_until "the answer closed" no_box
drv press frmItems.cmdClose
drv wait-gone frmItems

drv command frmMain.mnuReg
drv wait-text Parcelo 完了 >/dev/null
drv press Parcelo OK
expect_equal "Parcelo's own shortcut" "$win_work\\Parcelo.exe" "$(ask resolve-link "$send_to\\Parcelo.lnk")"

# A program dropped on the window, the pointer showing a link on the way, is named and linked.
expect_equal "the pointer over the window" link "$(drv drop frmMain frmMain.Picture1 "$program")"
name_shortcut "$program" ドロップ
expect_shortcut ドロップ "$program"
close_parcelo
