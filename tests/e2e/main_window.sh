#!/usr/bin/env bash
# The main window and every dialog it opens, in one launch.
# First start, no Data.ini: the window opens with the size, place and menu bar of its design (its controls as
# designed: layout_at_dpi.sh at the first start, placement.sh maximised).
. "$(dirname "$0")/lib.sh"

send_to=$(send_to_folder)
empty_send_to
start_parcelo
read -r _ _ outer_width _ client_left client_top client_width client_height _ <<<"$(drv window frmMain)"
expect_equal "client area's height and screen place (twips)" "6045 4500 2940" "$client_height $client_left $client_top"
# The designed width, unless the frame is so thin that the window would be no wider than the button
# strip, which the layout does not allow: then the window is exactly as wide as the strip.
((client_width == 7200 && outer_width > 7335 || client_width >= 7200 && outer_width == 7335)) ||
  fail "client area $client_width twips wide in a window $outer_width wide"
# The drive list names the Send To folder's drive, C:, first; what follows is the program's to choose.
drive=$(drv controls frmMain | awk -F'\t' '$1 == "frmMain.driDri" { print $3 }')
[[ ${drive,,} == c:* ]] || fail "the drive list shows '$drive', not the drive of the Send To folder"
screenshot main_window.png
expect_listing main_window_menu drv entries frmMain

# "作成(&C)" with no file chosen opens the file dialog; the file chosen there is the path the name prompt
# asks about. "フォルダにリンク&F" opens the folder-browse dialog titled "参照", and cancelled it leads to no
# box; "ﾌｫﾙﾀﾞを開く" opens it too, and the folder picked there and the name typed make a shortcut in the
# Send To folder that opens that folder.
program='C:\Program Files\テスト\app.exe'
folder='C:\写真\夏 2024'
make_program "$program"
mkdir -p "$(host_path "$folder")"
browse=フォルダーの参照  # the shell's own caption for the dialog
drv press frmMain.cmdCr
drv controls 開く 'exeﾌｧｲﾙ(*.exe,*.com)' >/dev/null
drv set-text 開く Edit "$program"
drv press 開く '開く(&O)'
name_shortcut "$program" 選んだ

drv press frmMain.mnuDi
drv controls "$browse" 参照 >/dev/null
drv press "$browse" キャンセル
drv wait-gone "$browse"
drv wait-gone "#32770"  # no box after it

drv press frmMain.cmdFopen
drv controls "$browse" 参照 >/dev/null
wait_until "the item selected in the tree" prints '夏 2024' drv select-folder "$browse" "$folder"
screenshot folder_browse.png "$browse"
drv press "$browse" OK
drv controls Parcelo ショートカット名を入力してください >/dev/null
screenshot folder_link_name.png Parcelo
drv set-text Parcelo Edit '夏の写真'
drv press Parcelo OK
drv controls Parcelo 完了 >/dev/null
drv press Parcelo OK
expect_shortcut '夏の写真' "$folder"

# Parcelo and its copy and move entries put into Send To by their commands (what each shortcut holds, the
# unit tests check; one here, as the shell reads it).
for command in mnuReg mnuCopyMove; do
  drv press frmMain.$command
  drv controls Parcelo 完了 >/dev/null
  drv press Parcelo OK
done
expect_shortcut フォルダーへコピー "$win_work\\Parcelo.exe" /copyto

