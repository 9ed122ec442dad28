// PohybMysiDesktop: gathers the client size, the cursor and one screen pixel for the readout.
#include "tracking/sledovanie_win32.h"

#include "common/dpi_win32.h"
#include "tracking/sledovanie.h"

// A context of the whole screen for the pixel under the cursor, made on first use (inside the DPI
// seam) and kept until the process ends: getting and releasing the screen's context at every tick
// cost more than all the rest of an idle tick under Wine. NULL until it can be made.
static HDC KontextObrazovky()
{
    static HDC obrazovka = NULL;
    if (!obrazovka) obrazovka = CreateDCA("DISPLAY", NULL, NULL, NULL);
    return obrazovka;
}

void KurzorAFarba(POINT* kurzor, COLORREF* farba)
{
    // Physical pixels: on a scaled display the position and the pixel are the screen's own.
    HANDLE dpi = DpiFyzickeZaciatok();
    POINT poloha = {0, 0};
    GetCursorPos(&poloha);
    *kurzor = poloha;
    HDC obrazovka = KontextObrazovky();
    *farba = obrazovka ? GetPixel(obrazovka, poloha.x, poloha.y) : CLR_INVALID;
    DpiFyzickeKoniec(dpi);
}

void PohybMysiDesktop(HWND okno, HDC* platno, POINT* kurzor, COLORREF* farba)
{
    RECT klient;
    GetClientRect(okno, &klient);
    POINT k;
    COLORREF f;
    KurzorAFarba(&k, &f);
    KresliSledovanie(*platno, klient.right, klient.bottom, k.x, k.y, f);
    if (kurzor) *kurzor = k;
    if (farba) *farba = f;
}
