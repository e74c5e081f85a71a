#!/usr/bin/env bash
# "ﾊﾞｰｼﾞｮﾝ情報&V" shows the About box with the version and copyright of the version record and the two
# addresses, which the Tab key never reaches; OK closes it, and so does its close box the next time.
. "$(dirname "$0")/lib.sh"

start_parcelo
drv command frmMain.mnuVer
drv wait-text frmAbout 'Parcelo Version0.24' >"$log/about.tsv"
read -r width height _ <<<"$(drv client frmAbout)"
expect_equal "client area of the box (width, height in twips)" "5535 1725" "$width $height"
about() { awk -F'\t' -v name="frmAbout.$1" '$1 == name { print $2 "|" $3 "|" $9 }' "$log/about.tsv"; }
[[ $(about lblCopyright) == *'|Copyright (C) 2026 Quorval|'* ]] || fail "no copyright line: $(cat "$log/about.tsv")"
# Edit boxes, visible and enabled, without a tab stop.
expect_equal "web address box" 'Edit|http://example.com|VE-' "$(about txtURL)"
expect_equal "mail address box" 'Edit|parcelo@example.com|VE-' "$(about txtMail)"
screenshot about_box.png frmAbout
drv press frmAbout.cmdOK
drv wait-gone frmAbout

drv command frmMain.mnuVer
drv wait-text frmAbout 'Parcelo Version0.24' >/dev/null
screenshot about_box_again.png frmAbout
drv close frmAbout >/dev/null
drv wait-gone frmAbout
close_parcelo
