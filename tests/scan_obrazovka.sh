#!/usr/bin/env bash
# zentrivo-scan --screen on a virtual display whose root window shows a known picture: it finds what
# the scan of a screenshot of that display finds, through shared memory and, on a server without
# the MIT-SHM extension, through XGetImage. Usage: scan_obrazovka.sh ZENTRIVO_SCAN PICTURE DIRECTORY
set -euo pipefail
scan=$1 obraz=$2
. "$(dirname "$0")/../tools/postroj.sh"
ZV_LOGY=$3
rm -rf "$ZV_LOGY"
mkdir -p "$ZV_LOGY"
cd "$ZV_LOGY"
chyby=0

# 740 rows: the last strip of 64 rows read overlaps the one before it.
for sposob in XShmGetImage XGetImage; do
  if [ "$sposob" = XShmGetImage ]; then zv_displej 1030 740; else zv_displej 1030 740 -extension MIT-SHM; fi
  zv_plocha "$obraz"
  import -window root koren.png
  "$scan" --fill 50 --min 5 --rects koren.png >zo_snimky
  "$scan" --fill 50 --min 5 --rects --time --screen >z_obrazovky 2>cas
  "$scan" --fill 50 --min 5 --json --screen >json
  if [ ! -s zo_snimky ] || ! cmp -s zo_snimky z_obrazovky; then
    echo "$sposob: --screen found"; cat z_obrazovky; echo "the screenshot"; cat zo_snimky; chyby=1
  fi
  grep -q "^screen: .* ($sposob, 1030 x 740)\$" cas || { echo "$sposob was not used:"; cat cas; chyby=1; }
  [ "$(grep -c '^{"image": "screen", ' json)" = "$(wc -l <zo_snimky)" ] || { echo "JSON:"; cat json; chyby=1; }
  kill "$ZV_XVFB"
  wait "$ZV_XVFB" 2>/dev/null || true
  ZV_XVFB=""
done
[ "$chyby" = 0 ] && echo "--screen equals the screenshot's search, both ways of reading the screen"
exit "$chyby"
