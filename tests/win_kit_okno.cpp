// Wine test of the control window's picture on a real canvas over bitmap 201: screenshots of both window
// modes with and without objects, and the readout strip drawn through PohybMysiDesktop.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "render/kit.h"
#include "render/okno_kresba.h"
#include "resources/resource.h"
#include "search/vysledky.h"
#include "shell/rezim_okna.h"
#include "shell/stav.h"
#include "tests/okno_stav.h"
#include "tests/win_kit_plocha.h"
#include "tracking/sledovanie_win32.h"

#ifndef ZENTRIVO_SNIMKY
#define ZENTRIVO_SNIMKY "screenshots"
#endif

static LRESULT CALLBACK ProceduraOkna(HWND okno, UINT sprava, WPARAM w, LPARAM l)
{
    return DefWindowProcA(okno, sprava, w, l);
}

// A hidden window of the mode's outer size, style and menu, so that its client area is the real one;
// *klient gets that client area.
static HWND OknoRezimu(DWORD sledovanie, RECT* klient)
{
    static bool trieda = false;
    if (!trieda) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ProceduraOkna;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "ZentrivoTestOkna";
        RegisterClassA(&wc);
        trieda = true;
    }
    const RezimOkna r = RezimPreSledovanie(sledovanie);
    HMENU menu = LoadMenuA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDM_MENU));
    HWND okno = CreateWindowExA(0, "ZentrivoTestOkna", "Zentrivo", r.styl & ~WS_VISIBLE, 0, 0, r.sirka, r.vyska,
                                NULL, menu, GetModuleHandleA(NULL), NULL);
    *klient = RECT{};
    if (okno) GetClientRect(okno, klient);
    return okno;
}

// Writes the canvas as a 24-bit bottom-up BMP file.
static bool UlozBmp(HDC platno, int sirka, int vyska, const std::string& cesta)
{
    const int riadok = (sirka * 3 + 3) & ~3;
    std::string data(riadok * vyska, '\0');
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = sirka;
    bi.bmiHeader.biHeight = vyska;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    HBITMAP bitmapa = (HBITMAP)GetCurrentObject(platno, OBJ_BITMAP);
    if (GetDIBits(platno, bitmapa, 0, vyska, &data[0], &bi, DIB_RGB_COLORS) != vyska) return false;
    BITMAPFILEHEADER hlavicka = {};
    hlavicka.bfType = 0x4d42;
    hlavicka.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    hlavicka.bfSize = hlavicka.bfOffBits + (DWORD)data.size();
    FILE* f = std::fopen(cesta.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(&hlavicka, sizeof hlavicka, 1, f) == 1 &&
              std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 &&
              std::fwrite(data.data(), data.size(), 1, f) == 1;
    return std::fclose(f) == 0 && ok;
}

// A canvas of the window's client size, white all over: initscreen with a white brush.
static HDC BielePlatno(HWND okno)
{
    HBRUSH biela = CreateSolidBrush(RGB(255, 255, 255));
    HDC platno = NULL;
    initscreen(okno, &platno, biela);
    DeleteObject(biela);
    return platno;
}

// Frees a canvas that initscreen made: the memory context and the bitmap selected into it.
static void ZrusPlatno(HDC platno)
{
    const HGDIOBJ bitmapa = GetCurrentObject(platno, OBJ_BITMAP);
    DeleteDC(platno);
    DeleteObject(bitmapa);
}

static RECT s_objekty[5] = {{10, 5, 21, 34}, {300, 120, 347, 151}, {500, 40, 519, 59}, {0, 0, 29, 29},
                            {700, 600, 799, 699}};

struct Stav {
    const char* nazov;
    StavOkna stav;
};

TEST(KitOkno, ScreenshotsOfBothModesWithAndWithoutObjects)
{
    HBITMAP vzor = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDB_POZADIE));
    ASSERT_NE(vzor, (HBITMAP)NULL) << "bitmap 201 in the test program's resources";
    HBRUSH pozadie = CreatePatternBrush(vzor);
    CreateDirectoryA(ZENTRIVO_SNIMKY, NULL);
    const Stav stavy[] = {
        {"pred_hladanim", {0, 20, 70, 1, 0, 0, 0}},
        {"najdene", {3, 20, 100, 4, 5, 2, 2}},
        {"hladanie_zlyhalo", {0, 20, 70, 2, 0, 0, 4}},
        {"neulozene", {3, 20, 100, 4, 5, 2, 5}},
    };
    objekty = s_objekty;
    for (DWORD sledovanie : {0u, 1u}) {
        RECT klient;
        HWND okno = OknoRezimu(sledovanie, &klient);
        ASSERT_NE(okno, (HWND)NULL);
        for (const Stav& s : stavy) {
            const std::string meno = std::string(sledovanie == 1 ? "sledovanie_" : "normalne_") + s.nazov;
            SCOPED_TRACE(meno + ", client " + std::to_string(klient.right) + " x " + std::to_string(klient.bottom));
            NastavStavOkna(s.stav);
            // The repaint as the window procedure does it.
            initscreen(okno, &g_hdcMemWindow, pozadie);
            OnWM_PAINT(&g_hdcMemWindow, okno);
            if (sledovanie == 1) {
                SetCursorPos(640, 480);
                PohybMysiDesktop(okno, &g_hdcMemWindow);
            }
            const std::string cesta = std::string(ZENTRIVO_SNIMKY) + "/okno_" + meno + ".bmp";
            EXPECT_TRUE(UlozBmp(g_hdcMemWindow, klient.right, klient.bottom, cesta)) << cesta;
            std::printf("screenshot %s (%ld x %ld)\n", cesta.c_str(), klient.right, klient.bottom);
            // The picture stays inside the control window's width: nothing but background at the right edge
            // above the key help, and the status box's fill in its middle.
            const COLORREF vypln_statusu = RGB(230, 240, 240);
            int v_statuse = 0;
            for (int y = 0; y < klient.bottom; ++y)
                if (GetPixel(g_hdcMemWindow, 36, y) == vypln_statusu) ++v_statuse;
            EXPECT_GT(v_statuse, 10) << "status box drawn";
        }
        DestroyWindow(okno);
    }
    DeleteObject(pozadie);
    DeleteObject(vzor);
}

