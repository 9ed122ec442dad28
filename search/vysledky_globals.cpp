// The result lists: empty until the first search grows them (the Windows program sizes them from the
// desktop at start-up, see vysledky_win32.h).
#include "search/vysledky.h"

POINT* centers = nullptr;
RECT* objekty = nullptr;
int poloziek_dskt_point_pola = 0;
int poloziek_dskt_rect_pola = 0;
