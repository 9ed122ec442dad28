#!/usr/bin/env bash
# zentrivo-scan --screen on a headless sway (the screencopy of a wlroots compositor): on one output it
# finds what the scan of grim's capture finds, as do --watch and --until, the output turned and flipped too; with a second output
# left of the first, the list, every position in the desktop's coordinates, --monitor 2, and an object
# across the seam kept whole, as in one picture of the whole desktop, also when one output is scaled.
# No compositor: exit 2, one line.
# Usage: scan_wayland.sh ZENTRIVO_SCAN PICTURE DIRECTORY
. "$(dirname "$0")/../tools/postroj.sh"
scan=$1 obraz=$2 ZV_LOGY=$3
rm -rf "$ZV_LOGY" && mkdir -p "$ZV_LOGY" && cd "$ZV_LOGY" || exit 1
unset DISPLAY

zv_sway "$obraz" || exit 1
grim -o HEADLESS-1 zachyt.png
"$scan" --fill 50 --min 5 --rects zachyt.png >zo_snimky
"$scan" --fill 50 --min 5 --rects --time --screen >z_obrazovky 2>cas
check "grim's capture: objects found" test -s zo_snimky
check "--screen finds the same" diff zo_snimky z_obrazovky
check "screencopy used" grep -q '^screen: .* (screencopy, 1024 x 768)$' cas || cat cas
# The watch and the wait read the compositor too, never the X display.
"$scan" --fill 50 --min 5 --rects --screen --watch --timeout 0.5 >sledovane
check "--watch: the first search's objects" diff <(sed 's/^/+/' zo_snimky) sledovane
check "--until: the objects" eval '"$scan" --fill 50 --min 5 --rects --screen --until 1 --timeout 5 | diff zo_snimky -'
# A turned or flipped output: the compositor copies it unturned, grim and the search turn it as shown.
stejne() { cmp -s <(grim -t ppm - | "$scan" --fill 50 --min 5 --rects -) <("$scan" --fill 50 --min 5 --screen --rects); }
for t in 90 flipped-270 180 normal; do
  swaymsg output HEADLESS-1 transform $t >/dev/null
  check "transform $t: what grim's capture gives" zv_cakaj 5 stejne
done

# HEADLESS-2, 400 x 300, at (-400, 0): a square of its own and half of one whose other half is on
# HEADLESS-1. The desktop as one picture: the gap below HEADLESS-2 shows no grey.
convert -size 400x300 xc:white -fill black -draw 'rectangle 50,50 99,99' -draw 'rectangle 350,100 399,159' lavy.png
convert -size 1024x768 xc:white -fill black -draw 'rectangle 0,100 59,159' -draw 'rectangle 300,300 379,379' pravy.png
convert -size 1424x768 xc:red lavy.png -composite pravy.png -geometry +400+0 -composite cela.png
nutne "two outputs" eval 'zv_sway_vystup lavy.png -400 0 && zv_sway_pozadie HEADLESS-1 pravy.png'
"$scan" --rects cela.png | awk -F, -v OFS=, '{ print $1 - 400, $2, $3 - 400, $4, $5 - 400, $6 }' >plocha
"$scan" --list-monitors | jq -c '[.monitor, .name, .x, .y, .width, .height]' >zoznam
check "--list-monitors: both outputs" diff - zoznam <<'KONIEC'
[1,"HEADLESS-1",0,0,1024,768]
[2,"HEADLESS-2",-400,0,400,300]
KONIEC
"$scan" --screen --rects >vsetky
check "the desktop's objects, the one across the seam whole" diff plocha vsetky
"$scan" --screen --rects --monitor 2 >druhy
check "--monitor 2: the one centred there" diff <(awk -F, '$1 < 0' plocha) druhy
"$scan" --rects --exclude 0,0,399,299 cela.png | awk -F, -v OFS=, '{ print $1 - 400, $2, $3 - 400, $4, $5 - 400, $6 }' >bez
check "--exclude in the desktop's coordinates" eval '"$scan" --screen --rects --exclude -400,0,-1,299 | diff bez -'

# HEADLESS-1 at scale 2: the layout's units are its physical pixels, HEADLESS-2 lies at (-800, 0), and
# no frame covers another; the object across the former seam is now two.
swaymsg output HEADLESS-1 scale 2 >/dev/null && zv_cakaj 10 zv_vystup_ukazuje HEADLESS-1 pravy.png
convert -size 1824x768 xc:red lavy.png -composite pravy.png -geometry +800+0 -composite cela2.png
"$scan" --rects cela2.png | awk -F, -v OFS=, '{ print $1 - 800, $2, $3 - 800, $4, $5 - 800, $6 }' >plocha2
check "scale 2: the monitors in physical pixels" [ "$("$scan" --list-monitors | jq -c '[.x, .width, .scale]' | tr -d '\n')" = \
  "[0,1024,2][-800,400,1]" ]
check "scale 2: the desktop's objects" eval '"$scan" --screen --rects | diff plocha2 -'

check "no compositor: exit 2, one line" \
  eval '! WAYLAND_DISPLAY=ziadny "$scan" --screen=wayland 2>err && [ "$(wc -l <err)" = 1 ] && grep -q ziadny err'
vysledok
