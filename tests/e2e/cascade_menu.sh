#!/usr/bin/env bash
# A submenu's launch: "/menu FOLDER PATH..." shows the folder's entries as a popup menu at the pointer;
# the entry chosen, a shortcut to a program, starts it with its own arguments and then each path whole.
# Esc ends the launch with nothing started. A folder with links back to itself shows at once, each link a
# submenu read only as it opens, and an entry two submenus down gets the paths.
. "$(dirname "$0")/lib.sh"

menu="$win_work\\メニュー"
recorder="$win_work\\recorder\\記録.exe"
install -D "$build_dir/tests/e2e/parcelo_args_recorder.exe" "$(host_path "$recorder")"
mkdir -p "$(host_path "$menu\\中")"
ask make-link "$menu\\記録.lnk" "$recorder" '/tag "a b"'
recorded=$(host_path "$win_work\\recorder\\args.txt")
# The paths go to the entry as files dropped on it, so they are there.
touch "$(host_path "$win_work\\a b.txt")" "$(host_path "$win_work\\ｶﾅ.txt")"
entries=$'1\t中\tpopup\n1\t記録\tcommand'  # level, text, kind; a submenu is empty until it opens

launch_parcelo /menu "$menu" "$win_work\\a b.txt" "$win_work\\ｶﾅ.txt"
wait_until "the folder's menu" prints "$entries" drv entries "#32768"
expect_no_window ParceloMain
import -display "$DISPLAY" -window root "$build_dir/screenshots/cascade_menu.png"
drv keys "#32768" DOWN DOWN RETURN
wait_until "the program's record of its arguments" test -s "$recorded"
expect_equal "arguments" "$(printf '%s\n' /tag 'a b' "$win_work\\a b.txt" "$win_work\\ｶﾅ.txt")" \
  "$(iconv -f UTF-16LE -t UTF-8 "$recorded")"
wait_parcelo_exit

rm "$recorded"
launch_parcelo /menu "$menu" "$win_work\\a b.txt"
wait_until "the folder's menu" prints "$entries" drv entries "#32768"
drv keys "#32768" ESCAPE
wait_parcelo_exit
[[ ! -e $recorded ]] || fail "Esc started the program"

loop="$win_work\\輪"
mkdir -p "$(host_path "$loop\\1 下\\奥")"
ask make-link "$loop\\1 下\\奥\\記録.lnk" "$recorder" '/tag "a b"' >/dev/null
for i in $(seq -w 50); do cp "$(host_path "$menu\\記録.lnk")" "$(host_path "$loop\\項目 $i.lnk")"; done
for link in '2 輪' '3 輪'; do ln -s "$(host_path "$loop")" "$(host_path "$loop\\$link")"; done
launch_parcelo /menu "$loop" "$win_work\\a b.txt"
top=$(printf '1\t%s\tpopup\n' '1 下' '2 輪' '3 輪'; printf '1\t項目 %s\tcommand\n' $(seq -w 50))
wait_until "the looping folder's menu" prints "$top" drv entries "#32768"
# Keys go to the newest popup, so each call waits for the menu it opens or closes.
drv keys "#32768" DOWN DOWN RIGHT
wait_until "the link back, empty" prints $'1\t(空)\tcommand' drv entries "#32768"
import -display "$DISPLAY" -window root "$build_dir/screenshots/cascade_menu_loop.png"
drv keys "#32768" ESCAPE
# A submenu once opened keeps its items.
wait_until "the looping folder's menu again" prints "${top/$'2 輪\tpopup'/$'2 輪\tpopup\n2\t(空)\tcommand'}" \
  drv entries "#32768"
drv keys "#32768" UP RIGHT
wait_until "the submenu of 1 下" prints $'1\t奥\tpopup' drv entries "#32768"
drv keys "#32768" RIGHT
wait_until "the submenu two levels down" prints $'1\t記録\tcommand' drv entries "#32768"
import -display "$DISPLAY" -window root "$build_dir/screenshots/cascade_menu_deep.png"
drv keys "#32768" RETURN
wait_until "the record of the entry two submenus down" test -s "$recorded"
expect_equal "arguments" "$(printf '%s\n' /tag 'a b' "$win_work\\a b.txt")" "$(iconv -f UTF-16LE -t UTF-8 "$recorded")"
wait_parcelo_exit
