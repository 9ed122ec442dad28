#!/usr/bin/env bash
# zentrivo-scan.exe under Wine, run by tools/wine_testy.sh with tests/data/win_plocha.png on the
# root window: on the picture's file, on standard input, on two images on two threads and on the
# screen it gives what the native build's zentrivo-scan gives for the file; --out never overwrites
# the image.
# Usage: win_scan.sh ZENTRIVO_SCAN_EXE NATIVE_ZENTRIVO_SCAN PICTURE DIRECTORY
set -uo pipefail
exe=$1 scan=$2 obraz=$3 adresar=$4
rm -rf "$adresar"
mkdir -p "$adresar"
cd "$adresar" || exit 1
[ -x "$scan" ] || { echo "the native build's zentrivo-scan is missing: $scan"; exit 1; }
cp "$obraz" plocha.png
volby=(--band 4 --min 5 --fill 30)
chyby=0

# case NAME EXPECTED_FILE ARGUMENTS...: runs the program under Wine with the arguments and compares.
pripad() {
  local meno=$1 ocakavane=$2 kod
  shift 2
  wine "$exe" "$@" >"$meno.out" 2>"$meno.err" <"${VSTUP:-/dev/null}"
  kod=$?
  if [ "$kod" = 0 ] && cmp -s "$ocakavane" "$meno.out"; then
    echo "ok   - $meno"
  else
    echo "FAIL - $meno: exit $kod, standard error:"; cat "$meno.err"
    echo "its output:"; cat "$meno.out"; echo "expected:"; cat "$ocakavane"
    chyby=1
  fi
}

"$scan" "${volby[@]}" --rects plocha.png >subor
"$scan" "${volby[@]}" --json plocha.png plocha.png >dva
sed 's/"image": "plocha.png"/"image": "screen"/' <(head -n "$(wc -l <subor)" dva) >obrazovka
[ -s subor ] || { echo "the native command finds nothing in $obraz"; exit 1; }

pripad file subor "${volby[@]}" --rects plocha.png
VSTUP=plocha.png pripad "standard input" subor "${volby[@]}" --rects -
pripad "two images on two threads" dva "${volby[@]}" --json -j 2 plocha.png plocha.png
pripad screen obrazovka "${volby[@]}" --json --screen
# --out: the image itself, under its name or another spelling of it, is refused and left as it was;
# another file that exists already is written.
for meno in plocha.png .\\PLOCHA.PNG; do
  wine "$exe" "${volby[@]}" --out "$meno" plocha.png >out_obraz 2>err_obraz
  kod=$?
  if [ "$kod" = 2 ] && cmp -s plocha.png "$obraz" && grep -q 'names the image itself' err_obraz; then
    echo "ok   - --out $meno refused"
  else
    echo "FAIL - --out $meno: exit $kod, $(cat err_obraz)"; chyby=1
  fi
done
echo stare >Stredy.txt
wine "$exe" "${volby[@]}" --out Stredy.txt plocha.png >out_stredy 2>err_stredy
kod=$?
if [ "$kod" = 0 ] && [ "$(tr -d '\r' <Stredy.txt)" = "$(cut -d, -f1,2 subor)" ]; then
  echo "ok   - --out an existing file"
else
  echo "FAIL - --out an existing file: exit $kod, $(cat err_stredy)"; chyby=1
fi
# A cut-short image: one line with the sizes, as the native build words it (CR LF on the console).
printf 'P5\n100 100\n255\n' >kratky.pgm
wine "$exe" kratky.pgm >out_kratky 2>err_kratky
kod=$?
"$scan" kratky.pgm 2>err_kratky_natyvne
if [ "$kod" = 2 ] && [ ! -s out_kratky ] && [ "$(tr -d '\r' <err_kratky)" = "$(cat err_kratky_natyvne)" ]; then
  echo "ok   - cut-short image"
else
  echo "FAIL - cut-short image: exit $kod, $(cat err_kratky)"; chyby=1
fi
wine "$exe" --version >verzia 2>&1
grep -qx 'zentrivo-scan [0-9.]*' verzia || { echo "FAIL - --version: $(cat verzia)"; chyby=1; }
exit "$chyby"
