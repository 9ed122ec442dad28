// PohybMysiDesktop: gathers the client size, the cursor and one screen pixel for the readout.
#include "tracking/sledovanie.h"

#include "common/dpi_win32.h"

void KurzorAFarba(POINT* kurzor, COLORREF* farba)
{
    // Physical pixels: on a scaled display the position and the pixel are the screen's own.
    HANDLE dpi = DpiFyzickeZaciatok();
    POINT poloha = {0, 0};
    GetCursorPos(&poloha);
    *kurzor = poloha;
    // The screen's context is held only for the one pixel and given back before any drawing.
    HDC obrazovka = GetDC(NULL);
    *farba = GetPixel(obrazovka, poloha.x, poloha.y);
    ReleaseDC(NULL, obrazovka);
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
