// The Settings dialog's picture: the check box's label with the note on its cost below it.
#include "dialogs/nastavenia_dlg.h"
#include "dialogs/rozmer_dlg.h"
#include "render/kit.h"

void KresbaNastavenia(HDC hdc, RECT* obsah)
{
    *obsah = PrazdnyObsah();
    SIZE r = {0, 0};
    Napis(hdc, &r, "Sledovať kurzor", -1, 39, 22, RGB(0, 0, 0), -12, 0, 0, "Segoe UI");
    ZahrnObdlznik(obsah, 39, 22, r.cx, r.cy);

    // The note sits right below the label, whatever height the label's font came out.
    int y = 22 + r.cy;
    Napis(hdc, &r, "(zvýši záťaž CPU)", -1, 41, y, RGB(180, 150, 50), -9, 0, 0, "Verdana");
    ZahrnObdlznik(obsah, 41, y, r.cx, r.cy);
}

void OnWM_PAINTDLG2(HDC hdc)
{
    RECT obsah;
    KresbaNastavenia(hdc, &obsah);
}
