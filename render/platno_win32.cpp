// initscreen: a fresh off-screen canvas of the client size, filled with the background brush.
#include "render/kit.h"

void initscreen(HWND okno, HDC* platno, HBRUSH pozadie)
{
    if (*platno) {
        // DeleteDC leaves the selected bitmap alive, so the old canvas's bitmap is freed here.
        HGDIOBJ stara_bitmapa = GetCurrentObject(*platno, OBJ_BITMAP);
        DeleteDC(*platno);
        DeleteObject(stara_bitmapa);
    }
    HDC hdc_okna = GetDC(okno);
    RECT klient;
    GetClientRect(okno, &klient);
    *platno = CreateCompatibleDC(hdc_okna);
    HBITMAP bitmapa = CreateCompatibleBitmap(hdc_okna, klient.right, klient.bottom);
    SelectObject(*platno, bitmapa);
    FillRect(*platno, &klient, pozadie);
    ReleaseDC(okno, hdc_okna);
}
