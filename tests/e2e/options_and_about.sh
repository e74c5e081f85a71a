#!/usr/bin/env bash
# The options dialog from the button: its controls as designed, then a user folder typed and confirmed; the
# main window moves there. From the menu it opens again as it was left, and Cancel stores what was typed
# since. "ﾊﾞｰｼﾞｮﾝ情報&V" shows the About box as designed, with the version and copyright of the program's
# version record and the two addresses, which the Tab key never reaches; OK closes it. After exit Data.ini
# holds the folder confirmed.
. "$(dirname "$0")/lib.sh"

mkdir -p "$work/私の送る先"
folder="$win_work\\私の送る先"
start_parcelo
drv press frmMain.cmdOpt
drv controls frmOpt >"$log/options.tsv"
grep -v '^#' "$e2e_dir/expected/options_dialog_controls.tsv" | diff -u - "$log/options.tsv" >&2 ||
  fail "the dialog's controls differ from the design (- design, + dialog)"
screenshot options_dialog.png frmOpt

drv press frmOpt.optUpath
drv set-text frmOpt.txtPath "$folder" >/dev/null
drv press frmOpt.cmdOK
drv wait-gone frmOpt
wait_until "the folder list at the folder confirmed" \
  prints "$(printf '%s\n' 'c:\' e2e "$scenario" 私の送る先)" drv items frmMain.dirDir

# The menu item shows the same dialog, as it was left: the user option with the folder.
drv command frmMain.mnuOpt
expect_equal "パス指定(&P) selected" 1 "$(drv checked frmOpt.optUpath)"
expect_equal "the path box" "$folder|VET" "$(drv controls frmOpt | awk -F'\t' '$1 == "frmOpt.txtPath" { print $3 "|" $9 }')"
drv set-text frmOpt.txtPath "$win_work" >/dev/null
drv press frmOpt.cmdCan
drv wait-gone frmOpt

# The record's values, from the header the executable's version resource is built from.
record() { sed -n "s/^#define PARCELO_$1 \"\{0,1\}\([^\"]*\)\"\{0,1\}\$/\1/p" "$e2e_dir/../../src/core/version_info.h"; }
version="Parcelo Version$(record VERSION_MAJOR).$(record VERSION_MINOR)$(record VERSION_REVISION)"
drv command frmMain.mnuVer
# The listing without the record's texts, which are the header's, not the design file's.
drv wait-text frmAbout "$version" |
  sed "s/\t$version\t/\tVERSION\t/; s/\t$(record COPYRIGHT)\t/\tCOPYRIGHT\t/" >"$log/about.tsv"
grep -v '^#' "$e2e_dir/expected/about_box_controls.tsv" | diff -u - "$log/about.tsv" >&2 ||
  fail "the box's controls differ from the design (- design, + box)"
expect_equal "client area of the box (width, height in twips)" $'5535\t1725' "$(drv client frmAbout | cut -f1,2)"
screenshot about_box.png frmAbout
drv press frmAbout.cmdOK
drv wait-gone frmAbout

placement=$(placement_fields)
close_parcelo
expect_data_ini "\"$folder\",\"$folder\",$placement,0,0"
