// The result lists: allocation from the desktop size and growth for a bigger desktop.
#include "search/vysledky.h"

#include <climits>
#include <cstdlib>

#include "search/tabulka.h"

int PoloziekZoznamu(long long w, long long h)
{
    // In double precision, as the lists have always been sized.
    double sirka = (double)w;
    double vyska = (double)h;
    double velkost = (vyska + 5) * (sirka + 5);
    if (!(velkost >= 0 && velkost <= INT_MAX)) return 0;
    return (int)velkost;
}

POINT* AlokaciaDsktPointPola(int* pocet, int w, int h)
{
    const int velkost = PoloziekZoznamu(w, h);
    POINT* pamat = velkost > 0 ? (POINT*)calloc((size_t)velkost, sizeof(POINT)) : nullptr;
    *pocet = pamat ? velkost : 0;  // a failed allocation holds no entries
    return pamat;
}

RECT* AlokaciaDsktRectPola(int* pocet, int w, int h)
{
    const int velkost = PoloziekZoznamu(w, h);
    RECT* pamat = velkost > 0 ? (RECT*)calloc((size_t)velkost, sizeof(RECT)) : nullptr;
    *pocet = pamat ? velkost : 0;
    return pamat;
}

// Grows each list that has fewer than `potreba` entries to `nove` entries (nove >= potreba), keeping
// its entries and zero-filling the rest; both new blocks are had before either list changes. 1 on
// success, 0 when memory runs out (both lists stay as they were).
static int Zvacsi(int potreba, int nove_bodov, int nove_obdlznikov)
{
    // Entries beyond a search's count keep what earlier searches wrote, so they move along.
    const int bodov = poloziek_dskt_point_pola, obdlznikov = poloziek_dskt_rect_pola;
    POINT* body = bodov < potreba ? (POINT*)VacsiBlok(centers, bodov, nove_bodov, sizeof(POINT)) : centers;
    RECT* obdlzniky = obdlznikov < potreba ? (RECT*)VacsiBlok(objekty, obdlznikov, nove_obdlznikov, sizeof(RECT))
                                           : objekty;
    if (!body || !obdlzniky) {
        if (body != centers) free(body);
        if (obdlzniky != objekty) free(obdlzniky);
        return 0;
    }
    if (body != centers) {
        free(centers);
        centers = body;
        poloziek_dskt_point_pola = nove_bodov;
    }
    if (obdlzniky != objekty) {
        free(objekty);
        objekty = obdlzniky;
        poloziek_dskt_rect_pola = nove_obdlznikov;
    }
    return 1;
}

int RozsirVysledky(int w, int h)
{
    int potreba = PoloziekZoznamu(w, h);
    if (potreba == 0) return 0;
    if (centers || objekty) return Zvacsi(potreba, potreba, potreba);
    int bodov = 0, obdlznikov = 0;
    POINT* body = AlokaciaDsktPointPola(&bodov, w, h);
    RECT* obdlzniky = AlokaciaDsktRectPola(&obdlznikov, w, h);
    if (!body || !obdlzniky) {
        free(body);
        free(obdlzniky);
        return 0;
    }
    centers = body, poloziek_dskt_point_pola = bodov;
    objekty = obdlzniky, poloziek_dskt_rect_pola = obdlznikov;
    return 1;
}

int MiestoPreObjekt(int k)
{
    if (k < 0 || k == INT_MAX) return 0;
    const int potreba = k + 1;
    if (poloziek_dskt_point_pola >= potreba && poloziek_dskt_rect_pola >= potreba) return 1;
    return Zvacsi(potreba, (int)DvojnasobnaDlzka(poloziek_dskt_point_pola, potreba),
                  (int)DvojnasobnaDlzka(poloziek_dskt_rect_pola, potreba));
}
