// Reading an image held in memory as a desktop snapshot: the header's size against the limit, the
// layout against the data's length, and only then the decoder.
#include "scan/scan_obraz.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scan/scan_dekoder.h"
#include "scan/scan_formaty.h"
#include "search/vysledky.h"

COLORREF* CitajObrazZPamate(const unsigned char* data, size_t dlzka, const char* meno, long long max_pixelov,
                            int* w, int* h, char* chyba, size_t miesto)
{
    char dovod[256];
    HlavickaObrazu hl;
    if (!CitajHlavicku(data, dlzka, &hl, dovod, sizeof dovod)) {
        snprintf(chyba, miesto, "%s: %s", meno, dovod);
        return nullptr;
    }
    if (!SkontrolujRozmer(hl, meno, max_pixelov, chyba, miesto)) return nullptr;
    if (!SkontrolujCelistvost(data, dlzka, hl, dovod, sizeof dovod)) {
        snprintf(chyba, miesto, "%s: %s", meno, dovod);
        return nullptr;
    }
    int sirka = 0, vyska = 0, zloziek = 0;
    const char* dovod_dekodera = "";
    unsigned char* pixely = DekodujObraz(data, dlzka, hl, &sirka, &vyska, &zloziek, &dovod_dekodera);
    if (!pixely && strcmp(dovod_dekodera, kBezPamate) == 0) {
        snprintf(chyba, miesto, "%s: not enough memory for a %lld x %lld image", meno, hl.w, hl.h);
        return nullptr;
    }
    if (!pixely) {
        snprintf(chyba, miesto, "%s: the %s image is damaged (%s)", meno, hl.nazov, dovod_dekodera);
        return nullptr;
    }
    if (sirka != hl.w || vyska != hl.h || zloziek < 1 || zloziek > 4) {
        UvolniObraz(pixely);
        snprintf(chyba, miesto, "%s: the %s image is damaged (its size)", meno, hl.nazov);
        return nullptr;
    }
    size_t pocet = (size_t)sirka * (size_t)vyska;
    COLORREF* farby = (COLORREF*)malloc(pocet * sizeof(COLORREF));
    if (!farby) {
        UvolniObraz(pixely);
        snprintf(chyba, miesto, "%s: not enough memory for a %d x %d image", meno, sirka, vyska);
        return nullptr;
    }
    // Grey counts as red, green and blue alike; alpha is dropped.
    const bool sedy = zloziek < 3;
    for (size_t k = 0; k < pocet; k++) {
        const unsigned char* p = pixely + k * (size_t)zloziek;
        farby[k] = sedy ? RGB(p[0], p[0], p[0]) : RGB(p[0], p[1], p[2]);
    }
    UvolniObraz(pixely);
    *w = sirka;
    *h = vyska;
    return farby;
}

int SkontrolujRozmer(const HlavickaObrazu& hl, const char* meno, long long max_pixelov, char* chyba, size_t miesto)
{
    const long long pixelov = hl.w * hl.h;
    if (max_pixelov > 0 && pixelov > max_pixelov) {
        snprintf(chyba, miesto, "%s: %lld x %lld is %lld pixels, over the limit of %lld (--max-pixels sets another)",
                 meno, hl.w, hl.h, pixelov, max_pixelov);
        return 0;
    }
    // The image must fit the program's result lists, whose count is a signed 32-bit number.
    if (PoloziekZoznamu(hl.w, hl.h) == 0) {
        snprintf(chyba, miesto, "%s: the image is too large (%lld x %lld)", meno, hl.w, hl.h);
        return 0;
    }
    return 1;
}
