// The samples of a binary PPM/PGM, scaled to 8 bits by the rule every format shares.
#include "scan/scan_pnm.h"

#include <cstdlib>

#include "scan/scan_vzorky.h"

unsigned char* DekodujPnm(const unsigned char* data, const HlavickaObrazu& hl, int* zloziek)
{
    *zloziek = data[1] == '6' ? 3 : 1;
    const size_t pocet = (size_t)hl.w * (size_t)hl.h * (size_t)*zloziek;
    unsigned char* pixely = (unsigned char*)malloc(pocet);
    if (!pixely) return nullptr;
    const unsigned char* p = data + hl.pixely_od;
    const unsigned long long max = (unsigned long long)hl.max_hodnota;
    if (max > 255) {
        for (size_t k = 0; k < pocet; k++) pixely[k] = Na8Bitov((unsigned)p[2 * k] << 8 | p[2 * k + 1], max);
    } else if (max == 255) {
        for (size_t k = 0; k < pocet; k++) pixely[k] = p[k];
    } else {
        unsigned char tabulka[256];  // the value of each byte, computed once
        for (unsigned v = 0; v < 256; v++) tabulka[v] = Na8Bitov(v, max);
        for (size_t k = 0; k < pocet; k++) pixely[k] = tabulka[p[k]];
    }
    return pixely;
}
