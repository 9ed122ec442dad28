#!/usr/bin/env bash
# zentrivo-scan --screen on a virtual display whose root window shows a known picture: it finds what
# the scan of a screenshot of that display finds, through shared memory and, on a server without
# the MIT-SHM extension, through XGetImage. Usage: scan_obrazovka.sh ZENTRIVO_SCAN PICTURE DIRECTORY
set -uo pipefail
. "$(dirname "$0")/../tools/postroj.sh"
scan=$1 obraz=$2 ZV_LOGY=$3
rm -rf "$ZV_LOGY" && mkdir -p "$ZV_LOGY" && cd "$ZV_LOGY" || exit 1

# 740 rows: the last strip of 64 rows read overlaps the one before it.
for sposob in XShmGetImage "XGetImage -extension MIT-SHM"; do
  read -r sposob xvfb <<<"$sposob"
  zv_displej 1030 740 $xvfb && zv_plocha "$obraz" || exit 1
  import -window root koren.png
  "$scan" --fill 50 --min 5 --rects koren.png >zo_snimky
  "$scan" --fill 50 --min 5 --rects --time --screen >z_obrazovky 2>cas
  "$scan" --fill 50 --min 5 --json --screen >json
  check "$sposob: the screenshot's search finds objects" test -s zo_snimky
  check "$sposob: --screen finds the same" cmp -s zo_snimky z_obrazovky || diff zo_snimky z_obrazovky
  check "$sposob: used" grep -q "^screen: .* ($sposob, 1030 x 740)\$" cas || cat cas
  check "$sposob: one JSON line an object, saying how" \
    [ "$(grep -c '^{"image": "screen", .*"capture": "'"$sposob"'"}$' json)" = "$(wc -l <zo_snimky)" ] || cat json
done
vysledok
