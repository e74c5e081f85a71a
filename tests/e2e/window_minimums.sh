#!/usr/bin/env bash
# Dragged lower than 3000 twips or narrower than the button strip, the window snaps back to the minimum,
# and the lists and the view are laid out for the size it ends at.
. "$(dirname "$0")/lib.sh"

start_parcelo
expect_equal "after dragging to 2500 high" $'1500\t1500\t9000\t3000' "$(drv drag Parcelo 1500 1500 9000 2500)"
read -r _ _ width _ <<<"$(drv drag Parcelo 1500 1500 6000 6000)"
expect_equal "width after dragging to 6000 wide" 7335 "$width"

read -r client_width client_height _ <<<"$(drv client Parcelo)"
controls=$(drv controls Parcelo)
view=$(awk -F'\t' '$1 == 1001 && $8 == 0 { print $4, $5, $6, $7 }' <<<"$controls")
expect_equal "folder view (left, top, width, height)" "1815 900 $((client_width - 1815)) $((client_height - 900))" "$view"
read -r drive_top drive_height <<<"$(awk -F'\t' '$1 == 1011 { print $5, $7 }' <<<"$controls")"
list=$(awk -F'\t' '$1 == 1000 && $8 == 0 { print $5, $7 }' <<<"$controls")
expect_equal "drive list top" 900 "$drive_top"
expect_equal "folder list (top, height)" "$((900 + drive_height)) $((client_height - 900 - drive_height))" "$list"
drv close Parcelo >/dev/null
wait_parcelo_exit
