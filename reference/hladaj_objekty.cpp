// The search into the program's lists with a state of its own, for the tests and benchmarks.
#include "reference/hladaj_objekty.h"

static StavHladania stav_hladania;  // the state of HladajObjekty

PoctyHladania PoslednePocty() { return stav_hladania.pocty; }

int HladajObjekty(int w, int h, const COLORREF* farby, RECT vylucene, int stupen, int min_velkost,
                  int percento)
{
    return HladajDoZoznamov(&stav_hladania, w, h, farby, vylucene, stupen, min_velkost, percento);
}
