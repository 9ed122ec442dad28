// Puts the control window into one of its two modes, as start-up and the Settings dialog do.
#include "shell/rezim_okna_win32.h"
#include "shell/rezim_okna.h"

void NastavRezimOkna(HWND okno, DWORD sledovanie)
{
    RezimOkna r = RezimPreSledovanie(sledovanie);
    // The normal mode takes back a topmost placement of an earlier tracking mode; it still puts the
    // window at the top of the other windows, as HWND_TOP would.
    SetWindowPos(okno, r.navrchu ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, r.sirka, r.vyska, SWP_NOMOVE);
    SetWindowLongA(okno, GWL_STYLE, (LONG)r.styl);
    // The frame is cached: without this the caption keeps the buttons of the style before.
    SetWindowPos(okno, NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
