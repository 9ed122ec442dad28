# A desktop without a grey object: ENTER writes an empty Stredy.txt and says so in red, in the status
# box where it stood.
. "$(dirname "$0")/pomoc.sh"
# The sample desktop's coloured shapes and a dark blue square, and no grey pixel at all.
bez_sedej() {
  convert -size "${2}x$3" xc:'#3a6e96' +antialias -fill '#c02020' -draw 'rectangle 300,80 379,159' \
    -fill '#20a040' -draw 'circle 940,400 940,440' -fill '#102030' -draw 'rectangle 60,60 139,119' "$1"
}
zaciatok 1024 768 bez_sedej

nutne "window appears" spusti
klient_v_okne
zv_cakaj 10 stav "$OKNO" "$VYSTUP/pred.png"
r=$R box="${STATUS_SIRKA}x$STATUS_VYSKA+$((KX + STATUS_X))+$R" po=$VYSTUP/po.png
check "before the search: no red in the status box" [ "$(pocet "$VYSTUP/pred.png" "$box" "$CERVENA")" = 0 ]
nutne "ENTER: Stredy.txt written" hladaj
check "ENTER: Stredy.txt is empty" [ ! -s "$PRAC/Stredy.txt" ]
cervene() { snimka_okna "$OKNO" "$po" && C=$(pocet "$po" "$box" "$CERVENA") && [ "$C" -ge 20 ]; }
zv_cakaj 5 cervene
check "ENTER: red status text in the unmoved status box ($C red pixels)" [ "$C" -ge 20 ]
check "ENTER: status box stays where it was" [ "$(riadok_stavu "$po")" = "$r" ]
cp "$po" "$SNIMKY/nic_sa_nenaslo.png"
koniec Escape ESC
vysledok
