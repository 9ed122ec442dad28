// The centres file: one "x,y" line per centre, with Windows line ends on every build, replaced whole.
#include "search/stredy_subor.h"

#include "common/cielovy_subor.h"

int PointPoleDoTxt(const char* subor, const POINT* body, int pocet)
{
    if (!subor || !*subor || (pocet > 0 && !body)) return 1;
    // A reader of `subor` sees the old file until the complete new one replaces it. Binary mode with
    // CR LF written out, so every build writes the same bytes.
    CielovySubor c;
    if (!OtvorCiel(subor, &c)) return 1;
    int ok = 1;
    for (int k = 0; k < pocet && ok; k++)
        if (fprintf(c.f, "%d,%d\r\n", (int)body[k].x, (int)body[k].y) < 0) ok = 0;
    return ZatvorCiel(&c, ok) ? 0 : 1;
}
