// Zentrivo on the live desktop: its size and the control window's rectangle, one snapshot, then the
// platform-free search.
#include <windows.h>

#include <cstdlib>

#include "common/dpi_win32.h"
#include "search/hladanie.h"
#include "search/snimka_win32.h"
#include "search/zentrivo_win32.h"

int Zentrivo(HWND okno, int stupne_sedi, int velkost_objektu, int percento_vyplne)
{
    // The colour buffer, allocated again only when the desktop's size changes, and the search's
    // work tables, kept for the program's life.
    static COLORREF* farby = NULL;
    static size_t miest = 0;
    static StavHladania stav;

    // The desktop's size, the window's rectangle and the snapshot in physical pixels, so that they
    // agree on a scaled display and the centres are where SetCursorPos sends the cursor.
    HANDLE dpi = DpiFyzickeZaciatok();
    RECT plocha = {};
    GetClientRect(GetDesktopWindow(), &plocha);
    int w = plocha.right - plocha.left, h = plocha.bottom - plocha.top;

    // Without a window rectangle nothing is left out (a rectangle outside the desktop).
    RECT vylucene = {-1, -1, -1, -1};
    if (!GetWindowRect(okno, &vylucene)) vylucene = RECT{-1, -1, -1, -1};

    size_t potreba = w > 0 && h > 0 ? (size_t)w * (size_t)h : 0;
    if (potreba != miest) {
        free(farby);
        farby = potreba ? (COLORREF*)malloc(potreba * sizeof(COLORREF)) : NULL;
        miest = farby ? potreba : 0;
    }
    // Without the snapshot nothing was seen: the search fails rather than finding nothing.
    const int snimka = farby && SnimkaPlochy(w, h, farby);
    DpiFyzickeKoniec(dpi);
    if (!snimka) return -1;

    return HladajDoZoznamov(&stav, w, h, farby, vylucene, stupne_sedi, velkost_objektu, percento_vyplne);
}
