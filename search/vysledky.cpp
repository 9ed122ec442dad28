// The result lists: allocation from the desktop size and growth for a bigger desktop.
#include "search/vysledky.h"

#include <climits>
#include <cstdlib>
#include <cstring>

// (h + 5) x (w + 5) in double precision, as the lists have always been sized; 0 when the count
// would not fit the signed 32-bit entry count.
static int PocetPoloziek(int w, int h)
{
    double sirka = w;
    double vyska = h;
    double velkost = (vyska + 5) * (sirka + 5);
    if (!(velkost >= 0 && velkost <= INT_MAX)) return 0;
    return (int)velkost;
}

POINT* AlokaciaDsktPointPola(int* pocet, int w, int h)
{
    static POINT* pamat;
    int velkost = PocetPoloziek(w, h);
    pamat = velkost > 0 ? (POINT*)calloc((size_t)velkost, sizeof(POINT)) : nullptr;
    *pocet = pamat ? velkost : 0;  // a failed allocation holds no entries
    return pamat;
}

RECT* AlokaciaDsktRectPola(int* pocet, int w, int h)
{
    static RECT* pamat;
    int velkost = PocetPoloziek(w, h);
    pamat = velkost > 0 ? (RECT*)calloc((size_t)velkost, sizeof(RECT)) : nullptr;
    *pocet = pamat ? velkost : 0;
    return pamat;
}

// Grows each list that has fewer than `potreba` entries to `nove` entries (nove >= potreba), keeping
// its entries and zero-filling the rest; both new blocks are had before either list changes. 1 on
// success, 0 when memory runs out (both lists stay as they were).
static int Zvacsi(int potreba, int nove_bodov, int nove_obdlznikov)
{
    POINT* body = centers;
    RECT* obdlzniky = objekty;
    if (poloziek_dskt_point_pola < potreba) body = (POINT*)calloc((size_t)nove_bodov, sizeof(POINT));
    if (poloziek_dskt_rect_pola < potreba) obdlzniky = (RECT*)calloc((size_t)nove_obdlznikov, sizeof(RECT));
    if (!body || !obdlzniky) {
        if (body != centers) free(body);
        if (obdlzniky != objekty) free(obdlzniky);
        return 0;
    }

    // Entries beyond a search's count keep what earlier searches wrote, so they move along.
    if (body != centers) {
        if (poloziek_dskt_point_pola > 0) memcpy(body, centers, (size_t)poloziek_dskt_point_pola * sizeof(POINT));
        free(centers);
        centers = body;
        poloziek_dskt_point_pola = nove_bodov;
    }
    if (obdlzniky != objekty) {
        if (poloziek_dskt_rect_pola > 0) memcpy(obdlzniky, objekty, (size_t)poloziek_dskt_rect_pola * sizeof(RECT));
        free(objekty);
        objekty = obdlzniky;
        poloziek_dskt_rect_pola = nove_obdlznikov;
    }
    return 1;
}

int RozsirVysledky(int w, int h)
{
    int potreba = PocetPoloziek(w, h);
    if (potreba == 0) return 0;
    return Zvacsi(potreba, potreba, potreba);
}

// A list that is too short doubles, so that a search finding n objects grows it about log2 n times.
static int NovaDlzka(int dlzka, int potreba)
{
    const int kNajmenej = 64;
    long long nova = 2LL * dlzka;
    if (nova < kNajmenej) nova = kNajmenej;
    if (nova > INT_MAX) nova = INT_MAX;
    return nova < potreba ? potreba : (int)nova;
}

int MiestoPreObjekt(int k)
{
    if (k < 0 || k == INT_MAX) return 0;
    const int potreba = k + 1;
    if (poloziek_dskt_point_pola >= potreba && poloziek_dskt_rect_pola >= potreba) return 1;
    return Zvacsi(potreba, NovaDlzka(poloziek_dskt_point_pola, potreba), NovaDlzka(poloziek_dskt_rect_pola, potreba));
}
