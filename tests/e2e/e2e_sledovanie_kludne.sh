# Tracking on with the pointer and the screen still: the readout stays as it is, follows the pointer
# once it moves, and shows the same again when the pointer comes back.
. "$(dirname "$0")/pomoc.sh"
zaciatok 1024 768 zv_vzorova_plocha

wine reg add 'HKCU\Software\Zentrivo' /v InfoKurzor /t REG_BINARY /d 01 /f >/dev/null 2>&1
xdotool mousemove 700 700
nutne "window appears in the tracking mode" spusti
check "tracking mode $SIRKA_OKNA x $VYSKA_SLEDOVANIA" zv_cakaj 10 vyska_je "$VYSKA_SLEDOVANIA"
info " Objekty"
klient_v_okne
pas="${KW}x$VYSKA_PASU+$KX+$((KY + KH - VYSKA_PASU))"
kludny=$VYSTUP/kludny.png neskor=$VYSTUP/neskor.png pohnuty=$VYSTUP/pohnuty.png spat=$VYSTUP/spat.png
pas_vidno() { snimka_okna "$OKNO" "$kludny" && [ "$(pocet_farby "$kludny" "$FARBA_PASU" "$pas")" -ge $((KW * 6)) ]; }
nutne "the readout strip is shown" zv_cakaj 10 pas_vidno
sleep 2
snimka_okna "$OKNO" "$kludny"
sleep 1
snimka_okna "$OKNO" "$neskor"
check "pointer still: the readout stays as it was ($(rozdiel "$kludny" "$neskor" "$pas") pixels differ)" \
  [ "$(rozdiel "$kludny" "$neskor" "$pas")" = 0 ]
xdotool mousemove 123 456
check "the pointer moved after a still while: the readout follows it" zv_cakaj 5 ine "$OKNO" "$kludny" "$pas" "$pohnuty"
xdotool mousemove 700 700
check "the pointer back where it was: the readout shows the same as then" zv_cakaj 5 rovnake "$OKNO" "$kludny" "$pas" "$spat"
koniec Escape ESC
vysledok
