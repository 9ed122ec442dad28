# Shared steps of the end-to-end cases, tests/e2e/e2e_*.sh: a case sources this file, calls zaciatok,
# drives Zentrivo.exe by keys and the mouse, checks, and ends with vysledok. Its files go to e2e/CASE in
# the Windows build tree, the README's pictures to e2e/screenshots.
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/postroj.sh"

VYSTUP=$ZV_STROM/e2e/$(basename "$0" .sh) SNIMKY=$ZV_STROM/e2e/screenshots
PRAC=$VYSTUP/pracovny PLOCHA=$VYSTUP/plocha.png
# The native build's scan command gives the centres expected, and e2e_hodnoty the window's sizes and
# colours as the product's code draws them (SIRKA_OKNA, FARBA_STATUSU, ...).
SCAN=${ZENTRIVO_SCAN:-$ZV_KOREN/build/native/scan/zentrivo-scan}
HODNOTY=${ZENTRIVO_HODNOTY:-$ZV_KOREN/build/native/tests/e2e_hodnoty}

# Starts the case on a $1 x $2 screen showing the desktop PLOCHA that "$3 PLOCHA $1 $2" draws, with a
# fresh prefix and an empty working folder PRAC.
zaciatok() {
  rm -rf "$VYSTUP"
  mkdir -p "$PRAC" "$SNIMKY"
  ZV_LOGY=$VYSTUP
  nutne "the window's values from the native build ($HODNOTY)" test -x "$HODNOTY"
  eval "$("$HODNOTY")"
  nutne "scan command built ($SCAN)" test -x "$SCAN"
  nutne "virtual display ${1}x$2" zv_displej "$1" "$2"
  nutne "fresh Wine prefix" zv_prefix "$VYSTUP/prefix"
  "$3" "$PLOCHA" "$1" "$2"
  nutne "desktop picture shown" zv_plocha "$PLOCHA"
}

# Starts the program and waits for its window OKNO (at ZV_X, ZV_Y, ZV_W x ZV_H) and its first paint,
# which comes after start-up has set the window's mode.
spusti() {
  zv_zentrivo "$PRAC" && OKNO=$ZV_OKNO && zv_cakaj 20 stav "$OKNO" "$VYSTUP/prva_kresba.png" && zv_geometria "$OKNO"
}
# Presses key $1, after which the program must end with exit code 0; $2 names the step.
koniec() {
  xdotool key "$1"
  check "$2 ends the process" zv_cakaj_koniec 20
  check "$2: exit code 0 (was $ZV_KOD)" [ "$ZV_KOD" = 0 ]
}
# ENTER, after which the search writes Stredy.txt within $1 seconds (30 unless given).
hladaj() {
  rm -f "$PRAC/Stredy.txt"
  xdotool key Return
  zv_cakaj "${1:-30}" test -f "$PRAC/Stredy.txt"
}
# The centres that the scan command finds on picture $1 (PLOCHA unless given) without the window.
ocakavane() { "$SCAN" "${1:-$PLOCHA}" --exclude "$(vylucene)" >"$VYSTUP/ocakavane.txt"; }
subory_rovnake() { cmp -s <(tr -d '\r' <"$1") <(tr -d '\r' <"$2"); }

# What Win32 reports about the window titled $1 (and its control $2): I_RECT, I_CLIENT, I_STYLE,
# I_EXSTYLE, I_TOPMOST, I_MINIMIZEBOX, I_ENABLED, I_CONTROL, I_CHECKED.
info() {
  local kluc hodnota
  I_RECT="" I_CLIENT="" I_STYLE="" I_EXSTYLE="" I_TOPMOST="" I_MINIMIZEBOX="" I_ENABLED="" I_CONTROL="" I_CHECKED=""
  while read -r kluc hodnota; do
    printf -v "I_${kluc^^}" %s "$hodnota"
  done < <(wine "$ZV_STROM/tests/okno_info.exe" "$@" 2>/dev/null | tr -d '\r')
  [ -n "$I_RECT" ]
}
# The control window's rectangle as Win32 reports it, "left,top,right,bottom": the search leaves out
# exactly these bounds, each counted as inside (as the scan command's --exclude does).
vylucene() { info " Objekty" && tr ' ' , <<<"$I_RECT"; }
# The control window's client origin and size relative to its X window, KX, KY, KW, KH, and the readout
# strip along the client area's bottom, PAS.
klient_v_okne() {
  local cx cy rl rt
  info " Objekty" && read -r cx cy KW KH <<<"$I_CLIENT" && read -r rl rt _ <<<"$I_RECT"
  KX=$((cx - rl)) KY=$((cy - rt)) PAS="${KW}x$VYSKA_PASU+$KX+$((KY + KH - VYSKA_PASU))"
}
zaskrtnute() { info "$1" "$2" && [ "$I_CHECKED" = "$3" ]; }
otvor() { xdotool key "$1" && zv_cakaj 20 okno_je "$2"; }
okno_je() { xdotool search --name "^$1\$" >/dev/null 2>&1; }
okno_zmizlo() { ! okno_je "$1"; }
poloha_je() { zv_geometria "$OKNO" && [ "$ZV_X" = "$1" ] && [ "$ZV_Y" = "$2" ]; }
vyska_je() { zv_geometria "$OKNO" && [ "$ZV_H" = "$1" ]; }
pointer_na() { [[ $(xdotool getmouselocation) == "x:$1 y:$2 "* ]]; }

