// Cursor tracking readout: a strip along the bottom edge with the cursor's position and the colour under it.
#pragma once
#include "common/wintypes.h"

// The strip's height, pixels: the tracking mode's window is this much taller than the normal one.
const int VYSKA_PASU = 17;

// Draws the readout for a client area sirka x vyska, the cursor at (x, y) in screen coordinates and
// the colour of the pixel under it: one Okienko and five Napis calls on hdc.
void KresliSledovanie(HDC hdc, int sirka, int vyska, int x, int y, COLORREF farba);
