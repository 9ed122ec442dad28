// The readout's screen side (Windows build): the cursor and the pixel under it, and the readout drawn
// from them.
#pragma once
#include <windows.h>

// The cursor's position and the colour of the screen pixel under it, in physical pixels.
void KurzorAFarba(POINT* kurzor, COLORREF* farba);
// Reads the client size, the cursor and the screen pixel under it, then draws the readout onto *platno;
// the position and colour it shows go to *kurzor and *farba when they are given.
void PohybMysiDesktop(HWND okno, HDC* platno, POINT* kurzor = NULL, COLORREF* farba = NULL);
