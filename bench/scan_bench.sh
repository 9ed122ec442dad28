#!/usr/bin/env bash
# Times zentrivo-scan as scripts run it, whole processes, with hyperfine on a 1920 x 1080 Xvfb display
# that shows the benchmark's text page:
#   1. --screen against `xwd -root -silent`, which only copies the same screen (x11-apps);
#   2. -j 2 against -j 1 over eight 1080p screenshots;
#   3. with a Windows build tree given, zentrivo-scan.exe --screen under Wine.
# Usage, after the native build (and the Windows one for 3):
#   bench/scan_bench.sh [WINDOWS_BUILD_DIR [RUNS]]     e.g. bench/scan_bench.sh build/windows64
# Every process started here is ended on exit; the Wine prefix is the build tree's own.
set -euo pipefail
cd "$(dirname "$0")/.."
STROM_WIN="${1:-}"
BEHOV="${2:-30}"
SCAN="$PWD/build/native/search/zentrivo-scan"
SCENA="$PWD/build/native/bench/zentrivo_scena_png"
for p in "$SCAN" "$SCENA"; do [ -x "$p" ] || { echo "no $p: build the native tree first" >&2; exit 2; }; done
for p in hyperfine xwd Xvfb display; do command -v "$p" >/dev/null || { echo "needs $p" >&2; exit 2; }; done
LOGY="$PWD/build/native/bench-scan"
mkdir -p "$LOGY"

xvfb_pid="" drzac_pid="" server=""
upratanie() {
  local rc=$?
  set +e
  [ -n "$drzac_pid" ] && kill "$drzac_pid" 2>/dev/null
  [ -n "$server" ] && wineserver -k 2>/dev/null  # this prefix's server and its programs only
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  exit "$rc"
}
trap upratanie EXIT INT TERM

cakaj() {  # seconds, command...: runs the command every 0.1 s until it succeeds
  local kroky=$(($1 * 10))
  shift
  until "$@" >/dev/null 2>&1; do
    kroky=$((kroky - 1))
    [ "$kroky" -gt 0 ] || return 1
    sleep 0.1
  done
}

# Eight screenshots: the five scenes, and three of them again under other names.
obrazy=()
for s in text tiles white_page half_noise gradients text2 tiles2 half_noise2; do
  "$SCENA" "${s%2}" 1920 1080 "$LOGY/$s.png"
  obrazy+=("$LOGY/$s.png")
done

# -noreset: the root keeps its picture between the timed processes.
: >"$LOGY/displej"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$LOGY/displej" >"$LOGY/xvfb.log" 2>&1 &
xvfb_pid=$!
cakaj 20 test -s "$LOGY/displej" || { echo "Xvfb did not start, see $LOGY/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$LOGY/displej")"
display -window root "$LOGY/text.png" || true  # exits with 1 even when it painted the root
"$SCAN" --time --screen >/dev/null

echo "== 1. the live screen, 1920 x 1080"
hyperfine -N --warmup 5 --runs "$BEHOV" --export-markdown "$LOGY/obrazovka.md" \
  "$SCAN --screen" "xwd -root -silent -out /dev/null"

echo "== 2. eight 1080p screenshots"
hyperfine -N --warmup 2 --runs "$((BEHOV / 3 + 1))" --export-markdown "$LOGY/vlakna.md" \
  "$SCAN -j 1 ${obrazy[*]}" "$SCAN -j 2 ${obrazy[*]}"

[ -n "$STROM_WIN" ] || exit 0
echo "== 3. zentrivo-scan.exe --screen under Wine, 1920 x 1080"
. tools/wine_rezim.sh
STROM_WIN="$(realpath "$STROM_WIN")"
EXE="$STROM_WIN/zentrivo-scan.exe"
DRZAC="$STROM_WIN/tests/win_drzac_plochy.exe"
for p in "$EXE" "$DRZAC"; do [ -f "$p" ] || { echo "no $p: build the Windows tree with its tests" >&2; exit 2; }; done
export WINEPREFIX="$STROM_WIN/wineprefix-bench"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Making the Wine prefix $WINEPREFIX"
  wineboot -i >"$LOGY/wineboot.log" 2>&1
  wineserver -w
fi
wineserver -p
server=1
# Wine's desktop process clears the root window when it starts: keep it up, then show the picture.
wine "$DRZAC" >"$LOGY/drzac.log" 2>&1 &
drzac_pid=$!
cakaj 60 grep -q '^desktop' "$LOGY/drzac.log" || { echo "Wine's desktop did not start" >&2; exit 1; }
display -window root "$LOGY/text.png" || true
sleep 2
wine "$EXE" --time --screen >/dev/null
hyperfine -N --warmup 3 --runs "$BEHOV" --export-markdown "$LOGY/wine.md" "wine $EXE --screen"
