#!/usr/bin/env bash
# At 120 and 144 dots per inch the window is laid out in the same twips as at 96, within a pixel,
# its text in a font of that size.
. "$(dirname "$0")/lib.sh"

set_dpi() {
  "$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
    fail "cannot set the display to $1 dpi"
}
# The session's later scenarios run at 96 dpi, however this one ends.
trap 'set_dpi 96' EXIT

for dpi in 120 144; do
  set_dpi "$dpi"
  start_parcelo
  expect_equal "the window's dpi" "$dpi" "$(drv dpi Parcelo)"
  read -r client_width client_height _ <<<"$(drv client Parcelo)"
  main_controls >"$work/log/controls-$dpi.found"
  drive_height=$(awk -F'\t' '$1 == 1011 { print $7 }' "$work/log/controls-$dpi.found")
  laid_out_controls "$client_width" "$client_height" "$drive_height" >"$work/log/controls-$dpi.expected"
  # One pixel, rounded up to whole twips: the design's twips fall between pixels.
  control_differences "$work/log/controls-$dpi.expected" "$work/log/controls-$dpi.found" $(((1440 + dpi - 1) / dpi)) >&2 ||
    fail "the controls at $dpi dpi differ from the design"
  read -r _ _ outer_width outer_height <<<"$(drv rect Parcelo)"
  drv move Parcelo 0 0 "$outer_width" "$outer_height" >/dev/null  # the whole window on the screen
  screenshot "main_window_${dpi}dpi.png"
  drv close Parcelo >/dev/null
  wait_parcelo_exit
done
