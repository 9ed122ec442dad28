// The search into the program's result lists: the lists that the control window and the centres
// file read, filled from a search state's results.
#include <cstring>

#include "search/hladanie.h"
#include "search/vysledky.h"

int HladajDoZoznamov(StavHladania* stav, int w, int h, const COLORREF* farby, RECT vylucene, int stupen,
                     int min_velkost, int percento)
{
    stav->pocty = PoctyHladania{0, 0};
    if (w <= 0 || h <= 0 || !farby) return 0;
    // Without its tables the search cannot run, which is not the same as finding nothing.
    const int s = HladajSoStavom(stav, w, h, farby, vylucene, stupen, min_velkost, percento);
    if (s <= 0) return s;
    // The lists keep their size while the objects fit; otherwise they grow by what was found. An
    // object that cannot be kept fails the whole search, and the lists stay as they were.
    if (!MiestoPreObjekt(s - 1)) return -1;
    memcpy(centers, stav->centers, (size_t)s * sizeof(POINT));
    memcpy(objekty, stav->objekty, (size_t)s * sizeof(RECT));
    return s;
}
