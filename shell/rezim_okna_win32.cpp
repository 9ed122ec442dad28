// Puts the control window into one of its two modes, as start-up and the Settings dialog do.
#include "shell/rezim_okna.h"

void NastavRezimOkna(HWND okno, DWORD sledovanie)
{
    RezimOkna r = RezimPreSledovanie(sledovanie);
    SetWindowPos(okno, r.navrchu ? HWND_TOPMOST : HWND_TOP, 0, 0, r.sirka, r.vyska, SWP_NOMOVE);
    SetWindowLongA(okno, GWL_STYLE, (LONG)r.styl);
}
