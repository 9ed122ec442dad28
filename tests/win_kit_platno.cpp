// Wine test of initscreen: canvas of the client size over the background, the previous one freed.
#include "render/kit.h"
#include "tests/win_kit_kontrola.h"

static const COLORREF CERVENA = RGB(200, 0, 0);
static const COLORREF MODRA = RGB(0, 0, 200);

// An 8 x 8 pattern: red at its origin, blue elsewhere, so tiling from the canvas's origin shows.
static HBRUSH Vzor()
{
    Plocha p = NovaPlocha(8, 8, MODRA);
    SetPixel(p.hdc, 0, 0, CERVENA);
    SelectObject(p.hdc, p.povodna);
    HBRUSH stetec = CreatePatternBrush(p.bitmapa);
    DeleteObject(p.bitmapa);
    DeleteDC(p.hdc);
    return stetec;
}

static HWND Okno(int sirka, int vyska)
{
    return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, sirka, vyska, NULL, NULL, GetModuleHandleA(NULL), NULL);
}

static void OverPlatno(HDC platno, int sirka, int vyska, const char* co)
{
    BITMAP bm = {};
    GetObjectA(GetCurrentObject(platno, OBJ_BITMAP), sizeof bm, &bm);
    ROVNAKE(bm.bmWidth, sirka, "%s: canvas width", co);
    ROVNAKE(bm.bmHeight, vyska, "%s: canvas height", co);
    HDC obrazovka = GetDC(NULL);
    ROVNAKE(bm.bmBitsPixel, GetDeviceCaps(obrazovka, BITSPIXEL), "%s: the screen's colour format", co);
    ReleaseDC(NULL, obrazovka);
    const int body[][2] = {{0, 0}, {8, 0}, {0, 8}, {8 * (sirka / 8), 8 * (vyska / 8)}};
    for (const auto& b : body)
        if (b[0] < sirka && b[1] < vyska) ROVNAKE(GetPixel(platno, b[0], b[1]), CERVENA, "%s: (%d, %d)", co, b[0], b[1]);
    ROVNAKE(GetPixel(platno, 1, 0), MODRA, "%s: (1, 0)", co);
    ROVNAKE(GetPixel(platno, sirka - 1, vyska - 1), (sirka - 1) % 8 || (vyska - 1) % 8 ? MODRA : CERVENA,
            "%s: last pixel covered", co);
}

static void PlatnoOknaAZmenaVelkosti()
{
    HBRUSH pozadie = Vzor();
    HWND okno = Okno(150, 90);
    HDC platno = NULL;
    initscreen(okno, &platno, pozadie);
    KONTROLA(platno != NULL, "first canvas");
    OverPlatno(platno, 150, 90, "first");

    HDC stare = platno;
    HGDIOBJ stara_bitmapa = GetCurrentObject(platno, OBJ_BITMAP);
    SetWindowPos(okno, NULL, 0, 0, 117, 61, SWP_NOMOVE | SWP_NOZORDER);
    initscreen(okno, &platno, pozadie);
    OverPlatno(platno, 117, 61, "after resize");
    ROVNAKE(GetObjectType(stare), 0, "previous canvas deleted");
    ROVNAKE(GetObjectType(stara_bitmapa), 0, "previous canvas's bitmap deleted");
    KONTROLA(GetObjectType(pozadie) == OBJ_BRUSH, "background brush not owned, still alive");

    // Repaints at the tracking rate do not pile up objects.
    initscreen(okno, &platno, pozadie);
    const int pred = ZiveObjektyGdi();
    for (int i = 0; i < 300; ++i) initscreen(okno, &platno, pozadie);
    ROVNAKE(ZiveObjektyGdi(), pred, "GDI objects after 300 more repaints");

    HGDIOBJ bitmapa = GetCurrentObject(platno, OBJ_BITMAP);
    DeleteDC(platno);
    DeleteObject(bitmapa);
    DestroyWindow(okno);
    DeleteObject(pozadie);
}

int main()
{
    PlatnoOknaAZmenaVelkosti();
    return VysledokKontrol("win_kit_platno");
}
