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
  expect_equal "the window's dpi" "$dpi" "$(drv window frmMain | cut -f9)"
  # One pixel, rounded up to whole twips: the design's twips fall between pixels.
  expect_layout $(((1440 + dpi - 1) / dpi))
  read -r _ _ outer_width outer_height _ <<<"$(drv window frmMain)"
  drv move frmMain 0 0 "$outer_width" "$outer_height" >/dev/null  # the whole window on the screen
  screenshot "main_window_${dpi}dpi.png"
  close_parcelo
done
