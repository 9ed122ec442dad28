#!/usr/bin/env bash
# The idle cost of cursor tracking under Wine: the CPU time that Zentrivo.exe and its prefix's wineserver
# use over SECONDS (15), as a share of one core, on a 1280 x 1024 sample desktop with the pointer still.
# The last argument is the "InfoKurzor" byte the program starts with (00: tracking off, for comparison).
set -euo pipefail
ZENTRIVO_WIN_BUILD=$(realpath "${1:?usage: bench/wine_sledovanie.sh WINDOWS_BUILD_DIR [SECONDS] [01|00]}")
. "$(dirname "$0")/../tools/postroj.sh"
ZV_LOGY=$ZV_STROM/bench-sledovanie
zv_postroj 1280 1024 zv_vzorova_plocha
wine reg add 'HKCU\Software\Zentrivo' /v InfoKurzor /t REG_BINARY /d "${3:-01}" /f >/dev/null 2>&1
xdotool mousemove 700 700
zv_zentrivo "$ZV_LOGY/pracovny"
sleep 3 # start-up done, the first pictures painted
[ "$(cat /proc/$ZV_PID/comm)" = Zentrivo.exe ] || { echo "process $ZV_PID is not Zentrivo.exe" >&2; exit 1; }
# The prefix's wineserver works in a folder named after the prefix's device and inode.
server=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
for p in $(pgrep wineserver); do case $(readlink /proc/$p/cwd) in */$server) server=$p ;; esac; done
cas() { awk '{ print $14 + $15 }' /proc/$1/stat; } # user + system time, in clock ticks
a=$(cas $ZV_PID) s=$(cas $server) t=$(date +%s.%N)
sleep "${2:-15}"
b=$(cas $ZV_PID) s2=$(cas $server) t2=$(date +%s.%N)
awk -v a=$a -v b=$b -v s=$s -v s2=$s2 -v t=$t -v t2=$t2 -v k=$(getconf CLK_TCK) -v z="${3:-01}" 'BEGIN {
  d = t2 - t
  printf "InfoKurzor %s, pointer still, %.1f s: Zentrivo.exe %.2f s CPU = %.1f %% of a core; wineserver %.2f s = %.1f %%\n",
    z, d, (b - a) / k, 100 * (b - a) / k / d, (s2 - s) / k, 100 * (s2 - s) / k / d }'
xdotool key Escape
zv_cakaj_koniec 20
