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

int RozsirVysledky(int w, int h)
{
    int potreba = PocetPoloziek(w, h);
    if (potreba == 0) return 0;
    if (poloziek_dskt_point_pola >= potreba && poloziek_dskt_rect_pola >= potreba) return 1;

    // Both new blocks first, so that a failure leaves both lists as they were.
    POINT* body = centers;
    int pocet_bodov = poloziek_dskt_point_pola;
    if (pocet_bodov < potreba) body = AlokaciaDsktPointPola(&pocet_bodov, w, h);
    RECT* obdlzniky = objekty;
    int pocet_obdlznikov = poloziek_dskt_rect_pola;
    if (pocet_obdlznikov < potreba) obdlzniky = AlokaciaDsktRectPola(&pocet_obdlznikov, w, h);
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
        poloziek_dskt_point_pola = pocet_bodov;
    }
    if (obdlzniky != objekty) {
        if (poloziek_dskt_rect_pola > 0) memcpy(obdlzniky, objekty, (size_t)poloziek_dskt_rect_pola * sizeof(RECT));
        free(objekty);
        objekty = obdlzniky;
        poloziek_dskt_rect_pola = pocet_obdlznikov;
    }
    return 1;
}
