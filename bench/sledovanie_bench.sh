#!/usr/bin/env bash
# The figures of zentrivo-scan --watch on a 1920 x 1080 Xvfb display showing the benchmark's text
# page: the latency from a change drawn to the watch's line (20 changes), the searches a second
# while the screen changes all the time, the watch's CPU over SECONDS of a still screen; with a
# Windows build tree, zentrivo-scan.exe --screen --watch under Wine at the default interval, its CPU
# over SECONDS of a still screen. After the native build (and the Windows one):
#   bench/sledovanie_bench.sh [WINDOWS_BUILD_DIR [SECONDS]]     e.g. bench/sledovanie_bench.sh build/windows64
set -euo pipefail
[ -z "${1:-}" ] || ZENTRIVO_WIN_BUILD=$(realpath "$1")
SEKUND=${2:-15}
. "$(dirname "$0")/../tools/postroj.sh"
SCAN=$ZV_KOREN/build/native/scan/zentrivo-scan SCENA=$ZV_KOREN/build/native/bench/zentrivo_scena_png
BENCH=$ZV_KOREN/build/native/bench/zentrivo_bench_sledovanie
for p in "$SCAN" "$SCENA" "$BENCH"; do [ -x "$p" ] || { echo "no $p: build the native tree first" >&2; exit 2; }; done
ZV_LOGY=$ZV_KOREN/build/native/bench-sledovanie
zv_displej 1920 1080
"$SCENA" text 1920 1080 "$ZV_LOGY/text.png" >/dev/null
zv_plocha "$ZV_LOGY/text.png"

echo "== zentrivo-scan --watch, 1920 x 1080"
"$BENCH" "$SCAN" 20 "$SEKUND"

[ -n "${ZENTRIVO_WIN_BUILD:-}" ] || exit 0
echo "== zentrivo-scan.exe --screen --watch under Wine, a still 1920 x 1080 screen, the default interval"
zv_prefix "$ZV_LOGY/prefix"
zv_plocha "$ZV_LOGY/text.png" # with the holder that keeps Wine's desktop up
sleep 2
wine "$ZV_STROM/zentrivo-scan.exe" --screen --watch >"$ZV_LOGY/wine.out" &
pid=$!
ZV_PIDY="$ZV_PIDY $pid"
sleep 3 # started, its first search done
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
a=$(cpu)
sleep "$SEKUND"
b=$(cpu)
echo "still screen: $((b - a)) ticks of $(getconf CLK_TCK) a second in $SEKUND s: $(awk "BEGIN {printf \"%.1f\", 100 * ($b - $a) / $(getconf CLK_TCK) / $SEKUND}") % of a core ($(cat /proc/$pid/comm), /proc/$pid/stat utime + stime)"
