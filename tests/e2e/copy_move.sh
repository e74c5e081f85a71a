#!/usr/bin/env bash
# Parcelo's own two Send To entries (main_window.sh has the ツール command write them): "/copyto PATH..."
# shows a menu of destinations at the pointer, and a folder picked in the browse dialog gets the items through
# the shell and then heads the menu of "/moveto PATH...", whose browse dialog opens at that latest destination
# and whose move leaves no source behind.
. "$(dirname "$0")/lib.sh"

sent="$win_work\\元 の 項目"
picked="$win_work\\送り 先"
mkdir -p "$(host_path "$sent\\束 d")" "$(host_path "$picked")"
for name in '写真 1.txt' 'メモ b.txt' '移す c.txt' '束 d\中.txt'; do echo "$name" >"$(host_path "$sent\\$name")"; done
browse=フォルダーの参照
commands=$'1\t-\tcommand\n1\tフォルダーを選ぶ(&F)...\tcommand\n1\t履歴を消す(&H)\tcommand'

launch_parcelo /copyto "$sent\\写真 1.txt" "$sent\\メモ b.txt"
wait_until "the copy menu" prints $'1\tコピー先\tcommand\n'"$commands" drv entries "#32768"
drv keys "#32768" DOWN DOWN RETURN
drv controls "$browse" コピー先のフォルダーを選んでください。 >/dev/null
wait_until "the item selected in the tree" prints '送り 先' drv select-folder "$browse" "$picked"
screenshot copy_move_browse.png "$browse"
drv press "$browse" OK
wait_parcelo_exit
for name in '写真 1.txt' 'メモ b.txt'; do
  cmp "$(host_path "$sent\\$name")" "$(host_path "$picked\\$name")" || fail "$name was not copied"
done
expect_equal "the recent list" "$picked"$'\r' "$(cat "$work/Recent.txt")"

launch_parcelo /moveto "$sent\\移す c.txt" "$sent\\束 d"
wait_until "the move menu" prints $'1\t移動先\tcommand\n1\t送り 先\tcommand\n'"$commands" drv entries "#32768"
import -display "$DISPLAY" -window root "$build_dir/screenshots/copy_move_menu.png"
drv keys "#32768" DOWN DOWN DOWN RETURN
drv controls "$browse" 移動先のフォルダーを選んでください。 >/dev/null
wait_until "the folder selected as the dialog opens" prints '送り 先' drv entries "$browse" SysTreeView32
drv press "$browse" OK
wait_parcelo_exit
expect_equal "what the move left" "$(printf '%s\n' 'メモ b.txt' '写真 1.txt' | sort)" "$(ls "$(host_path "$sent")" | sort)"
[[ -f $(host_path "$picked\\移す c.txt") && -f $(host_path "$picked\\束 d\\中.txt") ]] || fail "the move brought not both"
