// Bounds of a dialog's content and the growth its client area needs to hold them.
#include "dialogs/rozmer_dlg.h"

RECT PrazdnyObsah()
{
    RECT r = {0, 0, 0, 0};
    return r;
}

void ZahrnObdlznik(RECT* obsah, int x, int y, int w, int h)
{
    if (w <= 0 || h <= 0) return;
    if (obsah->right <= obsah->left || obsah->bottom <= obsah->top) {
        obsah->left = x;
        obsah->top = y;
        obsah->right = x + w;
        obsah->bottom = y + h;
        return;
    }
    if (x < obsah->left) obsah->left = x;
    if (y < obsah->top) obsah->top = y;
    if (x + w > obsah->right) obsah->right = x + w;
    if (y + h > obsah->bottom) obsah->bottom = y + h;
}

SIZE ChybajuciRozmer(SIZE klient, RECT obsah, int okraj)
{
    SIZE chyba = {0, 0};
    if (obsah.right <= obsah.left || obsah.bottom <= obsah.top) return chyba;
    if (obsah.right + okraj > klient.cx) chyba.cx = obsah.right + okraj - klient.cx;
    if (obsah.bottom + okraj > klient.cy) chyba.cy = obsah.bottom + okraj - klient.cy;
    return chyba;
}
