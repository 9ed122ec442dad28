# The menu and its dialogs: Settings turns cursor tracking on (topmost, taller, the readout strip) and
# off, About closes by a click or ESC, Koniec saves the mode, and a start in the tracking mode.
. "$(dirname "$0")/pomoc.sh"
zaciatok 1024 768 zv_vzorova_plocha

nutne "window appears" spusti
check "window dragged by its caption" posun_okno
normalny=$VYSTUP/normalny_rezim.png
zv_cakaj 10 stav "$OKNO" "$normalny"

# Menu 402 by its mnemonic: the Settings dialog; check the box, OK: tracking mode.
nutne "402: Settings dialog opens" otvor alt+n " Nastavenia"
info " Objekty"
check "402: control window disabled while the dialog is open" [ "$I_ENABLED" = 0 ]
check "Settings: OK, Cancel and the box lie inside the caption-less dialog" ovladace_vnutri " Nastavenia" 1 2 501
check "Settings: box unchecked while tracking is off" zaskrtnute " Nastavenia" 501 0
snimka_s_dialogom " Nastavenia" "$SNIMKY/nastavenia.png"
klikni_ovladac " Nastavenia" 501
check "Settings: a click checks the box" zv_cakaj 5 zaskrtnute " Nastavenia" 501 1
klikni_ovladac " Nastavenia" 1
check "Settings OK: dialog closes" zv_cakaj 10 okno_zmizlo " Nastavenia"
check "Settings OK: tracking mode $SIRKA_OKNA x $VYSKA_SLEDOVANIA" zv_cakaj 5 vyska_je "$VYSKA_SLEDOVANIA"
check "Settings OK: position kept ($ZV_X, $ZV_Y)" poloha_je "$NX" "$NY"
klient_v_okne
check "Settings OK: topmost, no minimise box (style $I_STYLE, exstyle $I_EXSTYLE)" [ "$I_TOPMOST" = 1 -a "$I_MINIMIZEBOX" = 0 ]

# The readout strip along the bottom of the client area, filled with its grey, follows the pointer.
sled=$VYSTUP/sledovanie.png sled2=$VYSTUP/sledovanie2.png sled_prvy=$SNIMKY/sledovanie_kurzora.png
xdotool mousemove 700 700
check "tracking: readout strip along the bottom, $KW x 6 pixels of $FARBA_PASU at least" zv_cakaj 5 pas_vidno "$sled"
cp "$sled" "$sled_prvy"
xdotool mousemove 123 456
check "tracking: the readout follows the pointer" zv_cakaj 5 ine "$OKNO" "$sled" "$PAS" "$sled2"

# Timer repaints go on while a dialog is open: the strip follows the pointer behind Settings.
nutne "402 again: Settings dialog opens" otvor alt+n " Nastavenia"
check "Settings: box checked while tracking is on" zaskrtnute " Nastavenia" 501 1
snimka_okna "$OKNO" "$sled"
xdotool mousemove 777 111
check "tracking: the readout follows the pointer while Settings is open" zv_cakaj 5 ine "$OKNO" "$sled" "$PAS" "$sled2"
klikni_ovladac " Nastavenia" 501
zv_cakaj 5 zaskrtnute " Nastavenia" 501 0
xdotool key Escape
check "Settings ESC: dialog closes" zv_cakaj 10 okno_zmizlo " Nastavenia"
zv_geometria "$OKNO"
info " Objekty"
check "Settings Cancel: tracking mode kept (${ZV_W}x$ZV_H, topmost $I_TOPMOST)" [ "$ZV_H" = "$VYSKA_SLEDOVANIA" -a "$I_TOPMOST" = 1 ]

# Menu 403: the About dialog, closed by a click on its text, then by ESC.
nutne "403: About dialog opens" otvor alt+o " O programe"
check "About: OK lies inside the caption-less dialog" ovladace_vnutri " O programe" 1
sleep 0.3
snimka_s_dialogom " O programe" "$SNIMKY/o_programe.png"
info " O programe"
read -r dl dt _ <<<"$I_RECT"
xdotool mousemove $((dl + 40)) $((dt + 30)) click 1
check "About: a click on the text closes it" zv_cakaj 10 okno_zmizlo " O programe"
nutne "403 again: About dialog opens" otvor alt+o " O programe"
xdotool key Escape
check "About: ESC closes it" zv_cakaj 10 okno_zmizlo " O programe"
info " Objekty"
check "after the dialogs the control window is enabled" [ "$I_ENABLED" = 1 ]

# Menu 404: exit code 0, tracking saved.
koniec alt+k 404
check "404: InfoKurzor saved as 01" grep -qx 'InfoKurzor=01' <(registry)

# A start in the tracking mode, from the registry; Alt+F4 also exits with 0.
nutne "tracking start: window appears" spusti
info " Objekty"
check "tracking start: tracking mode (${ZV_W}x$ZV_H at $ZV_X,$ZV_Y, topmost $I_TOPMOST, minimise box $I_MINIMIZEBOX)" \
  [ "$ZV_H" = "$VYSKA_SLEDOVANIA" -a "$ZV_W" = "$SIRKA_OKNA" -a "$ZV_X" = "$NX" -a "$ZV_Y" = "$NY" -a "$I_TOPMOST" = 1 -a "$I_MINIMIZEBOX" = 0 ]
# The caption's buttons follow the mode (all three pictures with the window active): the same in the
# tracking mode whether it was switched on or started in, other than in the normal mode.
treti=$VYSTUP/sledovanie_start.png tlacidla="74x16+$((ZV_W - 78))+3"
zv_cakaj 10 stav "$OKNO" "$treti"
d=$(rozdiel "$sled_prvy" "$treti" "$tlacidla")
check "caption buttons of the tracking mode switched on equal those at start ($d pixels differ)" [ "$d" = 0 ]
d=$(rozdiel "$normalny" "$treti" "$tlacidla")
check "caption buttons of the normal mode differ from the tracking mode's ($d pixels differ)" [ "$d" -ge 20 ]

# Tracking off again: ENTER in the dialog is OK; the normal mode, no longer topmost.
nutne "tracking start: Settings dialog opens" otvor alt+n " Nastavenia"
klikni_ovladac " Nastavenia" 501
check "Settings: a click clears the box" zv_cakaj 5 zaskrtnute " Nastavenia" 501 0
xdotool key Return
check "Settings ENTER: dialog closes" zv_cakaj 10 okno_zmizlo " Nastavenia"
check "Settings ENTER: normal mode $SIRKA_OKNA x $VYSKA_NORMALNA" zv_cakaj 5 vyska_je "$VYSKA_NORMALNA"
info " Objekty"
check "Settings ENTER: not topmost, minimise box (style $I_STYLE, exstyle $I_EXSTYLE)" [ "$I_TOPMOST" = 0 -a "$I_MINIMIZEBOX" = 1 ]

koniec alt+F4 Alt+F4
check "Alt+F4: InfoKurzor saved as 00" grep -qx 'InfoKurzor=00' <(registry)
vysledok
