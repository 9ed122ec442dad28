// Zentrivo on the live desktop: its size and the control window's rectangle, one snapshot, then the
// platform-free search.
#include <windows.h>

#include <cstdlib>

#include "search/hladanie.h"
#include "search/snimka_win32.h"
#include "search/zentrivo.h"

int Zentrivo(HWND okno, int stupne_sedi, int velkost_objektu, int percento_vyplne)
{
    // The colour buffer, allocated again only when the desktop's size changes, and the search's
    // work tables, kept for the program's life.
    static COLORREF* farby = NULL;
    static size_t miest = 0;
    static StavHladania stav;

    RECT plocha = {};
    GetClientRect(GetDesktopWindow(), &plocha);
    int w = plocha.right - plocha.left, h = plocha.bottom - plocha.top;
    if (w <= 0 || h <= 0) return 0;

    // Without a window rectangle nothing is left out (a rectangle outside the desktop).
    RECT vylucene = {-1, -1, -1, -1};
    if (!GetWindowRect(okno, &vylucene)) vylucene = RECT{-1, -1, -1, -1};

    size_t potreba = (size_t)w * (size_t)h;
    if (potreba != miest) {
        free(farby);
        farby = (COLORREF*)malloc(potreba * sizeof(COLORREF));
        miest = farby ? potreba : 0;
    }
    // No memory for the snapshot: nothing can be seen, so nothing is found.
    if (!farby) return 0;
    SnimkaPlochy(w, h, farby);

    return HladajDoZoznamov(&stav, w, h, farby, vylucene, stupne_sedi, velkost_objektu, percento_vyplne);
}
