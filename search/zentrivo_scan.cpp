// zentrivo-scan: the object search on an image file taken as the desktop snapshot.
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "search/hladanie.h"
#include "search/scan_obraz.h"
#include "search/scan_volby.h"
#include "search/stredy_subor.h"
#include "search/vysledky.h"

// One line on standard error whatever the text holds: control characters, as a file name may
// contain them, are written escaped.
static int Chyba(const char* text, const char* dodatok = "")
{
    std::string riadok = "zentrivo-scan: ";
    for (const char* p = text; *p; p++) {
        const unsigned char z = (unsigned char)*p;
        char kod[5];
        if (z == '\n') riadok += "\\n";
        else if (z == '\t') riadok += "\\t";
        else if (z == '\r') riadok += "\\r";
        else if (z < 0x20 || z == 0x7F) {
            snprintf(kod, sizeof kod, "\\x%02X", z);
            riadok += kod;
        } else riadok += (char)z;
    }
    fprintf(stderr, "%s%s\n", riadok.c_str(), dodatok);
    return 2;
}

// Whether two paths name one file (the same device and inode): the centres file must not be the image.
static bool TenIstySubor(const char* a, const char* b)
{
    struct stat sa, sb;
    return stat(a, &sa) == 0 && stat(b, &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

int main(int argc, char** argv)
{
    char chyba[1024];
    ScanVolby v;
    if (!CitajVolby(argc - 1, argv + 1, &v, chyba, sizeof chyba)) return Chyba(chyba, " (see zentrivo-scan --help)");
    if (v.pomoc) {
        fputs(kScanPouzitie, stdout);
        if (fflush(stdout) != 0 || ferror(stdout)) return Chyba("cannot write standard output");
        return 0;
    }
    if (v.vystup && TenIstySubor(v.vystup, v.obraz)) {
        snprintf(chyba, sizeof chyba, "%s: --out names the image itself, which the centres would overwrite", v.vystup);
        return Chyba(chyba);
    }

    int w = 0, h = 0;
    COLORREF* farby = CitajObraz(v.obraz, v.max_pixelov, &w, &h, chyba, sizeof chyba);
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
