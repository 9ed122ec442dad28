#!/usr/bin/env bash
# End-to-end test of Zentrivo.exe under Wine: a virtual display showing a known desktop, the program
# driven by keys and the mouse, and read back through the centres file, the pointer, the window's
# picture and geometry, and the registry.
#
# usage: e2e.sh beh|prazdna ZENTRIVO_EXE OKNO_INFO_EXE SCAN_COMMAND WORK_DIR [SCREENSHOT_DIR]
#   beh      first run, search, TAB, settings, saving on ESC, second start, Settings and About,
#            a third start in the tracking mode
#   prazdna  a search over a desktop without a grey object
set -uo pipefail

DRUH=$1
EXE=$(readlink -f "$2")
INFO=$(readlink -f "$3")
SCAN=$(readlink -f "$4")
VYSTUP=$5
SNIMKY=${6:-}
TU=$(cd "$(dirname "$0")" && pwd)
. "$TU/../../tools/plocha.sh"

SIRKA=1024
VYSKA=768
CHYBY=0

ok() { echo "ok   - $*"; }
zle() {
  echo "FAIL - $*"
  CHYBY=$((CHYBY + 1))
}
# check NAME CMD...: one named check, reported either way.
check() {
  local nazov=$1
  shift
  if "$@"; then ok "$nazov"; else zle "$nazov"; fi
}
# Ends the test at once when something it builds on did not happen.
nutne() {
  local nazov=$1
  shift
  if "$@"; then ok "$nazov"; else
    zle "$nazov (cannot go on)"
    exit 1
  fi
}

upratat() {
  zv_wine_stop
  zv_xvfb_stop
}
trap upratat EXIT
trap "exit 1" INT TERM

rm -rf "$VYSTUP"
mkdir -p "$VYSTUP/pracovny"
VYSTUP=$(cd "$VYSTUP" && pwd) # Wine takes absolute prefix paths only
[ -z "$SNIMKY" ] || SNIMKY=$(mkdir -p "$SNIMKY" && cd "$SNIMKY" && pwd)
PRAC="$VYSTUP/pracovny"
nutne "scan command built ($SCAN)" test -x "$SCAN"
nutne "virtual display ${SIRKA}x${VYSKA}" zv_xvfb_start "$SIRKA" "$VYSKA" "$VYSTUP/xvfb.log"

# The template prefix is shared by the cases and kept between runs; each case copies it afresh.
VZOR="$(dirname "$VYSTUP")/wine-vzor"
vzor() {
  (
    flock 8
    zv_prefix_vzor "$VZOR"
  ) 8>"$VZOR.lock"
}
nutne "template Wine prefix" vzor
nutne "fresh Wine prefix" zv_prefix_novy "$VZOR" "$VYSTUP/prefix"

# --- helpers over the running program -------------------------------------------------------

# What Win32 reports about the window titled $1 (and its control $2): sets I_* variables.
info() {
  local riadky
  riadky=$(wine "$INFO" "$@" 2>/dev/null | tr -d '\r')
  I_RECT= I_CLIENT= I_STYLE= I_EXSTYLE= I_TOPMOST= I_MINBOX= I_ENABLED= I_CONTROL= I_CHECKED=
  while read -r kluc hodnota; do
    case $kluc in
      rect) I_RECT=$hodnota ;;
      client) I_CLIENT=$hodnota ;;
      style) I_STYLE=$hodnota ;;
      exstyle) I_EXSTYLE=$hodnota ;;
      topmost) I_TOPMOST=$hodnota ;;
      minimizebox) I_MINBOX=$hodnota ;;
      enabled) I_ENABLED=$hodnota ;;
      control) I_CONTROL=$hodnota ;;
      checked) I_CHECKED=$hodnota ;;
    esac
  done <<<"$riadky"
  [ -n "$I_RECT" ]
}

okno_neexistuje() { ! xdotool search --name "^$1\$" >/dev/null 2>&1; }

# The crop of the screen that the X window $1 covers, to file $2.
snimka_okna() {
  local celok
  celok=$(mktemp --suffix=.png)
  zv_snimka "$celok"
  zv_geometria "$1"
  convert "$celok" -crop "${ZV_W}x${ZV_H}+${ZV_X}+${ZV_Y}" +repage "$2"
  rm -f "$celok"
}

