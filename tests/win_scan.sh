#!/usr/bin/env bash
# zentrivo-scan.exe under Wine, with tests/data/win_plocha.png on the root (tools/wine_testy.sh): on the
# picture's file, on standard input, on two images on two threads and on the screen (once, waiting
# with --until, watching) it gives what the native build's zentrivo-scan gives for the file; --out
# never overwrites the image nor a FILE.tmp of the user's, and writes into the device NUL; a name
# outside the ANSI code page is opened and comes out whole in JSON; its monitors.
# Usage: win_scan.sh ZENTRIVO_SCAN_EXE NATIVE_ZENTRIVO_SCAN PICTURE DIRECTORY
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
"$scan" --colour 143,143,143 --tolerance 16 --min 5 --fill 30 --rects plocha.png >farba
check "--colour as natively" skonci 0 farba --colour 143,143,143 --tolerance 16 --min 5 --fill 30 --rects plocha.png
VSTUP=plocha.png check "standard input" skonci 0 subor "${volby[@]}" --rects -
check "two images on two threads" skonci 0 dva "${volby[@]}" --json -j 2 plocha.png plocha.png
check screen skonci 0 obrazovka "${volby[@]}" --json --screen
# --until both ways: the objects on the screen at once, and none kept until the timeout (exit 1);
# --watch with a timeout: each object once as appeared, exit 0.
check "--until 1 --timeout 2" skonci 0 obrazovka "${volby[@]}" --json --screen --until 1 --timeout 2
check "--until 1 --timeout 2, nothing kept" skonci 1 /dev/null --band 4 --min 100000 --screen --until 1 --timeout 2
sed 's/^/+/' subor >sledovanie
check "--watch --timeout 1" skonci 0 sledovanie "${volby[@]}" --rects --screen --watch --timeout 1
# --out: the image itself, under its name or another spelling of it, is refused and left as it was;
# another file that exists already is written.
for meno in plocha.png .\\PLOCHA.PNG; do
  check "--out $meno refused" skonci 2 - "${volby[@]}" --out "$meno" plocha.png
  check "--out $meno: the image left as it was, and why" eval 'cmp -s plocha.png "$obraz" && grep -q "names the image itself" err'
done
VSTUP=plocha.png check "--out the file standard input reads refused" skonci 2 - "${volby[@]}" --out plocha.png -
check "--out standard input's file: the image left as it was" cmp -s plocha.png "$obraz"
# The file named is replaced through a temporary file of its own: FILE.tmp of the user's stays.
cut -d, -f1,2 subor >riadky
echo stare >Stredy.txt
echo poznamky >Stredy.txt.tmp
check "--out an existing file" skonci 0 - "${volby[@]}" --out Stredy.txt plocha.png
check "--out an existing file: the centres in it" [ "$(tr -d '\r' <Stredy.txt)" = "$(cut -d, -f1,2 subor)" ]
check "--out an existing file: Stredy.txt.tmp as it was, nothing else beside" \
  [ "$(cat Stredy.txt* | tr -d '\r')" = "$(cat riadky - <<<poznamky)" ]
# A device is written, not replaced: the lines are printed.
check "--out NUL" skonci 0 riadky "${volby[@]}" --out NUL plocha.png
# A cut-short image: one line with the sizes, as the native build words it (CR LF on the console).
printf 'P5\n100 100\n255\n' >kratky.pgm
"$scan" kratky.pgm 2>err_natyvne
check "cut-short image" skonci 2 /dev/null kratky.pgm
check "cut-short image: the native build's words" [ "$(tr -d '\r' <err)" = "$(cat err_natyvne)" ]
# A name in two scripts, given in UTF-8 (Wine reads the arguments in the locale's character set, so
# one that this machine has): opened by its wide name, and written in JSON as UTF-8, as the native
# build writes it.
meno='snímka-снимок.png'
cp plocha.png "$meno"
"$scan" "${volby[@]}" --json "$meno" >meno_natyvne
LC_ALL=C.UTF-8 check "a name in two scripts" skonci 0 meno_natyvne "${volby[@]}" --json "$meno"
# Its text lines follow the ANSI code page when redirected (Windows-1252 in that locale): no Cyrillic.
LC_ALL=C.UTF-8 check "a name in two scripts: text lines in the ANSI code page" eval \
  '[ "$(wine "$exe" "${volby[@]}" "$meno" plocha.png | head -n 1 | cut -d: -f1)" = "$(printf "sn\355mka-??????.png")" ]'
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
