# A position saved on a bigger screen, (3248, 1918) from a 3840 x 2160 one, and a wrapped one,
# 0xFFFF7000: the window opens wholly on this screen, ENTER writes the scan command's centres, ESC
# saves a position on the screen and exits with 0.
. "$(dirname "$0")/pomoc.sh"
zaciatok 1280 1024 zv_vzorova_plocha

for ulozene in $((3248 | (1918 << 16))) $((0xFFFF7000)); do
  popis=$(printf 'WindowPos 0x%08X' "$ulozene")
  zapis WindowPos REG_DWORD "$ulozene"
  nutne "$popis: window appears and is painted" spusti
  check "$popis: the window ($ZV_X, $ZV_Y, $ZV_W x $ZV_H) lies wholly on the $ZV_SIRKA x $ZV_VYSKA screen" \
    [ "$ZV_X" -ge 0 -a "$ZV_Y" -ge 0 -a $((ZV_X + ZV_W)) -le "$ZV_SIRKA" -a $((ZV_Y + ZV_H)) -le "$ZV_VYSKA" ]
  ocakavane
  nutne "$popis: ENTER writes Stredy.txt" hladaj
  check "$popis: Stredy.txt holds the scan's $(grep -c , "$VYSTUP/ocakavane.txt") centres" \
    subory_rovnake "$PRAC/Stredy.txt" "$VYSTUP/ocakavane.txt"
  koniec Escape "$popis: ESC"
  check "$popis: the position saved is the one shown" grep -qx "WindowPos=$((ZV_X | (ZV_Y << 16)))" <(registry)
done
vysledok
