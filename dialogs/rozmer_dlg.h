// How large a caption-less dialog must be to show all it paints and all its controls.
#pragma once
#include "common/wintypes.h"

// An empty rectangle for ZahrnObdlznik to grow from.
RECT PrazdnyObsah();
// Grows *obsah (right and bottom exclusive) to take in the w x h box at (x, y).
void ZahrnObdlznik(RECT* obsah, int x, int y, int w, int h);
// How many pixels the client area of size klient lacks in width and height so that obsah,
// with okraj pixels to spare on its right and bottom, fits in it; never negative.
SIZE ChybajuciRozmer(SIZE klient, RECT obsah, int okraj);
