// The centres file: one "x,y" line per centre, with Windows line ends on every build, replaced whole.
#include "search/stredy_subor.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/nahrad_subor.h"

// The new content is written beside the file, under this suffix, and then takes its place.
static const char* const PRIPONA_DOCASNEHO = ".tmp";

// Writes the lines to the open file and closes it; 0 on success.
static int ZapisRiadky(FILE* f, const POINT* body, int pocet)
{
    int chyba = 0;
    for (int k = 0; k < pocet && !chyba; k++)
        if (fprintf(f, "%d,%d\r\n", (int)body[k].x, (int)body[k].y) < 0) chyba = 1;
    if (fclose(f) != 0) chyba = 1;
    return chyba;
}

int PointPoleDoTxt(const char* subor, const POINT* body, int pocet)
{
    if (!subor || !*subor || (pocet > 0 && !body)) return 1;
    const size_t dlzka = strlen(subor);
    char* docasny = (char*)malloc(dlzka + strlen(PRIPONA_DOCASNEHO) + 1);
    if (!docasny) return 1;
    memcpy(docasny, subor, dlzka);
    strcpy(docasny + dlzka, PRIPONA_DOCASNEHO);

    // A reader of `subor` sees the old file until the complete new one replaces it. Binary mode with
    // CR LF written out, so every build writes the same bytes.
    int chyba = 1;
    FILE* f = fopen(docasny, "wb");
    if (f) {
        chyba = ZapisRiadky(f, body, pocet);
        if (!chyba && !NahradSubor(docasny, subor)) chyba = 1;
        if (chyba) remove(docasny);  // the temporary file never stays behind
    }
    free(docasny);
    return chyba;
}
