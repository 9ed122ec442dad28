#!/usr/bin/env bash
# zentrivo-scan --screen on a virtual display whose root window shows a known picture: it finds what
# the scan of a screenshot of that display finds, through shared memory and, on a server without
# the MIT-SHM extension, through XGetImage; and on displays 30 and 16 bits deep, whose channels are
# not 8 bits. Usage: scan_obrazovka.sh ZENTRIVO_SCAN PICTURE DIRECTORY
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

# Greys at the bottom and the top of every band (0, 31, 32, 63, ... 255) on a 30- and a 16-bit screen,
# painted by ImageMagick's display: --screen finds, band by band, what the scan of import's screenshot
# (16-bit samples) finds, and at 30 bits what the picture itself holds.
sede=() x=10
for g in 0 31 32 63 64 95 96 127 128 159 160 191 192 223 224 255; do
  sede+=(-fill "rgb($g,$g,$g)" -draw "rectangle $x,10 $((x + 19)),29") x=$((x + 30))
done
convert -size 500x40 xc:'#3a6e96' +antialias "${sede[@]}" sede.png || exit 1
pasma() {  # pasma FILE-OR--screen: the objects of each band, under its number
  for pasmo in 0 1 2 3 4 5 6 7; do echo "band $pasmo" && "$scan" --band $pasmo --min 5 --fill 50 --rects "$1"; done
}
for hlbka in 30 16; do
  ZV_HLBKA=$hlbka zv_displej 500 40 || exit 1
  display -window root sede.png
  import -window root "snimka$hlbka.png"
  pasma "snimka$hlbka.png" >"zo_snimky$hlbka" && pasma --screen >"z_obrazovky$hlbka"
  check "depth $hlbka: the screenshot's search finds objects" grep -q '^[0-9]' "zo_snimky$hlbka"
  check "depth $hlbka: --screen finds the same" cmp -s "zo_snimky$hlbka" "z_obrazovky$hlbka" ||
    diff "zo_snimky$hlbka" "z_obrazovky$hlbka"
done
check "depth 30: --screen finds every grey in its band" cmp -s <(pasma sede.png) z_obrazovky30
vysledok
