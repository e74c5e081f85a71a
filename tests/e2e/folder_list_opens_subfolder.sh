#!/usr/bin/env bash
# A double click on a subfolder in the folder list moves the view there; "更新(&F)" then shows a file
# that was made outside the program, and the view stays in that folder.
. "$(dirname "$0")/lib.sh"

sub=$(host_path "$(send_to_folder)")/サブ
# The Send To folder belongs to the whole session: a run before this one left its file in it.
rm -rf "$sub"
mkdir -p "$sub"
echo one >"$sub/一.txt"
echo two >"$sub/two.txt"

# The view's names in one line, sorted, against the names given.
view_is() {
  [[ $(drv view-items Parcelo | LC_ALL=C sort | tr '\n' ' ') == "$(printf '%s\n' "$@" | LC_ALL=C sort | tr '\n' ' ')" ]]
}

start_parcelo
deadline=$((SECONDS + 15))
until drv view-items Parcelo | grep -qx サブ; do
  ((SECONDS < deadline)) || fail "the view does not show the Send To folder at start"
done
drv double-click Parcelo '#1000' サブ
deadline=$((SECONDS + 15))
until view_is two.txt 一.txt; do
  ((SECONDS < deadline)) || fail "the view did not move to サブ: $(drv view-items Parcelo | tr '\n' ' ')"
done

cp "$sub/一.txt" "$sub/外から.lnk"
drv press Parcelo '更新(&F)'
deadline=$((SECONDS + 15))
# The shell shows a shortcut without its extension.
until view_is two.txt 一.txt 外から; do
  ((SECONDS < deadline)) || fail "更新 did not show the new file: $(drv view-items Parcelo | tr '\n' ' ')"
done
drv close Parcelo >/dev/null
wait_parcelo_exit