// The strip covers exactly the bottom 17 rows of the client area across its width.
TEST(KitOkno, ReadoutStripAlongTheBottomEdge)
{
    RECT klient;
    HWND okno = OknoRezimu(1, &klient);
    ASSERT_NE(okno, (HWND)NULL);
    HDC platno = BielePlatno(okno);
    SetCursorPos(-5, 3); // off the screen: GetPixel fails and the readout shows 255s
    POINT k;
    COLORREF f;
    KurzorAFarba(&k, &f);  // makes the screen context that the readout keeps
    const int pred = ZiveObjektyGdi();
    PohybMysiDesktop(okno, &platno);
    EXPECT_EQ(ZiveObjektyGdi(), pred) << "no new screen context, fonts and pens freed";
    const int w = klient.right, h = klient.bottom;
    EXPECT_EQ(GetPixel(platno, w / 2, h - 18), RGB(255, 255, 255)) << "row above the strip untouched";
    EXPECT_EQ(GetPixel(platno, 0, h - 17), RGB(145, 145, 145)) << "frame";
    EXPECT_EQ(GetPixel(platno, w - 1, h - 1), RGB(145, 145, 145)) << "frame";
    EXPECT_EQ(GetPixel(platno, 5, h - 9), RGB(170, 170, 170)) << "fill";
    EXPECT_EQ(GetPixel(platno, w - 3, h - 9), RGB(170, 170, 170)) << "fill";
    // Each label's colour appears in its place.
    const struct {
        int x0, x1;
        COLORREF farba;
    } stitky[] = {{10, 50, RGB(255, 255, 0)}, {50, w - 114, RGB(0, 250, 250)}, {w - 114, w - 77, RGB(255, 0, 0)},
                  {w - 77, w - 38, RGB(0, 255, 0)}, {w - 38, w, RGB(0, 0, 255)}};
    for (const auto& s : stitky) {
        int n = 0;
        for (int y = h - 15; y < h; ++y)
            for (int x = s.x0; x < s.x1; ++x)
                if (GetPixel(platno, x, y) == s.farba) ++n;
        EXPECT_GT(n, 0) << "label from x = " << s.x0;
    }
    ZrusPlatno(platno);
    DestroyWindow(okno);
}

// Every status text lies inside the status box, with the fonts this system has: the pixels that a
// status changes against an empty box (a status without text) all lie within the box's inside.
TEST(KitOkno, StatusTextsFitTheStatusBox)
{
    RECT klient;
    HWND okno = OknoRezimu(0, &klient);
    ASSERT_NE(okno, (HWND)NULL);
    const int w = klient.right, h = klient.bottom;
    objekty = s_objekty;
    NastavPociatocnyStav();
    const int kBezTextu = 99;
    for (int pocet : {0, 5}) {
        for (int stav = 0; stav <= 5; ++stav) {
            SCOPED_TRACE(testing::Message() << "status " << stav << ", " << pocet << " objects");
            PocetObjektov = pocet;
            cislo_objektu = pocet ? 2 : 0;
            Plocha prazdny = NovaPlocha(w, h, RGB(255, 255, 255)), s_textom = NovaPlocha(w, h, RGB(255, 255, 255));
            status = kBezTextu;
            HDC platno = prazdny.hdc;
            OnWM_PAINT(&platno, okno);
            status = stav;
            platno = s_textom.hdc;
            OnWM_PAINT(&platno, okno);
            int l = w, t = h, r = -1, b = -1, riadok_boxu = -1;
            for (int y = 0; y < h; ++y) {
                if (riadok_boxu < 0 && Bod(prazdny, 100, y) == RGB(230, 240, 240)) riadok_boxu = y - 1;
                for (int x = 0; x < w; ++x)
                    if (Bod(prazdny, x, y) != Bod(s_textom, x, y)) {
                        if (x < l) l = x;
                        if (x > r) r = x;
                        if (y < t) t = y;
                        if (y > b) b = y;
                    }
            }
            ZrusPlochu(&prazdny);
            ZrusPlochu(&s_textom);
            ASSERT_GE(r, 0) << "the status drew a text";
            ASSERT_GE(riadok_boxu, 0) << "status box found";
            // The box is 140 x 21 at x 35 with a rounded outline; its inside is what the text may use.
            EXPECT_GE(l, 35 + 2);
            EXPECT_LE(r, 35 + 140 - 3);
            EXPECT_GE(t, riadok_boxu + 1);
            EXPECT_LE(b, riadok_boxu + 21 - 2);
            std::printf("status %d: text over x %d to %d, y %d to %d; box from x 35 to 174, y %d to %d\n", stav, l,
                        r, t, b, riadok_boxu, riadok_boxu + 20);
        }
    }
    DestroyWindow(okno);
}
