// Wine test of initscreen: a canvas of the client size over the background, the previous one freed.
#include <gtest/gtest.h>

#include <string>

#include "render/kit.h"
#include "tests/win_kit_plocha.h"

static const COLORREF CERVENA = RGB(200, 0, 0);
static const COLORREF MODRA = RGB(0, 0, 200);

// An 8 x 8 pattern, red at its origin and blue elsewhere, so tiling from the canvas's origin shows.
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

static void OverPlatno(HDC platno, int sirka, int vyska)
{
    BITMAP bm = {};
    GetObjectA(GetCurrentObject(platno, OBJ_BITMAP), sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, sirka);
    EXPECT_EQ(bm.bmHeight, vyska);
    HDC obrazovka = GetDC(NULL);
    EXPECT_EQ(bm.bmBitsPixel, GetDeviceCaps(obrazovka, BITSPIXEL)) << "the screen's colour format";
    ReleaseDC(NULL, obrazovka);
    const int body[][2] = {{0, 0}, {8, 0}, {0, 8}, {8 * ((sirka - 1) / 8), 8 * ((vyska - 1) / 8)}};
    for (const auto& b : body)
        EXPECT_EQ(GetPixel(platno, b[0], b[1]), CERVENA) << "(" << b[0] << ", " << b[1] << ")";
    EXPECT_EQ(GetPixel(platno, 1, 0), MODRA);
    EXPECT_EQ(GetPixel(platno, sirka - 1, vyska - 1), MODRA) << "last pixel covered";
}

TEST(KitPlatno, CanvasOfTheClientSizeAndThePreviousOneFreed)
{
    HBRUSH pozadie = Vzor();
    HWND okno = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 150, 90, NULL, NULL, GetModuleHandleA(NULL), NULL);
    ASSERT_NE(okno, (HWND)NULL);
    HDC platno = NULL;
    initscreen(okno, &platno, pozadie);
    ASSERT_NE(platno, (HDC)NULL);
    {
        SCOPED_TRACE("first canvas, 150 x 90");
        OverPlatno(platno, 150, 90);
    }

    const HDC stare = platno;
    const HGDIOBJ stara_bitmapa = GetCurrentObject(platno, OBJ_BITMAP);
    SetWindowPos(okno, NULL, 0, 0, 117, 61, SWP_NOMOVE | SWP_NOZORDER);
    initscreen(okno, &platno, pozadie);
    {
        SCOPED_TRACE("after the window shrank to 117 x 61");
        OverPlatno(platno, 117, 61);
    }
    EXPECT_EQ(GetObjectType(stare), 0u) << "previous canvas deleted";
    // DeleteDC alone would leave the bitmap behind, one per repaint.
    EXPECT_EQ(GetObjectType(stara_bitmapa), 0u) << "previous canvas's bitmap deleted";
    EXPECT_EQ(GetObjectType(pozadie), (DWORD)OBJ_BRUSH) << "the background brush is the caller's";

    // Repaints at the tracking rate do not pile up objects.
    const int pred = ZiveObjektyGdi();
    for (int i = 0; i < 300; ++i) initscreen(okno, &platno, pozadie);
    EXPECT_EQ(ZiveObjektyGdi(), pred) << "GDI objects after 300 more repaints";

    const HGDIOBJ bitmapa = GetCurrentObject(platno, OBJ_BITMAP);
    DeleteDC(platno);
    DeleteObject(bitmapa);
    DestroyWindow(okno);
    DeleteObject(pozadie);
}