# Number of pixels that differ between two pictures of the same size, inside region $3 (WxH+X+Y).
# (ImageMagick's policy here forbids reading pipes, so the region is cropped on reading.)
rozdiel() {
  local n
  n=$(compare -metric AE "$1[$3]" "$2[$3]" null: 2>&1)
  echo "${n%%[^0-9]*}"
}

# Number of pixels of exactly colour $2 (#RRGGBB) in picture $1, inside region $3.
pocet_farby() {
  convert "$1" -crop "$3" +repage -depth 8 txt:- | grep -ci "$2" || true
}

# Number of clearly red pixels (red above 200, green and blue below 80) in picture $1, region $2.
pocet_cervenych() {
  convert "$1" -crop "$2" +repage -depth 8 txt:- |
    awk -F'[()]' 'NR > 1 { split($2, c, ","); if (c[1] > 200 && c[2] < 80 && c[3] < 80) n++ } END { print n + 0 }'
}

# The row, relative to the picture, of the status box's top outline: the first row with at least 40
# pixels of the outline colour RGB(160, 210, 210), which nothing else in the window uses. -1 if none.
riadok_stavu() {
  convert "$1" -depth 8 txt:- | grep -i '#A0D2D2' |
    awk -F'[,:]' '{ n[$2]++ } END { best = -1; for (r in n) if (n[r] >= 40 && (best < 0 || r + 0 < best)) best = r + 0; print best }'
}

# Client origin of the control window relative to its X window, from the I_* of info.
klient_v_okne() {
  local cx cy cw ch rl rt rr rb
  read -r cx cy cw ch <<<"$I_CLIENT"
  read -r rl rt rr rb <<<"$I_RECT"
  KX=$((cx - rl)) KY=$((cy - rt)) KW=$cw KH=$ch
}

# Waits until the picture of window $1 differs from file $2 in region $3; the new one goes to $4.
cakaj_zmenu() {
  local okno=$1 stary=$2 g=$3 novy=$4 i
  for i in $(seq 50); do
    snimka_okna "$okno" "$novy"
    [ "$(rozdiel "$stary" "$novy" "$g")" -gt 0 ] 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# Waits until the picture of window $1 equals file $2 in region $3; the last one goes to $4.
cakaj_rovnake() {
  local okno=$1 stary=$2 g=$3 novy=$4 i
  for i in $(seq 50); do
    snimka_okna "$okno" "$novy"
    [ "$(rozdiel "$stary" "$novy" "$g")" = 0 ] && return 0
    sleep 0.1
  done
  return 1
}

# Waits until the status box of window $1 stands at a row other than $2; the picture goes to $3.
cakaj_stav_inde() {
  local okno=$1 stary=$2 novy=$3 i r
  for i in $(seq 300); do
    snimka_okna "$okno" "$novy"
    r=$(riadok_stavu "$novy")
    [ "$r" != -1 ] && [ "$r" != "$stary" ] && return 0
    sleep 0.1
  done
  return 1
}

# Registry values of Software\Zentrivo as "name=value" lines, numbers in decimal.
registry() {
  local meno typ hodnota
  wine reg query 'HKCU\Software\Zentrivo' 2>/dev/null | tr -d '\r' |
    while read -r meno typ hodnota; do
      case $typ in
        REG_DWORD) echo "$meno=$((hodnota))" ;;
        REG_BINARY) echo "$meno=$hodnota" ;;
      esac
    done | LC_ALL=C sort
}

pointer_na() {
  local X Y SCREEN WINDOW
  eval "$(xdotool getmouselocation --shell)"
  [ "$X" = "$1" ] && [ "$Y" = "$2" ]
}

# The centres the scan command finds on picture $1 with the rectangle $2..$5 (inclusive) left out.
ocakavane_stredy() {
  "$SCAN" "$1" --exclude "$2,$3,$4,$5" --band "$6" --min "$7" --fill "$8"
}

subory_rovnake() { cmp -s <(tr -d '\r' <"$1") <(tr -d '\r' <"$2"); }

# Waits until window $1 shows its status box, that is until its first paint, which comes after
# start-up has set the window's mode; the picture goes to $2.
cakaj_prvu_kresbu() {
  local i
  for i in $(seq 200); do
    snimka_okna "$1" "$2"
    [ "$(riadok_stavu "$2")" != -1 ] && return 0
    sleep 0.1
  done
  return 1
}

