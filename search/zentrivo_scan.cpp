// zentrivo-scan: the object search on an image file taken as the desktop snapshot.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "search/hladanie.h"
#include "search/scan_obraz.h"
#include "search/scan_volby.h"
#include "search/stredy_subor.h"
#include "search/vysledky.h"

static int Chyba(const char* text)
{
    fprintf(stderr, "zentrivo-scan: %s\n", text);
    return 2;
}

int main(int argc, char** argv)
{
    char chyba[1024];
    ScanVolby v;
    if (!CitajVolby(argc - 1, argv + 1, &v, chyba, sizeof chyba)) {
        fprintf(stderr, "zentrivo-scan: %s (see zentrivo-scan --help)\n", chyba);
        return 2;
    }
    if (v.pomoc) {
        fputs(kScanPouzitie, stdout);
        return fflush(stdout) == 0 ? 0 : 2;
    }

    int w = 0, h = 0;
    COLORREF* farby = CitajObraz(v.obraz, &w, &h, chyba, sizeof chyba);
    if (!farby) return Chyba(chyba);
    const auto zaciatok = std::chrono::steady_clock::now();
    int pocet = HladajObjekty(w, h, farby, v.vylucene, v.stupen, v.min_velkost, v.percento);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - zaciatok).count();
    free(farby);
    if (pocet < 0) {
        snprintf(chyba, sizeof chyba, "%s: not enough memory to search a %d x %d image", v.obraz, w, h);
        return Chyba(chyba);
    }
    if (v.cas) fprintf(stderr, "search: %.3f ms\n", ms);

    if (v.vystup && PointPoleDoTxt(v.vystup, centers, pocet) != 0) {
        snprintf(chyba, sizeof chyba, "%s: cannot write the centres file", v.vystup);
        return Chyba(chyba);
    }
    for (int k = 0; k < pocet; k++) {
        if (v.obdlzniky)
            printf("%d,%d,%d,%d,%d,%d\n", (int)centers[k].x, (int)centers[k].y, (int)objekty[k].left,
                   (int)objekty[k].top, (int)objekty[k].right, (int)objekty[k].bottom);
        else
            printf("%d,%d\n", (int)centers[k].x, (int)centers[k].y);
    }
    if (fflush(stdout) != 0 || ferror(stdout)) return Chyba("cannot write standard output");
    return 0;
}
