#!/usr/bin/env bash
# Times zentrivo-scan as scripts run it, whole processes, with hyperfine on a 1920 x 1080 Xvfb display
# that shows the benchmark's text page: 1. --screen against `xwd -root -silent`, which only copies the
# same screen; 2. -j 2 against -j 1 over eight 1080p screenshots; 3. with a Windows build tree given,
# zentrivo-scan.exe --screen under Wine. After the native build (and the Windows one, for 3):
#   bench/scan_bench.sh [WINDOWS_BUILD_DIR [RUNS]]     e.g. bench/scan_bench.sh build/windows64
set -euo pipefail
[ -z "${1:-}" ] || ZENTRIVO_WIN_BUILD=$(realpath "$1")
BEHOV=${2:-30}
. "$(dirname "$0")/../tools/postroj.sh"
SCAN=$ZV_KOREN/build/native/scan/zentrivo-scan SCENA=$ZV_KOREN/build/native/bench/zentrivo_scena_png
for p in "$SCAN" "$SCENA"; do [ -x "$p" ] || { echo "no $p: build the native tree first" >&2; exit 2; }; done
for p in hyperfine xwd; do command -v "$p" >/dev/null || { echo "needs $p (apt-get install hyperfine x11-apps)" >&2; exit 2; }; done
ZV_LOGY=$ZV_KOREN/build/native/bench-scan
zv_displej 1920 1080

# Eight screenshots: the five scenes, and three of them again under other names.
obrazy=()
for s in text tiles white_page half_noise gradients text2 tiles2 half_noise2; do
  "$SCENA" "${s%2}" 1920 1080 "$ZV_LOGY/$s.png" >/dev/null
  obrazy+=("$ZV_LOGY/$s.png")
done
zv_plocha "$ZV_LOGY/text.png"
"$SCAN" --time --screen >/dev/null

echo "== 1. the live screen, 1920 x 1080"
hyperfine -N --warmup 5 --runs "$BEHOV" --export-markdown "$ZV_LOGY/obrazovka.md" \
  "$SCAN --screen" "xwd -root -silent -out /dev/null"
echo "== 2. eight 1080p screenshots"
hyperfine -N --warmup 3 --runs "$BEHOV" --export-markdown "$ZV_LOGY/vlakna.md" \
  "$SCAN -j 1 ${obrazy[*]}" "$SCAN -j 2 ${obrazy[*]}"

[ -n "${ZENTRIVO_WIN_BUILD:-}" ] || exit 0
echo "== 3. zentrivo-scan.exe --screen under Wine, 1920 x 1080"
zv_prefix "$ZV_LOGY/prefix"
zv_plocha "$ZV_LOGY/text.png" # with the holder that keeps Wine's desktop up
sleep 2 # let the desktop settle before timing
EXE=$ZV_STROM/zentrivo-scan.exe
wine "$EXE" --time --screen >/dev/null
hyperfine -N --warmup 3 --runs "$BEHOV" --export-markdown "$ZV_LOGY/wine.md" "wine $EXE --screen"
