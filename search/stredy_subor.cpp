// The centres file: one "x,y" line per centre, with Windows line ends on every build.
#include "search/stredy_subor.h"

#include <cstdio>

int PointPoleDoTxt(const char* subor, const POINT* body, int pocet)
{
    if (!subor || (pocet > 0 && !body)) return 1;
    // Binary mode with CR LF written out, so every build writes the same bytes.
    FILE* f = fopen(subor, "wb");
    if (!f) return 1;
    int chyba = 0;
    for (int k = 0; k < pocet && !chyba; k++)
        if (fprintf(f, "%d,%d\r\n", (int)body[k].x, (int)body[k].y) < 0) chyba = 1;
    if (fclose(f) != 0) chyba = 1;
    return chyba;
}
