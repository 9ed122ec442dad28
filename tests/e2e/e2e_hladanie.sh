# The first run and its searches: the window centred, TAB before a search, ENTER against the scan
# command, TAB through the centres, the arrows' settings in a second search, ESC saving the eight
# values, and a second start that shows them.
. "$(dirname "$0")/pomoc.sh"
zaciatok 1024 768 zv_vzorova_plocha

nutne "first run: window \" Objekty\" appears and is painted" spusti
check "first run: title \" Objekty\" with its leading blank" [ "$(xdotool getwindowname "$OKNO")" = " Objekty" ]
# Centred by the outer size of the tracking mode, the height that start-up creates the window with.
sx=$(((ZV_SIRKA / 2) - (SIRKA_OKNA / 2))) sy=$(((ZV_VYSKA / 2) - (VYSKA_SLEDOVANIA / 2)))
check "first run: centred at ($sx, $sy), was ($ZV_X, $ZV_Y)" [ "$ZV_X" = "$sx" -a "$ZV_Y" = "$sy" ]
check "first run: $SIRKA_OKNA x $VYSKA_NORMALNA, was $ZV_W x $ZV_H" [ "$ZV_W" = "$SIRKA_OKNA" -a "$ZV_H" = "$VYSKA_NORMALNA" ]
klient_v_okne
check "first run: minimise box, not topmost (style $I_STYLE, exstyle $I_EXSTYLE)" [ "$I_MINIMIZEBOX" = 1 -a "$I_TOPMOST" = 0 ]
pred=$VYSTUP/pred_hladanim.png krok=$VYSTUP/krok.png cely="${ZV_W}x${ZV_H}+0+0"
check "before the search: status box found" zv_cakaj 10 stav "$OKNO" "$pred"
ys_pred=$R
cp "$pred" "$SNIMKY/normalny_rezim_start.png"

# TAB before any search does nothing: Down then Up are seen, the pointer stays.
xdotool mousemove 5 5 key Tab Down
check "DOWN before a search moves the highlight" zv_cakaj 5 ine "$OKNO" "$pred" "$cely" "$krok"
xdotool key Up
check "UP brings the first picture back" zv_cakaj 5 rovnake "$OKNO" "$pred" "$cely" "$krok"
check "TAB before a search leaves the pointer" pointer_na 5 5

# ENTER: the centres file holds what the scan command finds with the window left out.
okno="$ZV_X,$ZV_Y,$((ZV_X + ZV_W - 1)),$((ZV_Y + ZV_H - 1))"
"$SCAN" "$PLOCHA" --exclude "$okno" --band 0 --min 20 --fill 70 >"$VYSTUP/ocakavane1.txt"
n=$(grep -c , "$VYSTUP/ocakavane1.txt")
check "scan command finds objects on the sample desktop ($n)" [ "$n" -ge 3 ]
po=$VYSTUP/po_hladani.png
nutne "ENTER: Stredy.txt written" hladaj
check "ENTER: status box moves" zv_cakaj 30 stav "$OKNO" "$po" "$ys_pred"
check "ENTER: Stredy.txt equals the scan of the same desktop without the window ($okno)" \
  subory_rovnake "$PRAC/Stredy.txt" "$VYSTUP/ocakavane1.txt" ||
  { echo "--- Stredy.txt"; cat "$PRAC/Stredy.txt"; echo "--- expected"; cat "$VYSTUP/ocakavane1.txt"; }

# The picture after the search: the status box lower down, the TAB line where it stood.
ys_po=$(riadok_stavu "$po")
check "after the search: status box lower ($ys_pred -> $ys_po)" [ "$ys_po" -ge $((ys_pred + 12)) ]
d=$(rozdiel "$pred" "$po" "180x14+$((KX + 7))+$((ys_pred - 15))")
check "after the search: TAB line drawn above the old status row ($d pixels changed)" [ "$d" -ge 150 ]
cp "$po" "$SNIMKY/normalny_rezim.png"

# TAB, TAB, ...: the pointer visits the centres in order and wraps to the first.
mapfile -t stredy < <(tr -d '\r' <"$PRAC/Stredy.txt")
n=${#stredy[@]}
for k in $(seq 0 "$n"); do
  ciel=${stredy[$((k % n))]}
  xdotool key Tab
  check "TAB $((k + 1)): pointer at centre $((k % n + 1)) ($ciel)" zv_cakaj 5 pointer_na "${ciel%,*}" "${ciel#*,}"
done

# Arrow keys change the settings: each key changes the picture, and a new search uses them.
cp "$po" "$VYSTUP/sipka.png"
for k in Right Down Right Down Left Up; do
  xdotool key "$k"
  check "$k changes the window's picture" zv_cakaj 5 ine "$OKNO" "$VYSTUP/sipka.png" "$cely" "$krok"
  cp "$krok" "$VYSTUP/sipka.png"
done
"$SCAN" "$PLOCHA" --exclude "$okno" --band 1 --min 25 --fill 65 >"$VYSTUP/ocakavane2.txt"
nutne "second ENTER: Stredy.txt written" hladaj
check "second ENTER: band 2, size 25, fill 65 give the scan's centres ($(grep -c , "$VYSTUP/ocakavane2.txt"))" \
  subory_rovnake "$PRAC/Stredy.txt" "$VYSTUP/ocakavane2.txt"

# Moved by its caption, so that the saved position is not the centred one; ESC: exit code 0 and the
# eight values as they were shown.
check "window dragged by its caption" posun_okno
snimka_okna "$OKNO" "$VYSTUP/pred_esc.png"
koniec Escape ESC
registry >"$VYSTUP/registry1.txt"
ocakavane="InfoKurzor=00 StupneSedi=1 VelkostObjektu=25 Volba=2 WindowPos=$((NX | (NY << 16))) WindowShow=1"
ocakavane+=" WindowSize=$((SIRKA_OKNA | (VYSKA_NORMALNA << 16))) percento_vyplne=65"
check "ESC: the registry holds the eight values shown" [ "$(xargs <"$VYSTUP/registry1.txt")" = "$ocakavane" ] ||
  cat "$VYSTUP/registry1.txt"

# Second start: position and settings restored.
nutne "second start: window appears" spusti
check "second start: at the saved position ($NX, $NY), was ($ZV_X, $ZV_Y)" [ "$ZV_X" = "$NX" -a "$ZV_Y" = "$NY" ]
check "second start: $SIRKA_OKNA x $VYSKA_NORMALNA" [ "$ZV_W" = "$SIRKA_OKNA" -a "$ZV_H" = "$VYSKA_NORMALNA" ]
zv_cakaj 10 stav "$OKNO" "$VYSTUP/druhy_start.png"
# The settings lines above the status box look exactly as when the first run ended.
d=$(rozdiel "$VYSTUP/pred_esc.png" "$VYSTUP/druhy_start.png" "${ZV_W}x$((R - 16))+0+0")
check "second start: the settings lines show the saved values ($d pixels differ)" [ "$d" = 0 ]
koniec Escape "second start: ESC"
vysledok
