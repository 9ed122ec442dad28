#!/usr/bin/env bash
# zentrivo-scan.exe under Wine, run by tools/wine_testy.sh with tests/data/win_plocha.png on the
# root window: on the picture's file, on standard input, on two images on two threads and on the
# screen it gives what the native build's zentrivo-scan gives for the file.
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
wine "$exe" --version >verzia 2>&1
grep -qx 'zentrivo-scan [0-9.]*' verzia || { echo "FAIL - --version: $(cat verzia)"; chyby=1; }
exit "$chyby"
