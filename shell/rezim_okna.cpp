// Which z-order, size and style each window mode has.
#include "shell/rezim_okna.h"
#include "shell/stav.h"
#include "tracking/sledovanie.h"

RezimOkna RezimPreSledovanie(DWORD sledovanie)
{
    RezimOkna r;
    if (sledovanie == 1) {
        r.navrchu = 1;
        r.sirka = hl_okno_sirka;
        r.vyska = hl_okno_vyska;
        r.styl = 0x10C80000; // WS_VISIBLE | WS_CAPTION | WS_SYSMENU
    } else {
        r.navrchu = 0;
        r.sirka = hl_okno_sirka;
        r.vyska = hl_okno_vyska - VYSKA_PASU;
        r.styl = 0x10CA0000; // the same with WS_MINIMIZEBOX
    }
    return r;
}
