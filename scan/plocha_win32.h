// zentrivo-scan's desktop on Windows beside the search over it: the whole virtual screen copied, for
// the watch, which compares one copy with the next.
#pragma once
#include "common/wintypes.h"
#include "scan/plocha.h"

// Copies the desktop that ZistiMonitory gave in p, p.w x p.h pixels row-major, into farby. 1, or 0
// when the screen could not be copied.
int KopirujPlochu(const Plocha& p, COLORREF* farby);
