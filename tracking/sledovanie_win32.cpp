// PohybMysiDesktop: gathers the client size, the cursor and one screen pixel for the readout.
#include "tracking/sledovanie.h"

void PohybMysiDesktop(HWND okno, HDC* platno)
{
    RECT klient;
    GetClientRect(okno, &klient);
    POINT kurzor;
    GetCursorPos(&kurzor);
    // The screen's context is held only for the one pixel and given back before any drawing.
    HDC obrazovka = GetDC(NULL);
    COLORREF farba = GetPixel(obrazovka, kurzor.x, kurzor.y);
    ReleaseDC(NULL, obrazovka);
    KresliSledovanie(*platno, klient.right, klient.bottom, kurzor.x, kurzor.y, farba);
}
