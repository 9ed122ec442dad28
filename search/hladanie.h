// The object search proper: platform-free, on a snapshot of the desktop held in memory.
#pragma once
#include "common/wintypes.h"

// Finds the objects of exactly-grey pixels of band `stupen` in the w x h desktop `farby`
// (row-major, w colour values a row), leaving out `vylucene` (all four bounds inclusive).
// Keeps those at least `min_velkost` wide and high and filled to `percento` of their rectangle,
// fills centers and objekty from entry 0 and returns how many were kept. -1 when the search cannot
// run: its work tables, or room in the lists for every object kept, cannot be had.
int HladajObjekty(int w, int h, const COLORREF* farby, RECT vylucene, int stupen, int min_velkost,
                  int percento);
