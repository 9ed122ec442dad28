#!/usr/bin/env bash
# Runs a command (the Windows tests) under the conditions they need: an Xvfb display, a private
# WINEPREFIX made on first use, one persistent wineserver for the run, Wine's desktop process kept up
# by a holder program, and tests/data/win_plocha.png on the X root window. Every background process
# started here is ended on exit, failure included. Usage: tools/wine_testy.sh ctest --preset windows
# (windows64 where the kernel runs no 32-bit programs, see tools/wine_rezim.sh; a developer's own
# build tree: ZENTRIVO_WIN_BUILD=build/me-win tools/wine_testy.sh ctest --test-dir build/me-win)
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/wine_rezim.sh

# The test presets give the tests the same prefix: build/wineprefix, or build/wineprefix64.
if [ "$ZV_WIN_PRESET" = windows ]; then
  export WINEPREFIX="$PWD/build/wineprefix"
else
  export WINEPREFIX="$PWD/build/wineprefix64"
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
DRZAC="${ZENTRIVO_WIN_BUILD:-build/$ZV_WIN_PRESET}/tests/win_drzac_plochy.exe"
OBRAZ=tests/data/win_plocha.png
LOGY=build/wine-logy
mkdir -p "$LOGY"

xvfb_pid="" drzac_pid="" server="" prikaz_pid=""
upratanie() {
  local rc=$?
  set +e
  [ -n "$prikaz_pid" ] && kill "$prikaz_pid" 2>/dev/null
  [ -n "$drzac_pid" ] && kill "$drzac_pid" 2>/dev/null
  # Ends every Wine process of this prefix, and the server itself.
  [ -n "$server" ] && wineserver -k 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  exit "$rc"
}
trap upratanie EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

cakaj() {  # seconds, command...: runs the command every 0.1 s until it succeeds
  local kroky=$(($1 * 10))
  shift
  until "$@" >/dev/null 2>&1; do
    kroky=$((kroky - 1))
    [ "$kroky" -gt 0 ] || return 1
    sleep 0.1
  done
}

# The server picks a free display number itself and writes it to descriptor 3.
: >"$LOGY/displej"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$LOGY/displej" >"$LOGY/xvfb.log" 2>&1 &
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

# Wine's desktop process clears the root window when it starts and ends with the last Wine program,
# so the holder keeps it up while the picture is shown and the tests run.
wine "$DRZAC" >"$LOGY/drzac.log" 2>&1 &
drzac_pid=$!
cakaj 60 grep -q '^desktop' "$LOGY/drzac.log" || { echo "Wine's desktop did not start" >&2; exit 1; }

# display exits with 1 even when it has painted the root, so the root is compared with the picture.
for pokus in 1 2 3; do
  display -window root "$OBRAZ" || true
  import -window root "$LOGY/koren.png"
  rozdiel=$(compare -metric AE "$OBRAZ" "$LOGY/koren.png" null: 2>&1 || true)
  [ "$rozdiel" = "0" ] && break
  echo "the root window differs from $OBRAZ in $rozdiel pixels (try $pokus)" >&2
  sleep 1
done

# In the background, so that a signal reaches the clean-up at once rather than after the command.
"$@" &
prikaz_pid=$!
wait "$prikaz_pid"
prikaz_pid=""
