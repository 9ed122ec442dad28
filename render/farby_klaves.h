// The key caps' colours: one palette for KlavesaMala and the arrow keys of the kit.
#pragma once
#include "common/wintypes.h"

const COLORREF OBRYS_KLAVESY = RGB(0, 190, 255);   // the outline of every key cap
const COLORREF VYPLN_KLAVESY = RGB(150, 200, 255); // its fill
const COLORREF FARBA_POPISU = RGB(0, 70, 95);      // the caption of KlavesaMala
const COLORREF FARBA_ZNAKU = RGB(80, 100, 120);    // the glyph of an arrow key