spusti_a_cakaj_okno() {
  zv_spusti "$EXE" "$PRAC"
  OKNO=$(zv_okno " Objekty" 60) || OKNO=
  [ -n "$OKNO" ] && cakaj_prvu_kresbu "$OKNO" "$VYSTUP/prva_kresba.png"
}

kopia_snimky() {
  [ -n "$SNIMKY" ] || return 0
  mkdir -p "$SNIMKY"
  cp "$1" "$SNIMKY/$2"
}

# A screenshot of the union of the control window and the top-level window titled $1, to $2.
snimka_s_dialogom() {
  local celok l t r b dl dt dr db
  celok=$(mktemp --suffix=.png)
  zv_snimka "$celok"
  info " Objekty"
  read -r l t r b <<<"$I_RECT"
  info "$1"
  read -r dl dt dr db <<<"$I_RECT"
  [ "$dl" -lt "$l" ] && l=$dl
  [ "$dt" -lt "$t" ] && t=$dt
  [ "$dr" -gt "$r" ] && r=$dr
  [ "$db" -gt "$b" ] && b=$db
  convert "$celok" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$2"
  rm -f "$celok"
}

# Every control $2... of the window titled $1 lies inside its client area, with a pixel to spare.
ovladace_vnutri() {
  local nazov=$1 id cx cy cw ch l t r b
  shift
  info "$nazov" || return 1
  read -r cx cy cw ch <<<"$I_CLIENT"
  for id in "$@"; do
    info "$nazov" "$id" || return 1
    read -r l t r b <<<"$I_CONTROL"
    if [ "$l" -lt $((cx + 1)) ] || [ "$t" -lt $((cy + 1)) ] || [ "$r" -gt $((cx + cw - 1)) ] || [ "$b" -gt $((cy + ch - 1)) ]; then
      echo "  control $id at $l,$t-$r,$b outside client $cx,$cy ${cw}x$ch"
      return 1
    fi
  done
}

# Clicks the middle of control $2 of the window titled $1.
klikni_ovladac() {
  local l t r b
  info "$1" "$2" || return 1
  read -r l t r b <<<"$I_CONTROL"
  xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) click 1
}

# --- the cases ---------------------------------------------------------------------------------

