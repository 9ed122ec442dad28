# A script that reads Stredy.txt while ENTER runs, 50 times, sees the complete file every time, never a
# missing, empty or partly written one; no temporary file stays behind.
. "$(dirname "$0")/pomoc.sh"
zaciatok 1024 768 zv_vzorova_plocha

nutne "window appears" spusti
ocakavane
sed -i 's/$/\r/' "$VYSTUP/ocakavane.txt"
xdotool key Return
nutne "the first ENTER writes the scan's centres" zv_cakaj 30 cmp -s "$PRAC/Stredy.txt" "$VYSTUP/ocakavane.txt"

# The reader: reads the file whole as fast as it can until told to stop, counting reads and bad ones.
citatel() {
  local ocakavane obsah citani=0 zlych=0
  ocakavane=$(<"$VYSTUP/ocakavane.txt")
  until [ -e "$VYSTUP/stop" ]; do
    obsah=$(<"$PRAC/Stredy.txt") 2>/dev/null || obsah="(missing)"
    citani=$((citani + 1))
    [ "$obsah" = "$ocakavane" ] || { zlych=$((zlych + 1)); echo "read $citani: ${#obsah} bytes" >>"$VYSTUP/zle_citania.txt"; }
  done
  echo "$citani $zlych" >"$VYSTUP/citania.txt"
}
citatel &
ZV_PIDY="$ZV_PIDY $!"
for i in $(seq 50); do
  xdotool key Return
  stat -c %y "$PRAC/Stredy.txt" >>"$VYSTUP/zmeny.txt"
  sleep 0.1
done
# Each search writes the file anew: done when it has stayed the same for a second.
rovnaky() { local a=$(stat -c %y "$PRAC/Stredy.txt"); sleep 1; [ "$a" = "$(stat -c %y "$PRAC/Stredy.txt")" ]; }
zv_cakaj 60 rovnaky
touch "$VYSTUP/stop"
wait $!
read -r citani zlych <"$VYSTUP/citania.txt"
zapisov=$(sort -u "$VYSTUP/zmeny.txt" | wc -l)
check "the reader read the file $citani times while 50 ENTERs wrote it ($zapisov writes seen)" \
  [ "$citani" -ge 200 -a "$zapisov" -ge 10 ]
check "every read saw the complete file ($zlych bad reads)" [ "$zlych" = 0 ] || head -5 "$VYSTUP/zle_citania.txt"
check "no temporary file stays behind" [ -z "$(ls "$PRAC" | grep -v -e '^Stredy.txt$' -e '^wine.log$')" ]
koniec Escape ESC
vysledok
