// The search into the program's lists with one state kept for the process's life, as the tests and
// benchmarks call it.
#pragma once
#include "common/wintypes.h"
#include "search/hladanie.h"

// HladajDoZoznamov with a state of the kit's own, kept for the process's life.
int HladajObjekty(int w, int h, const COLORREF* farby, RECT vylucene, int stupen, int min_velkost,
                  int percento);

// The counts of the latest HladajObjekty.
PoctyHladania PoslednePocty();
