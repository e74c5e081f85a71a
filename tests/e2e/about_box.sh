#!/usr/bin/env bash
# "ﾊﾞｰｼﾞｮﾝ情報&V" shows the About box with the version and copyright of the version record and the two
# addresses, which the Tab key never reaches; OK closes it, and so does its close box the next time.
. "$(dirname "$0")/lib.sh"

start_parcelo
drv command Parcelo 2011
drv wait-text バージョン情報 'Parcelo Version0.24' >"$work/log/about.tsv"
client=$(drv client バージョン情報)
read -r width height _ <<<"$client"
expect_equal "client area of the box (width, height in twips)" "5535 1725" "$width $height"
grep -q $'\tCopyright (C) 2026 Quorval\t' "$work/log/about.tsv" || fail "no copyright line: $(cat "$work/log/about.tsv")"
for address in http://example.com parcelo@example.com; do
  flags=$(awk -F'\t' -v a="$address" '$2 == "Edit" && $3 == a { print $9 }' "$work/log/about.tsv")
  expect_equal "address box $address (visible, enabled, no tab stop)" VE- "$flags"
done
screenshot about_box.png バージョン情報
drv press バージョン情報 OK
drv wait-gone バージョン情報

drv command Parcelo 2011
drv wait-text バージョン情報 'Parcelo Version0.24' >/dev/null
drv close バージョン情報 >/dev/null
drv wait-gone バージョン情報
drv close Parcelo >/dev/null
wait_parcelo_exit
