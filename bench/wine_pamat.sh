#!/usr/bin/env bash
# The memory of Zentrivo.exe after one ENTER on a large virtual display (10240 x 5760 unless given)
# showing the sample desktop tiled over it: prints the process's peak resident size (VmHWM) and peak
# address space (VmPeak) before and after, and the search's time to Stredy.txt. Usage:
#   bench/wine_pamat.sh WINDOWS_BUILD_DIR [WIDTH HEIGHT]
set -euo pipefail
ZENTRIVO_WIN_BUILD=$(realpath "${1:?usage: bench/wine_pamat.sh WINDOWS_BUILD_DIR [WIDTH HEIGHT]}")
. "$(dirname "$0")/../tools/postroj.sh"
ZV_LOGY=$ZV_STROM/bench-pamat
zv_displej "${2:-10240}" "${3:-5760}"
zv_prefix "$ZV_LOGY/prefix"
zv_vzorova_plocha "$ZV_LOGY/plocha.png" 1024 768
zv_plocha "$ZV_LOGY/plocha.png"
rm -rf "$ZV_LOGY/pracovny" && mkdir -p "$ZV_LOGY/pracovny"
zv_spusti "$ZV_STROM/Zentrivo.exe" "$ZV_LOGY/pracovny"
zv_okno " Objekty" 60 >/dev/null
sleep 2
[ "$(cat /proc/$ZV_PID/comm)" = Zentrivo.exe ] || { echo "process $ZV_PID is not Zentrivo.exe" >&2; exit 1; }
pamat() { awk '/^(VmPeak|VmHWM):/ { printf "%s %.0f MB  ", $1, $2 / 1024 }' /proc/$ZV_PID/status; }
echo "${ZV_SIRKA} x ${ZV_VYSKA}, before ENTER: $(pamat)"
t=$(date +%s.%N)
xdotool key Return
zv_cakaj 300 test -f "$ZV_LOGY/pracovny/Stredy.txt"
t2=$(date +%s.%N)
sleep 1
echo "${ZV_SIRKA} x ${ZV_VYSKA}, after one ENTER: $(pamat)"
echo "Stredy.txt after $(awk -v t=$t -v t2=$t2 'BEGIN { printf "%.1f", t2 - t }') s, $(wc -l <"$ZV_LOGY/pracovny/Stredy.txt") centres"
xdotool key Escape
zv_cakaj_koniec 20
