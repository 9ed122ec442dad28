#!/usr/bin/env bash
# Runs the Windows desktop benchmark under Wine on a 1920 x 1080 Xvfb display that shows the test
# desktop picture tiled over it. Needs a Windows build with its tests (the presets build the
# benchmark too), for example:
#   cmake --build --preset windows -j2 && bench/wine_bench.sh build/windows [RUNS] [BAND]
# (build/windows64 where the kernel runs no 32-bit programs, see tools/wine_rezim.sh).
# Every process started here is ended on exit; the Wine prefix is the build tree's own.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/wine_rezim.sh

STROM="$(realpath "${1:?usage: bench/wine_bench.sh WINDOWS_BUILD_DIR [RUNS] [BAND]}")"
BEHOV="${2:-20}"
STUPEN="${3:-4}"
PROGRAM="$STROM/bench/zentrivo_bench_plocha.exe"
DRZAC="$STROM/tests/win_drzac_plochy.exe"
[ -f "$PROGRAM" ] || { echo "no $PROGRAM: build the tree with ZENTRIVO_BENCH on (the default)" >&2; exit 2; }
[ -f "$DRZAC" ] || { echo "no $DRZAC: build the Windows tests too" >&2; exit 2; }

export WINEPREFIX="$STROM/wineprefix-bench"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
LOGY="$STROM/bench-logy"
mkdir -p "$LOGY"
OBRAZ="$LOGY/plocha_1920x1080.png"
convert -size 1920x1080 tile:tests/data/win_plocha.png "$OBRAZ"

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

: >"$LOGY/displej"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$LOGY/displej" >"$LOGY/xvfb.log" 2>&1 &
xvfb_pid=$!
cakaj 20 test -s "$LOGY/displej" || { echo "Xvfb did not start, see $LOGY/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$LOGY/displej")"

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
display -window root "$OBRAZ" || true  # exits with 1 even when it painted the root
sleep 2  # let the desktop settle before timing

wine "$PROGRAM" "$BEHOV" "$STUPEN"
