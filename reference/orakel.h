// The reference search for the tests, the benchmarks and the fuzz target: the search's steps transcribed
// literally, entry by entry.
#pragma once
#include <vector>

#include "common/wintypes.h"

namespace orakel {

// The two repairs of the lead-in handling; both on is what the product does.
struct Opravy {
    bool len_zostavajuci_nabeh = true;  // the lead-in removal takes only lead-in entries still listed
    bool cistit_nad_boxom = true;       // ranges widened above the box top are cleared with the box
};

struct Vysledok {
    std::vector<POINT> centers;
    std::vector<RECT> objekty;
    int nastavene_rozsahy = 0;  // rows whose range is not (-1, -1) when the search ends
};

Vysledok OrakelHladaj(int w, int h, const COLORREF* farby, RECT vylucene, int stupen, int min_velkost,
                      int percento, Opravy opravy = Opravy());

// The same steps on the pixels of colour `farba`: those whose red, green and blue each differ from
// its own by at most `tolerancia`.
Vysledok OrakelHladajFarbu(int w, int h, const COLORREF* farby, RECT vylucene, COLORREF farba, int tolerancia,
                           int min_velkost, int percento);

}  // namespace orakel
