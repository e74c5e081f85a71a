#!/usr/bin/env bash
# A submenu's launch: "/menu FOLDER PATH..." shows the folder's entries as a popup menu at the pointer, at
# once even where the folder links back to itself: each subfolder a submenu read only as it opens, a link back
# to a folder above empty. Esc ends the launch with nothing started; an entry two submenus down, a shortcut to
# a program, starts it with its own arguments and then each path whole.
. "$(dirname "$0")/lib.sh"

loop="$win_work\\輪"
recorder="$win_work\\recorder\\記録.exe"
link="$loop\\1 下\\奥\\記録.lnk"
install -D "$build_dir/tests/e2e/parcelo_args_recorder.exe" "$(host_path "$recorder")"
mkdir -p "$(host_path "$loop\\1 下\\奥")"
ask make-link "$link" "$recorder" '/tag "a b"'
for i in $(seq -w 50); do cp "$(host_path "$link")" "$(host_path "$loop\\項目 $i.lnk")"; done
for name in '2 輪' '3 輪'; do ln -s "$(host_path "$loop")" "$(host_path "$loop\\$name")"; done
recorded=$(host_path "$win_work\\recorder\\args.txt")
# The paths go to the entry as files dropped on it, so they are there.
touch "$(host_path "$win_work\\a b.txt")" "$(host_path "$win_work\\ｶﾅ.txt")"
# Level, text, kind; a submenu is empty until it opens.
entries=$(printf '1\t%s\tpopup\n' '1 下' '2 輪' '3 輪'; printf '1\t項目 %s\tcommand\n' $(seq -w 50))

launch_parcelo /menu "$loop" "$win_work\\a b.txt"
wait_until "the folder's menu" prints "$entries" drv entries "#32768"
drv keys "#32768" ESCAPE
wait_parcelo_exit
[[ ! -e $recorded ]] || fail "Esc started the program"

launch_parcelo /menu "$loop" "$win_work\\a b.txt" "$win_work\\ｶﾅ.txt"
wait_until "the folder's menu" prints "$entries" drv entries "#32768"
drv wait-gone ParceloMain  # no main window
import -display "$DISPLAY" -window root "$build_dir/screenshots/cascade_menu.png"
# Keys a submenu's own entries need wait until they are read, as a person waits to see them.
drv keys "#32768" DOWN DOWN RIGHT
wait_until "the link back, empty" prints $'1\t(空)\tcommand' drv entries "#32768"
import -display "$DISPLAY" -window root "$build_dir/screenshots/cascade_menu_loop.png"
drv keys "#32768" ESCAPE
# A submenu once opened keeps its items.
wait_until "the folder's menu again" prints "${entries/$'2 輪\tpopup'/$'2 輪\tpopup\n2\t(空)\tcommand'}" \
  drv entries "#32768"
drv keys "#32768" UP RIGHT
wait_until "the subfolder's menu" prints $'1\t奥\tpopup' drv entries "#32768"
drv keys "#32768" RIGHT
wait_until "the menu two submenus down" prints $'1\t記録\tcommand' drv entries "#32768"
import -display "$DISPLAY" -window root "$build_dir/screenshots/cascade_menu_deep.png"
drv keys "#32768" RETURN
wait_until "the record of the entry two submenus down" test -s "$recorded"
expect_equal "arguments" "$(printf '%s\n' /tag 'a b' "$win_work\\a b.txt" "$win_work\\ｶﾅ.txt")" \
  "$(iconv -f UTF-16LE -t UTF-8 "$recorded")"
wait_parcelo_exit
