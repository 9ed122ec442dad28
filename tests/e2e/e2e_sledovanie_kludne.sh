# Tracking on with the pointer and the screen still: the readout stays as it is, follows the pointer
# once it moves, and shows the same again when the pointer comes back.
. "$(dirname "$0")/pomoc.sh"
zaciatok 1024 768 zv_vzorova_plocha

zapis InfoKurzor REG_BINARY 01
xdotool mousemove 700 700
nutne "window appears in the tracking mode" spusti
check "tracking mode $SIRKA_OKNA x $VYSKA_SLEDOVANIA" zv_cakaj 10 vyska_je "$VYSKA_SLEDOVANIA"
klient_v_okne
kludny=$VYSTUP/kludny.png neskor=$VYSTUP/neskor.png
nutne "the readout strip is shown" zv_cakaj 10 pas_vidno "$kludny"
sleep 2
snimka_okna "$OKNO" "$kludny"
sleep 1
snimka_okna "$OKNO" "$neskor"
d=$(rozdiel "$kludny" "$neskor" "$PAS")
check "pointer still: the readout stays as it was ($d pixels differ)" [ "$d" = 0 ]
xdotool mousemove 123 456
check "the pointer moved after a still while: the readout follows it" zv_cakaj 5 ine "$OKNO" "$kludny" "$PAS" "$VYSTUP/pohnuty.png"
xdotool mousemove 700 700
check "the pointer back where it was: the readout shows the same as then" zv_cakaj 5 rovnake "$OKNO" "$kludny" "$PAS" "$VYSTUP/spat.png"
koniec Escape ESC
vysledok
