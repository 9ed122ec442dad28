# An 8192 x 4608 screen (OBRAZOVKA="W H" for another, as e2e_10k.sh), the sample desktop tiled over
# it: ENTER finds every object, and Stredy.txt holds what the scan command finds on a screenshot of that
# screen with the window's rectangle left out.
. "$(dirname "$0")/pomoc.sh"
# One 1024 x 768 tile of the sample desktop; zv_plocha tiles it over the screen.
dlazdica() { zv_vzorova_plocha "$1" 1024 768; }
zaciatok ${OBRAZOVKA:-8192 4608} dlazdica

nutne "window appears" spusti
zv_geometria "$OKNO"
zaciatok_s=$(date +%s.%N)
xdotool key Return
nutne "ENTER: Stredy.txt written" zv_cakaj 120 test -f "$PRAC/Stredy.txt"
awk -v t="$zaciatok_s" -v t2="$(date +%s.%N)" 'BEGIN { printf "  Stredy.txt after %.1f s\n", t2 - t }'
import -window root "$VYSTUP/obrazovka.png"
"$SCAN" "$VYSTUP/obrazovka.png" --exclude "$(vylucene)" >"$VYSTUP/ocakavane.txt"
n=$(grep -c , "$VYSTUP/ocakavane.txt")
check "the scan finds objects all over the screen ($n, the last at $(tail -n1 "$VYSTUP/ocakavane.txt"))" [ "$n" -ge $((ZV_SIRKA * ZV_VYSKA / 200000)) ]
check "Stredy.txt holds the scan's $n centres" subory_rovnake "$PRAC/Stredy.txt" "$VYSTUP/ocakavane.txt"
koniec Escape ESC
vysledok
