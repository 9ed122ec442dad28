// The result lists of the Windows build: sized from the desktop window's client rectangle and
// allocated during the static initialisation of the globals, before WinMain runs.
#include <windows.h>

#include "common/dpi_win32.h"
#include "search/vysledky.h"

// In physical pixels, the size the search works on.
static void VelkostPlochy(int* w, int* h)
{
    const RECT r = DpiPlocha();
    *w = r.right - r.left;
    *h = r.bottom - r.top;
}

POINT* AlokaciaDsktPointPola(int* pocet)
{
    int w, h;
    VelkostPlochy(&w, &h);
    return AlokaciaDsktPointPola(pocet, w, h);
}

RECT* AlokaciaDsktRectPola(int* pocet)
{
    int w, h;
    VelkostPlochy(&w, &h);
    return AlokaciaDsktRectPola(pocet, w, h);
}

// The counts are zero before any dynamic initialisation; the lists follow in this order.
int poloziek_dskt_point_pola = 0;
int poloziek_dskt_rect_pola = 0;
POINT* centers = AlokaciaDsktPointPola(&poloziek_dskt_point_pola);
RECT* objekty = AlokaciaDsktRectPola(&poloziek_dskt_rect_pola);
