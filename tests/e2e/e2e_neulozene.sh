# A folder named Stredy.txt in the working folder: after ENTER the window says that Stredy.txt could
# not be written, in its own colour, the objects found still count and TAB moves the pointer to them;
# no temporary file stays behind.
. "$(dirname "$0")/pomoc.sh"
zaciatok 1024 768 zv_vzorova_plocha

mkdir "$PRAC/Stredy.txt"
nutne "window appears" spusti
klient_v_okne
ocakavane
pred=$VYSTUP/pred.png po=$VYSTUP/po.png
zv_cakaj 10 stav "$OKNO" "$pred"
xdotool key Return
# The status box moves down as after any search that found objects, and shows the text in its colour.
nutne "ENTER: the search ends (the status box moves)" zv_cakaj 30 stav "$OKNO" "$po" "$R"
box="${STATUS_SIRKA}x$STATUS_VYSKA+$((KX + STATUS_X))+$R" oranzova=$(farba "$FARBA_NEULOZENE" 40)
n=$(pocet "$po" "$box" "$oranzova")
check "ENTER: the status box says Stredy.txt was not written ($n pixels of $FARBA_NEULOZENE)" [ "$n" -ge 20 ]
check "ENTER: nothing of that colour before" [ "$(pocet "$pred" "$box" "$oranzova")" = 0 ]
cp "$po" "$SNIMKY/stredy_neulozene.png"
check "the folder Stredy.txt is still there" test -d "$PRAC/Stredy.txt"
check "no temporary file stays behind" [ -z "$(ls "$PRAC" | grep -v -e '^Stredy.txt$' -e '^wine.log$')" ]
prvy=$(head -n1 "$VYSTUP/ocakavane.txt")
xdotool key Tab
check "TAB: pointer at the first centre ($prvy)" zv_cakaj 5 pointer_na "${prvy%,*}" "${prvy#*,}"
koniec Escape ESC
vysledok
