// zentrivo-scan's Windows ends: binary standard streams, and the screen as Zentrivo.exe snapshots it
// on ENTER, the desktop window's client area copied by SnimkaPlochy.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>

#include "search/scan_platforma.h"
#include "search/snimka_win32.h"

void PripravProces()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

int HladajNaObrazovke(StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento, int* w, int* h,
                      const char** sposob, char* chyba, size_t miesto)
{
    // The desktop in physical pixels: a process that is not DPI-aware is shown a scaled-down one.
    SetProcessDPIAware();
    RECT plocha = {};
    GetClientRect(GetDesktopWindow(), &plocha);
    const int sirka = plocha.right - plocha.left, vyska = plocha.bottom - plocha.top;
    *w = sirka;
    *h = vyska;
    *sposob = "BitBlt";
    if (sirka <= 0 || vyska <= 0) {
        snprintf(chyba, miesto, "screen: the desktop has no pixels");
        return -1;
    }
    COLORREF* farby = (COLORREF*)malloc((size_t)sirka * (size_t)vyska * sizeof(COLORREF));
    if (!farby) {
        snprintf(chyba, miesto, "screen: not enough memory for a %d x %d desktop", sirka, vyska);
        return -1;
    }
    if (!SnimkaPlochy(sirka, vyska, farby)) {
        free(farby);
        snprintf(chyba, miesto, "screen: the desktop could not be copied");
        return -1;
    }
    const int pocet = HladajSoStavom(stav, sirka, vyska, farby, vylucene, stupen, min_velkost, percento);
    free(farby);
    if (pocet < 0) snprintf(chyba, miesto, "screen: not enough memory to search a %d x %d desktop", sirka, vyska);
    return pocet;
}
