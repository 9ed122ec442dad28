#!/usr/bin/env bash
# zentrivo-scan --screen on a virtual display whose root window shows a known picture: it finds what
# the scan of a screenshot of that display finds, through shared memory and, on a server without
# the MIT-SHM extension, through XGetImage. Usage: scan_obrazovka.sh ZENTRIVO_SCAN PICTURE DIRECTORY
set -euo pipefail
scan=$1 obraz=$2 adresar=$3
rm -rf "$adresar"
mkdir -p "$adresar"
cd "$adresar"
xvfb_pid=""
trap '[ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true' EXIT
chyby=0

for sposob in XShmGetImage XGetImage; do
  volby=()
  [ "$sposob" = XGetImage ] && volby=(-extension MIT-SHM)
  # -noreset: the root keeps its picture when the last client leaves.
  : >displej
  Xvfb -displayfd 3 -screen 0 1030x740x24 -nolisten tcp -noreset "${volby[@]}" 3>displej >xvfb.log 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s displej ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 displej)"
  display -window root "$obraz" >/dev/null 2>&1 || true  # exits 1 after painting the root
  import -window root snimka.png

  "$scan" --fill 50 --rects snimka.png >zo_snimky
  "$scan" --fill 50 --rects --time --screen >z_obrazovky 2>cas
  "$scan" --fill 50 --json --screen >json
  if [ ! -s zo_snimky ] || ! cmp -s zo_snimky z_obrazovky; then
    echo "$sposob: --screen found"; cat z_obrazovky; echo "the screenshot"; cat zo_snimky; chyby=1
  fi
  grep -q "^screen: .* ($sposob, 1030 x 740)\$" cas || { echo "$sposob was not used:"; cat cas; chyby=1; }
  [ "$(grep -c '^{"image": "screen", ' json)" = "$(wc -l <zo_snimky)" ] || { echo "JSON:"; cat json; chyby=1; }
  kill "$xvfb_pid"
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
done
[ "$chyby" = 0 ] && echo "--screen equals the screenshot's search, both ways of reading the screen"
exit "$chyby"
