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
    // The tables and then the lists grow before a pixel is read, so that running out of memory
    // leaves the lists whole.
    if (!PripravStav(stav, w, h) || !RozsirVysledky(w, h)) return 0;
    const int s = HladajSoStavom(stav, w, h, farby, vylucene, stupen, min_velkost, percento);
    if (s <= 0) return 0;
    memcpy(centers, stav->centers, (size_t)s * sizeof(POINT));
    memcpy(objekty, stav->objekty, (size_t)s * sizeof(RECT));
    return s;
}

static StavHladania stav_hladania;  // the state of HladajObjekty

PoctyHladania PoslednePocty() { return stav_hladania.pocty; }

int HladajObjekty(int w, int h, const COLORREF* farby, RECT vylucene, int stupen, int min_velkost,
                  int percento)
{
    return HladajDoZoznamov(&stav_hladania, w, h, farby, vylucene, stupen, min_velkost, percento);
}
