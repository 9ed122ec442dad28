# An 8192 x 4608 screen (OBRAZOVKA="W H" for another, as e2e_10k.sh), the sample desktop tiled over
# it: ENTER finds every object, and Stredy.txt holds what the scan command finds on a screenshot of that
# screen with the window's rectangle left out. Prints the time to Stredy.txt and the memory the search
# took: the program's peak address space (VmPeak) and peak resident size (VmHWM) before and after.
. "$(dirname "$0")/pomoc.sh"
dlazdica() { zv_vzorova_plocha "$1" 1024 768; } # one tile; zv_plocha tiles it over the screen
zaciatok ${OBRAZOVKA:-8192 4608} dlazdica

nutne "window appears" spusti
pamat() { awk '/^(Name|VmPeak|VmHWM):/ { printf "%s %s  ", $1, $3 ? int($2 / 1024) " MB" : $2 }' /proc/$ZV_PID/status; }
echo "  before ENTER: $(pamat)"
zaciatok_s=$(date +%s.%N)
nutne "ENTER: Stredy.txt written" hladaj 120
awk -v t="$zaciatok_s" -v t2="$(date +%s.%N)" 'BEGIN { printf "  Stredy.txt after %.1f s\n", t2 - t }'
echo "  after ENTER: $(pamat)"
import -window root "$VYSTUP/obrazovka.png"
ocakavane "$VYSTUP/obrazovka.png"
n=$(grep -c , "$VYSTUP/ocakavane.txt")
check "the scan finds objects all over the screen ($n, the last at $(tail -n1 "$VYSTUP/ocakavane.txt"))" [ "$n" -ge $((ZV_SIRKA * ZV_VYSKA / 200000)) ]
check "Stredy.txt holds the scan's $n centres" subory_rovnake "$PRAC/Stredy.txt" "$VYSTUP/ocakavane.txt"
koniec Escape ESC
vysledok
