// Scenes made of grey rectangles, the shape most search cases are built from.
#pragma once
#include <initializer_list>

#include "reference/sceny.h"

// A w x h scene with the rectangles (bounds inclusive) drawn in colour c, in order, over the background.
inline Scena Obdlzniky(std::initializer_list<RECT> obdlzniky, COLORREF c, int w = 100, int h = 100)
{
    Scena s = NovaScena(w, h);
    for (const RECT& r : obdlzniky) Obdlznik(&s, r.left, r.top, r.right, r.bottom, c);
    return s;
}