# The part of the screen that the X window $1 covers, to file $2.
snimka_okna() {
  zv_geometria "$1"
  import -window root -crop "${ZV_W}x${ZV_H}+${ZV_X}+${ZV_Y}" +repage "$2" 2>/dev/null
}
# A picture of the union of the control window and the window titled $1, to $2.
snimka_s_dialogom() {
  local l t r b dl dt dr db
  info " Objekty" && read -r l t r b <<<"$I_RECT"
  info "$1" && read -r dl dt dr db <<<"$I_RECT"
  l=$((dl < l ? dl : l)) t=$((dt < t ? dt : t)) r=$((dr > r ? dr : r)) b=$((db > b ? db : b))
  import -window root -crop "$((r - l))x$((b - t))+$l+$t" +repage "$2" 2>/dev/null
}

# Number of pixels that differ between two pictures of the same size, inside region $3 (WxH+X+Y).
# (ImageMagick's policy here forbids reading pipes, so the region is cropped on reading.)
rozdiel() {
  local n=$(compare -metric AE "$1[$3]" "$2[$3]" null: 2>&1)
  echo "${n%%[^0-9]*}"
}
# Number of pixels in picture $1, region $2, whose red, green and blue (0-255) meet awk's condition $3.
pocet() {
  convert "$1" -crop "$2" +repage -depth 8 txt:- |
    awk -F'[()]' "NR > 1 { split(\$2, p, \",\"); r = p[1]; g = p[2]; b = p[3]; if ($3) n++ } END { print n + 0 }"
}
# The condition of pocet for less than $2 (1: exactly) from colour $1 (#RRGGBB) in each channel; 40
# takes in text drawn in that colour, whose edges the font smooths.
farba() {
  local d=$(($2 * $2))
  echo "(r - $((16#${1:1:2})))^2 < $d && (g - $((16#${1:3:2})))^2 < $d && (b - $((16#${1:5:2})))^2 < $d"
}
CERVENA="r > 200 && g < 80 && b < 80" # clearly red

# The row, relative to picture $1, of the status box's top outline: the first row with at least 40
# pixels of the outline's colour, which nothing else in the window uses. -1 if none.
riadok_stavu() {
  convert "$1" -depth 8 txt:- | grep -i "$FARBA_STATUSU" |
    awk -F'[,:]' '{ n[$2]++ } END { best = -1; for (r in n) if (n[r] >= 40 && (best < 0 || r + 0 < best)) best = r + 0; print best }'
}

# For zv_cakaj: each takes the picture of window $1. ine and rovnake put it in $4 and compare it with
# $2 inside region $3; stav puts it in $2 and finds the status box's row R, true when there is one and
# it is not $3.
ine() { snimka_okna "$1" "$4" && [ "$(rozdiel "$2" "$4" "$3")" -gt 0 ]; }
rovnake() { snimka_okna "$1" "$4" && [ "$(rozdiel "$2" "$4" "$3")" = 0 ]; }
stav() {
  snimka_okna "$1" "$2"
  R=$(riadok_stavu "$2")
  [ "$R" != -1 ] && [ "$R" != "${3:-}" ]
}
# The readout strip in picture $1 is filled with its grey, six rows of it at least.
pas_vidno() { snimka_okna "$OKNO" "$1" && [ "$(pocet "$1" "$PAS" "$(farba "$FARBA_PASU" 1)")" -ge $((KW * 6)) ]; }

# Every control $2... of the window titled $1 lies inside its client area, with a pixel to spare.
ovladace_vnutri() {
  local id cx cy cw ch l t r b
  info "$1" && read -r cx cy cw ch <<<"$I_CLIENT" || return 1
  for id in "${@:2}"; do
    info "$1" "$id" && read -r l t r b <<<"$I_CONTROL" || return 1
    [ "$l" -gt "$cx" ] && [ "$t" -gt "$cy" ] && [ "$r" -lt $((cx + cw)) ] && [ "$b" -lt $((cy + ch)) ] ||
      { echo "  control $id at $l,$t-$r,$b outside client $cx,$cy ${cw}x$ch"; return 1; }
  done
}
# Clicks the middle of control $2 of the window titled $1.
klikni_ovladac() {
  local l t r b
  info "$1" "$2" && read -r l t r b <<<"$I_CONTROL" || return 1
  xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) click 1
}

# Drags the window OKNO by its caption by (-150, -100); true when it stands there, at (NX, NY).
posun_okno() {
  zv_geometria "$OKNO"
  NX=$((ZV_X - 150)) NY=$((ZV_Y - 100))
  xdotool mousemove $((ZV_X + 60)) $((ZV_Y + 10)) mousedown 1 sleep 0.2 mousemove $((ZV_X - 20)) $((ZV_Y - 40)) \
    sleep 0.2 mousemove $((ZV_X - 90)) $((ZV_Y - 90)) sleep 0.2 mouseup 1
  zv_cakaj 5 poloha_je "$NX" "$NY"
}

# Registry values of Software\Zentrivo as "name=value" lines, numbers in decimal; zapis writes one.
registry() {
  local meno typ hodnota
  wine reg query 'HKCU\Software\Zentrivo' 2>/dev/null | tr -d '\r' | while read -r meno typ hodnota; do
    case $typ in REG_DWORD) echo "$meno=$((hodnota))" ;; REG_BINARY) echo "$meno=$hodnota" ;; esac
  done | LC_ALL=C sort
}
zapis() { wine reg add 'HKCU\Software\Zentrivo' /v "$1" /t "$2" /d "$3" /f >/dev/null 2>&1; }
