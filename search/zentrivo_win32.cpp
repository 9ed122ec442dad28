// Zentrivo on the live desktop: its size and the control window's rectangle, one snapshot, then the
// platform-free search.
#include <windows.h>

#include <vector>

#include "search/hladanie.h"
#include "search/snimka_win32.h"
#include "search/zentrivo.h"

int Zentrivo(HWND okno, int stupne_sedi, int velkost_objektu, int percento_vyplne)
{
    // Sized again only when the desktop's size changes.
    static std::vector<COLORREF> farby;

    RECT plocha = {};
    GetClientRect(GetDesktopWindow(), &plocha);
    int w = plocha.right - plocha.left, h = plocha.bottom - plocha.top;
    if (w < 0) w = 0;
    if (h < 0) h = 0;

    // Without a window rectangle nothing is left out (a rectangle outside the desktop).
    RECT vylucene = {-1, -1, -1, -1};
    if (!GetWindowRect(okno, &vylucene)) vylucene = RECT{-1, -1, -1, -1};

    if (farby.size() != (size_t)w * (size_t)h) farby.assign((size_t)w * (size_t)h, CLR_INVALID);
    if (w > 0 && h > 0) SnimkaPlochy(w, h, farby.data());

    return HladajObjekty(w, h, farby.data(), vylucene, stupne_sedi, velkost_objektu, percento_vyplne);
}
