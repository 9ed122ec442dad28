// The result lists of the native build: empty at start, grown by the first search.
#include "search/vysledky.h"

POINT* centers = nullptr;
RECT* objekty = nullptr;
int poloziek_dskt_point_pola = 0;
int poloziek_dskt_rect_pola = 0;
