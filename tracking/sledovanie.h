// Cursor tracking readout: a strip along the bottom edge with the cursor's position and the colour under it.
#pragma once
#include "common/wintypes.h"

// Draws the readout for a client area sirka x vyska, the cursor at (x, y) in screen coordinates and
// the colour of the pixel under it: one Okienko and five Napis calls on hdc.
void KresliSledovanie(HDC hdc, int sirka, int vyska, int x, int y, COLORREF farba);

#ifdef _WIN32
// The cursor's position and the colour of the screen pixel under it, in physical pixels.
void KurzorAFarba(POINT* kurzor, COLORREF* farba);
// Reads the client size, the cursor and the screen pixel under it, then draws the readout onto *platno;
// the position and colour it shows go to *kurzor and *farba when they are given.
void PohybMysiDesktop(HWND okno, HDC* platno, POINT* kurzor = NULL, COLORREF* farba = NULL);
#endif
