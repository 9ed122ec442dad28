#!/usr/bin/env bash
# zentrivo-scan's monitors on a virtual X display cut into two RandR monitors side by side: the list,
# --monitor by number and name, every position in the desktop's coordinates, an object across the
# seam kept whole, and the root window as the one monitor of a server without RandR.
# Usage: scan_monitory.sh ZENTRIVO_SCAN DIRECTORY
. "$(dirname "$0")/../tools/postroj.sh"
scan=$1 ZV_LOGY=$2
rm -rf "$ZV_LOGY" && mkdir -p "$ZV_LOGY" && cd "$ZV_LOGY" || exit 1

# One square on each monitor and one across the seam at x = 500, whose centre lies on the second.
convert -size 1000x400 xc:white -fill black -draw 'rectangle 100,100 199,199' -draw 'rectangle 470,250 539,319' \
  -draw 'rectangle 800,50 879,129' plocha.png
zv_displej 1000 400 && zv_plocha plocha.png && zv_monitory "L 500x400+0+0" "P 500x400+500+0" || exit 1
"$scan" --rects plocha.png >cela
check "the picture has three objects" [ "$(wc -l <cela)" = 3 ]
"$scan" --list-monitors >zoznam
check "--list-monitors gives both" diff - zoznam <<'KONIEC'
{"monitor": 1, "name": "L", "primary": false, "x": 0, "y": 0, "width": 500, "height": 400, "scale": 1}
{"monitor": 2, "name": "P", "primary": false, "x": 500, "y": 0, "width": 500, "height": 400, "scale": 1}
KONIEC
"$scan" --screen --rects --monitor 2 >m2
"$scan" --screen --rects --monitor P >p
check "--monitor 2: the objects centred there, the one across the seam whole" diff <(awk -F, '$1 >= 500' cela) m2
check "--monitor by name" cmp -s m2 p
"$scan" --screen --json >json
check "--json: each object's monitor" diff <(awk -F, '{print $1 "," ($1 < 500 ? 1 : 2)}' cela) \
  <(jq -r '"\(.x),\(.monitor)"' json)
check "no such monitor: exit 2, one line" eval '! "$scan" --screen --monitor 3 2>err && [ "$(wc -l <err)" = 1 ]'

zv_displej 1000 400 -extension RANDR && zv_plocha plocha.png || exit 1
check "no RandR: the root is the one monitor" \
  [ "$("$scan" --list-monitors | jq -c '[.x, .y, .width, .height]')" = "[0,0,1000,400]" ]
check "no RandR: --monitor 1 is the whole screen" eval '"$scan" --screen --rects --monitor 1 | cmp -s cela -'
vysledok