# The entries dialog: every entry of Send To with its state; an entry switched off by its check box, a broken
# one found and moved to the Recycle Bin, a subfolder made into a submenu, the standard entries made. Then a
# program dropped on the main window is linked after its name prompt.
rm "$(host_path "$send_to")"/*.lnk
ask make-link "$send_to\\アプリ.lnk" "$program" "/x"
ask make-link "$send_to\\アプリ 2.lnk" "$program" "/x"
ask make-link "$send_to\\壊れた.lnk" "$win_work\\gone.exe"
mkdir -p "$(host_path "$send_to\\サブ")"
# In Explorer's order; Wine names a folder's kind in English.
apps=$(printf '%s\t%s\t重複\ton\n' アプリ "$program /x" 'アプリ 2' "$program /x")
rows=$apps$'\n'$(printf '%s\t%s\t%s\t%s\n' サブ Folder '' on 壊れた "$win_work\\gone.exe" リンク切れ on)
drv press frmMain.mnuItems
wait_until "the entries with their states" prints "$rows" drv entries frmItems.lvwItems
drv keys frmItems.lvwItems HOME SPACE
apps=${apps/$'重複\ton'/$'無効、重複\toff'}
rows=${rows/$'重複\ton'/$'無効、重複\toff'}
wait_until "アプリ switched off" prints "$rows" drv entries frmItems.lvwItems
screenshot items_dialog.png frmItems

drv press frmItems.cmdBroken
drv keys frmItems.lvwItems DELETE
# The shell's own confirmation; the file goes to the session's Recycle Bin.
drv press ファイルの削除の確認 'はい(&Y)'
rows=${rows%$'\n'*}
wait_until "壊れた gone from the list" prints "$rows" drv entries frmItems.lvwItems
[[ ! -e $(host_path "$send_to\\壊れた.lnk") && -f $XDG_DATA_HOME/Trash/files/壊れた.lnk ]] ||
  fail "壊れた.lnk is not in the Recycle Bin: $(ls "$XDG_DATA_HOME/Trash/files" 2>&1)"

drv keys frmItems.lvwItems HOME DOWN DOWN
drv press frmItems.cmdSub
drv controls Parcelo 完了 >/dev/null
drv press Parcelo OK
# The dialog reads the folder again: the shortcut as it is on disk, the check boxes the hidden marks.
rows=$apps$(printf '\n%s\t%s\t%s\t%s' \
  サブ Folder サブメニュー off サブ "$win_work\\Parcelo.exe /menu \"$send_to\\サブ\"" サブメニュー on)
wait_until "the submenu's folder and shortcut" prints "$rows" drv entries frmItems.lvwItems
screenshot items_submenu.png frmItems
expect_shortcut サブ "$win_work\\Parcelo.exe" "/menu \"$send_to\\サブ\""

# The standard entries, made on OK and listed at once.
question=$'次の既定の項目を作成します。\n\n圧縮 (zip 形式) フォルダー\nデスクトップ (ショートカットを作成)\nドキュメント\nメール受信者'
drv press frmItems.cmdStd
drv controls Parcelo "$question" >/dev/null
drv press Parcelo OK
# Wine has neither the entries' handlers nor desktop.ini's names: it shows the files' own names, and for a
# kind it does not know, the extension and "file".
standard=$(for file in 'Compressed (zipped) Folder.ZFSendToTarget' 'Desktop (create shortcut).DeskLink' \
  Documents.mydocs 'Mail Recipient.MAPIMail'; do printf '%s\t.%s file\t\ton\n' "$file" "${file##*.}"; done)
wait_until "the standard entries listed" prints "$standard"$'\n'"$rows" drv entries frmItems.lvwItems
screenshot items_standard.png frmItems
drv press frmItems.cmdClose
drv wait-gone frmItems

# A program dropped on the window, the pointer showing a link on the way, is named and linked.
expect_equal "the effect of the drop" link "$(drv drop frmMain.Picture1 "$program")"
name_shortcut "$program" ドロップ
expect_shortcut ドロップ "$program"

# The options dialog from the button: its controls as designed, then a user folder typed and confirmed; the
# main window moves there. "ﾊﾞｰｼﾞｮﾝ情報&V" shows the About box as designed, with the version and copyright
# of the program's version record and the two addresses, which the Tab key never reaches; OK closes it.
mkdir -p "$work/私の送る先"
folder="$win_work\\私の送る先"
drv press frmMain.cmdOpt
expect_listing options_dialog_controls drv controls frmOpt
screenshot options_dialog.png frmOpt
drv press frmOpt.optUpath
drv set-text frmOpt.txtPath "$folder"
drv press frmOpt.cmdOK
drv wait-gone frmOpt
wait_until "the folder list at the folder confirmed" \
  prints "$(printf '%s\n' 'c:\' e2e "$scenario" 私の送る先)" drv entries frmMain.dirDir

# The record's values, from the header the executable's version resource is built from.
record() { sed -n "s/^#define PARCELO_$1 \"\{0,1\}\([^\"]*\)\"\{0,1\}\$/\1/p" "$e2e_dir/../../src/core/version_info.h"; }
version="Parcelo Version$(record VERSION_MAJOR).$(record VERSION_MINOR)$(record VERSION_REVISION)"
drv press frmMain.mnuVer
# The listing without the record's texts, which are the header's, not the design file's.
about_box() {
  drv controls frmAbout "$version" | sed "s/\t$version\t/\tVERSION\t/; s/\t$(record COPYRIGHT)\t/\tCOPYRIGHT\t/"
}
expect_listing about_box_controls about_box
expect_equal "client area of the box (width, height in twips)" $'5535\t1725' "$(drv window frmAbout | cut -f7,8)"
screenshot about_box.png frmAbout
drv press frmAbout.cmdOK
drv wait-gone frmAbout

# Dragged lower than 3000 twips or narrower than the button strip, the window snaps back to the minimum.
# Nothing is written before it closes; closed by "終了(&Q)", it stores the folder confirmed and its placement,
# the outer rectangle as width,height,top,left.
expect_equal "after dragging to 6000 by 2500" $'1500\t1500\t7335\t3000' "$(drv move frmMain 1500 1500 6000 2500)"
placement=$(drv window frmMain | awk '{ print $3 "," $4 "," $2 "," $1 }')
[[ ! -e $data_ini ]] || fail "Data.ini written before the window was closed"
drv press frmMain.cmdEx
wait_parcelo_exit
expect_data_ini "\"$folder\",\"$folder\",$placement,0,0"
