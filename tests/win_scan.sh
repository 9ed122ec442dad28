#!/usr/bin/env bash
# zentrivo-scan.exe under Wine, with tests/data/win_plocha.png on the root (tools/wine_testy.sh): on the
# picture's file, on standard input, on two images on two threads and on the screen it gives what the
# native build's zentrivo-scan gives for the file; --out never overwrites the image; its monitors.
# Usage: win_scan.sh ZENTRIVO_SCAN_EXE NATIVE_ZENTRIVO_SCAN PICTURE DIRECTORY
set -uo pipefail
. "$(dirname "$0")/../tools/postroj.sh"
exe=$1 scan=$2 obraz=$3
rm -rf "$4" && mkdir -p "$4" && cd "$4" || exit 1
nutne "the native build's zentrivo-scan is there ($scan)" test -x "$scan"
cp "$obraz" plocha.png
volby=(--band 4 --min 5 --fill 30)
"$scan" "${volby[@]}" --rects plocha.png >subor
"$scan" "${volby[@]}" --json plocha.png plocha.png >dva
sed 's/"image": "plocha.png"/"image": "screen"/; s/}$/, "monitor": 1, "capture": "BitBlt"}/' <(head -n "$(wc -l <subor)" dva) >obrazovka
nutne "the native command finds objects in $obraz" test -s subor

# skonci KOD OUTPUT ARGUMENTS...: the program under Wine (standard input from VSTUP) ends with exit code
# KOD and writes file OUTPUT's text (- for any) to standard output, in out; its errors go to err.
skonci() {
  wine "$exe" "${@:3}" >out 2>err <"${VSTUP:-/dev/null}"
  local kod=$?
  [ "$kod" = "$1" ] && { [ "$2" = - ] || cmp -s "$2" out; } && return
  echo "exit code $kod, expected output in $2" && tail -n +1 err out
  return 1
}
check file skonci 0 subor "${volby[@]}" --rects plocha.png
VSTUP=plocha.png check "standard input" skonci 0 subor "${volby[@]}" --rects -
check "two images on two threads" skonci 0 dva "${volby[@]}" --json -j 2 plocha.png plocha.png
check screen skonci 0 obrazovka "${volby[@]}" --json --screen
# --out: the image itself, under its name or another spelling of it, is refused and left as it was;
# another file that exists already is written.
for meno in plocha.png .\\PLOCHA.PNG; do
  check "--out $meno refused" skonci 2 - "${volby[@]}" --out "$meno" plocha.png
  check "--out $meno: the image left as it was, and why" eval 'cmp -s plocha.png "$obraz" && grep -q "names the image itself" err'
done
echo stare >Stredy.txt
check "--out an existing file" skonci 0 - "${volby[@]}" --out Stredy.txt plocha.png
check "--out an existing file: the centres in it" [ "$(tr -d '\r' <Stredy.txt)" = "$(cut -d, -f1,2 subor)" ]
# A cut-short image: one line with the sizes, as the native build words it (CR LF on the console).
printf 'P5\n100 100\n255\n' >kratky.pgm
"$scan" kratky.pgm 2>err_natyvne
check "cut-short image" skonci 2 /dev/null kratky.pgm
check "cut-short image: the native build's words" [ "$(tr -d '\r' <err)" = "$(cat err_natyvne)" ]
# Wine's one monitor is the whole display, the primary one, at scale 1.
read -r sirka vyska < <(xdotool getdisplaygeometry)
check "--list-monitors" eval '[ "$(wine "$exe" --list-monitors | jq -c "[.monitor, .primary, .x, .y, .width, .height, .scale]")" = \
  "[1,true,0,0,$sirka,$vyska,1]" ]'
# At 144 DPI (150 %) the monitor is still the display's physical pixels, at scale 1.5, and the screen's
# objects are where they were.
dpi() { wine reg "$1" 'HKCU\Control Panel\Desktop' /v LogPixels "${@:2}" /f >/dev/null 2>&1; }
dpi add /t REG_DWORD /d 144
check "144 DPI: --list-monitors" eval '[ "$(wine "$exe" --list-monitors | jq -c "[.width, .height, .scale]")" = \
  "[$sirka,$vyska,1.5]" ]'
check "144 DPI: screen" skonci 0 obrazovka "${volby[@]}" --json --screen
dpi delete
check "--version" eval 'wine "$exe" --version 2>&1 | grep -qx "zentrivo-scan [0-9.]*"'
vysledok