pripad_beh() {
  local plocha="$VYSTUP/plocha.png"
  zv_vzorova_plocha "$plocha" "$SIRKA" "$VYSKA"

  # First run: centred on the desktop, normal mode.
  nutne "first run: window \" Objekty\" appears and is painted" spusti_a_cakaj_okno
  check "first run: title \" Objekty\" with its leading blank" [ "$(xdotool getwindowname "$OKNO")" = " Objekty" ]
  zv_geometria "$OKNO"
  local sx=$(((SIRKA / 2) - (224 / 2))) sy=$(((VYSKA / 2) - (259 / 2)))
  check "first run: centred at ($sx, $sy), was ($ZV_X, $ZV_Y)" [ "$ZV_X" = "$sx" -a "$ZV_Y" = "$sy" ]
  check "first run: 224 x 242, was $ZV_W x $ZV_H" [ "$ZV_W" = 224 -a "$ZV_H" = 242 ]
  info " Objekty"
  check "first run: minimise box, not topmost (style $I_STYLE, exstyle $I_EXSTYLE)" [ "$I_MINBOX" = 1 -a "$I_TOPMOST" = 0 ]
  klient_v_okne

  nutne "desktop picture shown" zv_cakaj 10 zv_plocha "$plocha"
  local pred="$VYSTUP/pred_hladanim.png"
  local i r
  for i in $(seq 100); do
    snimka_okna "$OKNO" "$pred"
    r=$(riadok_stavu "$pred")
    [ "$r" != -1 ] && break
    sleep 0.1
  done
  local ys_pred=$r
  check "before the search: status box found (row $ys_pred)" [ "$ys_pred" != -1 ]
  kopia_snimky "$pred" normalny_rezim_start.png

  # TAB before any search does nothing: Down then Up are seen, the pointer stays.
  xdotool mousemove 5 5
  local krok="$VYSTUP/krok.png" cely="${ZV_W}x${ZV_H}+0+0"
  xdotool key Tab Down
  check "DOWN before a search moves the highlight" cakaj_zmenu "$OKNO" "$pred" "$cely" "$krok"
  xdotool key Up
  check "UP brings the first picture back" cakaj_rovnake "$OKNO" "$pred" "$cely" "$krok"
  check "TAB before a search leaves the pointer" pointer_na 5 5

  # ENTER: the centres file holds what the scan command finds with the window left out.
  local l=$ZV_X t=$ZV_Y rr=$((ZV_X + ZV_W - 1)) b=$((ZV_Y + ZV_H - 1))
  ocakavane_stredy "$plocha" $l $t $rr $b 0 20 70 >"$VYSTUP/ocakavane1.txt"
  local n
  n=$(grep -c , "$VYSTUP/ocakavane1.txt")
  check "scan command finds objects on the sample desktop ($n)" [ "$n" -ge 3 ]
  rm -f "$PRAC/Stredy.txt"
  xdotool key Return
  local po="$VYSTUP/po_hladani.png"
  check "ENTER: status box moves" cakaj_stav_inde "$OKNO" "$ys_pred" "$po"
  nutne "ENTER: Stredy.txt written" zv_cakaj 30 test -f "$PRAC/Stredy.txt"
  check "ENTER: Stredy.txt equals the scan of the same desktop without the window ($l,$t-$rr,$b)" \
    subory_rovnake "$PRAC/Stredy.txt" "$VYSTUP/ocakavane1.txt"
  [ "$CHYBY" -eq 0 ] || { echo "--- Stredy.txt"; cat "$PRAC/Stredy.txt"; echo "--- expected"; cat "$VYSTUP/ocakavane1.txt"; }

  # The picture after the search: the status box lower down, the TAB line where it stood.
  local ys_po
  ys_po=$(riadok_stavu "$po")
  check "after the search: status box lower ($ys_pred -> $ys_po)" [ "$ys_po" -ge $((ys_pred + 12)) ]
  local pas="180x14+$((KX + 7))+$((ys_pred - 15))"
  local d
  d=$(rozdiel "$pred" "$po" "$pas")
  check "after the search: TAB line drawn above the old status row ($d pixels changed)" [ "$d" -ge 150 ]
  kopia_snimky "$po" normalny_rezim.png

  # TAB, TAB, ...: the pointer visits the centres in order and wraps to the first.
  mapfile -t stredy < <(tr -d '\r' <"$PRAC/Stredy.txt")
  n=${#stredy[@]}
  local k ciel x y
  for k in $(seq 0 "$n"); do
    ciel=${stredy[$((k % n))]}
    x=${ciel%,*} y=${ciel#*,}
    xdotool key Tab
    check "TAB $((k + 1)): pointer at centre $((k % n + 1)) ($x, $y)" zv_cakaj 5 pointer_na "$x" "$y"
  done

  # Arrow keys change the settings: each key changes the picture, and a new search uses them.
  local g="${ZV_W}x${ZV_H}+0+0" pr="$po" nv
  for k in Right Down Right Down Left Up; do
    nv="$VYSTUP/sipka_$k.png"
    xdotool key "$k"
    check "$k changes the window's picture" cakaj_zmenu "$OKNO" "$pr" "$g" "$nv"
    cp "$nv" "$VYSTUP/sipka_posledna.png"
    pr="$VYSTUP/sipka_posledna.png"
  done
  ocakavane_stredy "$plocha" $l $t $rr $b 1 25 65 >"$VYSTUP/ocakavane2.txt"
  rm -f "$PRAC/Stredy.txt"
  xdotool key Return
  nutne "second ENTER: Stredy.txt written" zv_cakaj 30 test -f "$PRAC/Stredy.txt"
  check "second ENTER: band 2, size 25, fill 65 give the scan's centres ($(grep -c , "$VYSTUP/ocakavane2.txt"))" \
    subory_rovnake "$PRAC/Stredy.txt" "$VYSTUP/ocakavane2.txt"

  # Move the window by its caption, so that the saved position is not the centred one.
  xdotool mousemove $((ZV_X + 60)) $((ZV_Y + 10)) mousedown 1 sleep 0.2 mousemove $((ZV_X - 20)) $((ZV_Y - 40)) \
    sleep 0.2 mousemove $((ZV_X - 90)) $((ZV_Y - 90)) sleep 0.2 mouseup 1
  local nx=$((ZV_X - 150)) ny=$((ZV_Y - 100))
  check "window dragged to ($nx, $ny)" zv_cakaj 5 sh -c "xdotool getwindowgeometry --shell $OKNO | grep -qx X=$nx && xdotool getwindowgeometry --shell $OKNO | grep -qx Y=$ny"
  local posledna="$VYSTUP/pred_esc.png"
  snimka_okna "$OKNO" "$posledna"

  # ESC: exit code 0 and the eight values as they were shown.
  xdotool key Escape
  check "ESC ends the process" zv_cakaj_koniec 20
  check "ESC: exit code 0 (was $ZV_KOD)" [ "$ZV_KOD" = 0 ]
  registry >"$VYSTUP/registry1.txt"
  cat >"$VYSTUP/registry1_ocakavane.txt" <<EOF
WindowPos=$((nx | (ny << 16)))
WindowSize=$((224 | (242 << 16)))
WindowShow=1
StupneSedi=1
VelkostObjektu=25
percento_vyplne=65
Volba=2
InfoKurzor=00
EOF
  LC_ALL=C sort -o "$VYSTUP/registry1_ocakavane.txt" "$VYSTUP/registry1_ocakavane.txt"
  check "ESC: the registry holds the eight values shown" cmp -s "$VYSTUP/registry1.txt" "$VYSTUP/registry1_ocakavane.txt"
  [ "$CHYBY" -eq 0 ] || cat "$VYSTUP/registry1.txt"

  # Second start: position and settings restored.
  zv_plocha "$plocha" || true
  nutne "second start: window appears" spusti_a_cakaj_okno
  zv_geometria "$OKNO"
  check "second start: at the saved position ($nx, $ny), was ($ZV_X, $ZV_Y)" [ "$ZV_X" = "$nx" -a "$ZV_Y" = "$ny" ]
  check "second start: 224 x 242" [ "$ZV_W" = 224 -a "$ZV_H" = 242 ]
  zv_cakaj 10 zv_plocha "$plocha" || true
  local druhy="$VYSTUP/druhy_start.png"
  for i in $(seq 100); do
    snimka_okna "$OKNO" "$druhy"
    r=$(riadok_stavu "$druhy")
    [ "$r" != -1 ] && break
    sleep 0.1
  done
  # The settings lines above the status box look exactly as when the first run ended.
  local hore="${ZV_W}x$((r - 16))+0+0"
  d=$(rozdiel "$posledna" "$druhy" "$hore")
  check "second start: the settings lines show the saved values ($d pixels differ)" [ "$d" = 0 ]

  # Menu 402 by its mnemonic: the Settings dialog; check the box, OK: tracking mode.
  xdotool key alt+n
  nutne "402: Settings dialog opens" zv_okno " Nastavenia" 20 >/dev/null
  info " Objekty"
  check "402: control window disabled while the dialog is open" [ "$I_ENABLED" = 0 ]
  check "Settings: OK, Cancel and the box lie inside the caption-less dialog" ovladace_vnutri " Nastavenia" 1 2 501
  info " Nastavenia" 501
  check "Settings: box unchecked while tracking is off" [ "$I_CHECKED" = 0 ]
  snimka_s_dialogom " Nastavenia" "$VYSTUP/nastavenia.png"
  kopia_snimky "$VYSTUP/nastavenia.png" nastavenia.png
  klikni_ovladac " Nastavenia" 501
  check "Settings: a click checks the box" zv_cakaj 5 sh -c "wine '$INFO' ' Nastavenia' 501 | tr -d '\r' | grep -qx 'checked 1'"
  klikni_ovladac " Nastavenia" 1
  check "Settings OK: dialog closes" zv_cakaj 10 okno_neexistuje " Nastavenia"
  check "Settings OK: tracking mode 224 x 259" zv_cakaj 5 sh -c "xdotool getwindowgeometry --shell $OKNO | grep -qx HEIGHT=259"
  zv_geometria "$OKNO"
  check "Settings OK: position kept ($ZV_X, $ZV_Y)" [ "$ZV_X" = "$nx" -a "$ZV_Y" = "$ny" ]
  info " Objekty"
  check "Settings OK: topmost, no minimise box (style $I_STYLE, exstyle $I_EXSTYLE)" [ "$I_TOPMOST" = 1 -a "$I_MINBOX" = 0 ]
  klient_v_okne

  # The readout strip: the bottom 17 rows of the client area, filled grey 170, following the pointer.
  local sled="$VYSTUP/sledovanie.png" sled2="$VYSTUP/sledovanie2.png"
  local strip="${KW}x17+${KX}+$((KY + KH - 17))"
  xdotool mousemove 700 700
  for i in $(seq 50); do
    snimka_okna "$OKNO" "$sled"
    [ "$(pocet_farby "$sled" '#AAAAAA' "$strip")" -ge $((KW * 6)) ] && break
    sleep 0.1
  done
  local sive
  sive=$(pocet_farby "$sled" '#AAAAAA' "$strip")
  check "tracking: readout strip along the bottom ($sive pixels of grey 170)" [ "$sive" -ge $((KW * 6)) ]
  kopia_snimky "$sled" sledovanie_kurzora.png
  local sled_prvy="$VYSTUP/sledovanie_prvy.png"
  cp "$sled" "$sled_prvy"
  xdotool mousemove 123 456
  check "tracking: the readout follows the pointer" cakaj_zmenu "$OKNO" "$sled" "$strip" "$sled2"

  # Timer repaints go on while a dialog is open: the strip follows the pointer behind Settings.
  xdotool key alt+n
  nutne "402 again: Settings dialog opens" zv_okno " Nastavenia" 20 >/dev/null
  info " Nastavenia" 501
  check "Settings: box checked while tracking is on" [ "$I_CHECKED" = 1 ]
  snimka_okna "$OKNO" "$sled"
  xdotool mousemove 777 111
  check "tracking: the readout follows the pointer while Settings is open" cakaj_zmenu "$OKNO" "$sled" "$strip" "$sled2"
  klikni_ovladac " Nastavenia" 501
  zv_cakaj 5 sh -c "wine '$INFO' ' Nastavenia' 501 | tr -d '\r' | grep -qx 'checked 0'"
  xdotool key Escape
  check "Settings ESC: dialog closes" zv_cakaj 10 okno_neexistuje " Nastavenia"
  zv_geometria "$OKNO"
  info " Objekty"
  check "Settings Cancel: tracking mode kept (${ZV_W}x$ZV_H, topmost $I_TOPMOST)" [ "$ZV_H" = 259 -a "$I_TOPMOST" = 1 ]

  # Menu 403: the About dialog, closed by a click on its text, then by ESC.
  xdotool key alt+o
  nutne "403: About dialog opens" zv_okno " O programe" 20 >/dev/null
  check "About: OK lies inside the caption-less dialog" ovladace_vnutri " O programe" 1
  sleep 0.3
  snimka_s_dialogom " O programe" "$VYSTUP/o_programe.png"
  kopia_snimky "$VYSTUP/o_programe.png" o_programe.png
  info " O programe"
  local dl dt dr db
  read -r dl dt dr db <<<"$I_RECT"
  xdotool mousemove $((dl + 40)) $((dt + 30)) click 1
  check "About: a click on the text closes it" zv_cakaj 10 okno_neexistuje " O programe"
  xdotool key alt+o
  nutne "403 again: About dialog opens" zv_okno " O programe" 20 >/dev/null
  xdotool key Escape
  check "About: ESC closes it" zv_cakaj 10 okno_neexistuje " O programe"
  info " Objekty"
  check "after the dialogs the control window is enabled" [ "$I_ENABLED" = 1 ]

  # Menu 404: exit code 0, tracking saved.
  xdotool key alt+k
  check "404 ends the process" zv_cakaj_koniec 20
  check "404: exit code 0 (was $ZV_KOD)" [ "$ZV_KOD" = 0 ]
  registry >"$VYSTUP/registry2.txt"
  check "404: InfoKurzor saved as 01" grep -qx 'InfoKurzor=01' "$VYSTUP/registry2.txt"

  # Third start: the tracking mode comes back from the registry; Alt+F4 also exits with 0.
  nutne "third start: window appears" spusti_a_cakaj_okno
  zv_geometria "$OKNO"
  info " Objekty"
  check "third start: tracking mode (${ZV_W}x$ZV_H at $ZV_X,$ZV_Y, topmost $I_TOPMOST, minimise box $I_MINBOX)" \
    [ "$ZV_H" = 259 -a "$ZV_W" = 224 -a "$ZV_X" = "$nx" -a "$ZV_Y" = "$ny" -a "$I_TOPMOST" = 1 -a "$I_MINBOX" = 0 ]
  # The caption's buttons follow the mode (all three pictures with the window active): the same in
  # the tracking mode whether it was switched on or started in, other than in the normal mode.
  local treti="$VYSTUP/treti_start.png" tlacidla="74x16+$((ZV_W - 78))+3"
  for i in $(seq 100); do
    snimka_okna "$OKNO" "$treti"
    [ "$(riadok_stavu "$treti")" != -1 ] && break
    sleep 0.1
  done
  d=$(rozdiel "$sled_prvy" "$treti" "$tlacidla")
  check "caption buttons of the tracking mode switched on equal those at start ($d pixels differ)" [ "$d" = 0 ]
  d=$(rozdiel "$pred" "$treti" "$tlacidla")
  check "caption buttons of the normal mode differ from the tracking mode's ($d pixels differ)" [ "$d" -ge 20 ]

  # Tracking off again: ENTER in the dialog is OK; the normal mode, no longer topmost.
  xdotool key alt+n
  nutne "third start: Settings dialog opens" zv_okno " Nastavenia" 20 >/dev/null
  klikni_ovladac " Nastavenia" 501
  check "Settings: a click clears the box" zv_cakaj 5 sh -c "wine '$INFO' ' Nastavenia' 501 | tr -d '\r' | grep -qx 'checked 0'"
  xdotool key Return
  check "Settings ENTER: dialog closes" zv_cakaj 10 okno_neexistuje " Nastavenia"
  check "Settings ENTER: normal mode 224 x 242" zv_cakaj 5 sh -c "xdotool getwindowgeometry --shell $OKNO | grep -qx HEIGHT=242"
  info " Objekty"
  check "Settings ENTER: not topmost, minimise box (style $I_STYLE, exstyle $I_EXSTYLE)" [ "$I_TOPMOST" = 0 -a "$I_MINBOX" = 1 ]

  xdotool key alt+F4
  check "Alt+F4 ends the process" zv_cakaj_koniec 20
  check "Alt+F4: exit code 0 (was $ZV_KOD)" [ "$ZV_KOD" = 0 ]
  registry >"$VYSTUP/registry3.txt"
  check "Alt+F4: InfoKurzor saved as 00" grep -qx 'InfoKurzor=00' "$VYSTUP/registry3.txt"
}

pripad_prazdna() {
  local plocha="$VYSTUP/plocha_bez_sedej.png"
  zv_plocha_bez_sedej "$plocha" "$SIRKA" "$VYSKA"
  nutne "window appears" spusti_a_cakaj_okno
  nutne "desktop picture shown" zv_cakaj 10 zv_plocha "$plocha"
  info " Objekty"
  klient_v_okne
  local pred="$VYSTUP/pred.png" po="$VYSTUP/po.png" i r
  for i in $(seq 100); do
    snimka_okna "$OKNO" "$pred"
    r=$(riadok_stavu "$pred")
    [ "$r" != -1 ] && break
    sleep 0.1
  done
  local box="140x21+$((KX + 35))+$r"
  check "before the search: no red in the status box" [ "$(pocet_cervenych "$pred" "$box")" = 0 ]
  xdotool key Return
  nutne "ENTER: Stredy.txt written" zv_cakaj 30 test -f "$PRAC/Stredy.txt"
  check "ENTER: Stredy.txt is empty" [ ! -s "$PRAC/Stredy.txt" ]
  local cervene=0
  for i in $(seq 50); do
    snimka_okna "$OKNO" "$po"
    cervene=$(pocet_cervenych "$po" "$box")
    [ "$cervene" -ge 20 ] && break
    sleep 0.1
  done
  check "ENTER: red status text in the unmoved status box ($cervene red pixels)" [ "$cervene" -ge 20 ]
  check "ENTER: status box stays where it was" [ "$(riadok_stavu "$po")" = "$r" ]
  kopia_snimky "$po" nic_sa_nenaslo.png
  xdotool key Escape
  check "ESC ends the process" zv_cakaj_koniec 20
  check "ESC: exit code 0 (was $ZV_KOD)" [ "$ZV_KOD" = 0 ]
}

case $DRUH in
  beh) pripad_beh ;;
  prazdna) pripad_prazdna ;;
  *)
    echo "unknown case $DRUH" >&2
    exit 2
    ;;
esac

if [ "$CHYBY" -eq 0 ]; then
  echo "all checks passed"
  exit 0
fi
echo "$CHYBY check(s) failed"
exit 1
