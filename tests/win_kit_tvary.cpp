// Wine test of the kit's shapes on memory canvases: arrow keys, key cap, box, line, and what they leave behind.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "render/farby_klaves.h"
#include "render/kit.h"
#include "tests/win_kit_plocha.h"

static const COLORREF POZADIE = RGB(250, 250, 250);
// The kit's own palette: the tests look for it where each primitive must put it.
static const COLORREF OBRYS = OBRYS_KLAVESY;
static const COLORREF VYPLN = VYPLN_KLAVESY;
static const COLORREF ZNAK = FARBA_ZNAKU;
static const COLORREF POPIS = FARBA_POPISU;

struct Pixel {
    int dx, dy;
    COLORREF farba;
};

// Pixels given as offsets from (x, y).
static void OverPixely(const Plocha& p, int x, int y, std::initializer_list<Pixel> pixely)
{
    for (const Pixel& px : pixely) {
        SCOPED_TRACE("pixel (" + std::to_string(x + px.dx) + ", " + std::to_string(y + px.dy) + ")");
        EXPECT_EQ(Bod(p, x + px.dx, y + px.dy), px.farba);
    }
}

TEST(KitTvary, ArrowKeysOfSize21)
{
    struct Pripad {
        const char* nazov;
        void (*kresli)(HDC, int, int, int);
        int x, y;
        Pixel hrot, za_hrotom, zaciatok, roh1, roh2;
    };
    // The control window's keys; tips at up (125, 144), down (125, 180), left (95, 174), right (154, 174).
    const Pripad pripady[] = {
        {"up", SipkaHore, 115, 141, {10, 3, ZNAK}, {10, 1, VYPLN}, {10, 16, ZNAK}, {14, 10, ZNAK}, {6, 10, ZNAK}},
        {"down", SipkaDole, 115, 164, {10, 16, ZNAK}, {10, 18, VYPLN}, {10, 3, ZNAK}, {14, 10, ZNAK}, {6, 10, ZNAK}},
        {"left", SipkaVlavo, 92, 164, {3, 10, ZNAK}, {1, 10, VYPLN}, {16, 10, ZNAK}, {10, 14, ZNAK}, {10, 6, ZNAK}},
        {"right", SipkaVpravo, 138, 164, {16, 10, ZNAK}, {18, 10, VYPLN}, {3, 10, ZNAK}, {10, 14, ZNAK}, {10, 6, ZNAK}},
    };
    for (const Pripad& c : pripady) {
        SCOPED_TRACE(c.nazov);
        Plocha p = NovaPlocha(224, 200, POZADIE);
        c.kresli(p.hdc, 21, c.x, c.y);
        // Frame: rounded square from (x, y) to (x + 21, y + 21), corner 8, right and bottom edges excluded.
        OverPixely(p, c.x, c.y,
                   {{10, 0, OBRYS}, {10, 20, OBRYS}, {0, 10, OBRYS}, {20, 10, OBRYS}, {10, -1, POZADIE},
                    {10, 21, POZADIE}, {-1, 10, POZADIE}, {21, 10, POZADIE}, {0, 0, POZADIE}, {20, 20, POZADIE},
                    {20, 0, POZADIE}, {0, 20, POZADIE}, {2, 2, VYPLN}, {18, 18, VYPLN}});
        // Glyph: tip, just past the tip, start of the shaft, both head corners.
        OverPixely(p, c.x, c.y, {c.hrot, c.za_hrotom, c.zaciatok, c.roh1, c.roh2});
        const int vsetko = p.sirka * p.vyska - PocetBodov(p, POZADIE, 0, 0, p.sirka, p.vyska);
        const int v_klavese = 21 * 21 - PocetBodov(p, POZADIE, c.x, c.y, c.x + 21, c.y + 21);
        EXPECT_EQ(vsetko, v_klavese) << "pixels drawn outside the key";
        ZrusPlochu(&p);
    }
}

TEST(KitTvary, KeyCapFitsItsCaption)
{
    struct Pripad {
        const char* popis;
        int roh;
    };
    for (const Pripad& c : {Pripad{"TAB", 0}, Pripad{"ESC", 6}, Pripad{"ENTER", 0}}) {
        SCOPED_TRACE(std::string(c.popis) + " corner " + std::to_string(c.roh));
        Plocha p = NovaPlocha(100, 40, POZADIE);
        const int x = 20, y = 10;
        SIZE e = {-1, -1};
        KlavesaMala(p.hdc, &e, c.popis, c.roh, x, y);
        ASSERT_GT(e.cx, 0);
        ASSERT_GT(e.cy, 0);
        // The cap covers (x + 3, y + 1) up to, not including, (x + cx + 11, y + cy + 4): cx + 8 by cy + 3.
        const int l = x + 3, t = y + 1, r = x + e.cx + 11, b = y + e.cy + 4;
        const int sx = (l + r) / 2, sy = (t + b) / 2;
        OverPixely(p, 0, 0,
                   {{l, sy, OBRYS}, {l - 1, sy, POZADIE}, {r - 1, sy, OBRYS}, {r, sy, POZADIE}, {sx, t, OBRYS},
                    {sx, t - 1, POZADIE}, {sx, b - 1, OBRYS}, {sx, b, POZADIE}, {l + 1, sy, VYPLN},
                    {r - 2, sy, VYPLN}});
        const COLORREF roh = c.roh == 0 ? OBRYS : POZADIE;
        OverPixely(p, 0, 0, {{l, t, roh}, {r - 1, b - 1, roh}});
        // The caption starts 4 pixels inside the cap and 1 below its top.
        EXPECT_GT(PocetBodov(p, POPIS, x + 7, y + 2, r, b), 0) << "caption drawn";
        EXPECT_EQ(PocetBodov(p, POPIS, 0, 0, x + 7, p.vyska), 0) << "caption left of x + 7";
        EXPECT_EQ(PocetBodov(p, POPIS, 0, 0, p.sirka, y + 2), 0) << "caption above y + 2";
        ZrusPlochu(&p);
    }
}

TEST(KitTvary, BoxWithCornerZeroIsAPlainRectangle)
{
    Plocha p = NovaPlocha(40, 30, POZADIE);
    const COLORREF obrys = RGB(145, 145, 145), vypln = RGB(170, 170, 170);
    Okienko(p.hdc, obrys, vypln, 0, 5, 6, 12, 9);
    // Columns 5 to 16, rows 6 to 14: a 1-pixel outline all round, the fill inside, nothing else.
    EXPECT_EQ(PocetBodov(p, vypln, 0, 0, 40, 30), 10 * 7);
    EXPECT_EQ(PocetBodov(p, vypln, 6, 7, 16, 14), 10 * 7);
    EXPECT_EQ(PocetBodov(p, obrys, 0, 0, 40, 30), 12 * 9 - 10 * 7);
    OverPixely(p, 5, 6,
               {{0, 0, obrys}, {11, 0, obrys}, {0, 8, obrys}, {11, 8, obrys}, {12, 4, POZADIE}, {5, 9, POZADIE},
                {-1, 4, POZADIE}, {5, -1, POZADIE}});
    ZrusPlochu(&p);
}

TEST(KitTvary, LineOfTenRowsEndsBeforeItsEndPoint)
{
    Plocha p = NovaPlocha(30, 40, POZADIE);
    const COLORREF c = RGB(10, 20, 30);
    Usecka(p.hdc, c, 1, 7, 12, 7, 22);
    for (int y = 12; y <= 21; ++y) EXPECT_EQ(Bod(p, 7, y), c) << "row " << y;
    EXPECT_EQ(Bod(p, 7, 11), POZADIE);
    EXPECT_EQ(Bod(p, 7, 22), POZADIE) << "end point excluded";
    EXPECT_EQ(PocetBodov(p, c, 0, 0, 30, 40), 10);
    POINT poloha;
    GetCurrentPositionEx(p.hdc, &poloha);
    EXPECT_EQ(poloha.x, 7);
    EXPECT_EQ(poloha.y, 22);
    ZrusPlochu(&p);
}

// Every primitive gives the context back as it found it (the labels leave it transparent) and
// leaves no pen, brush or font of its own alive.
TEST(KitTvary, PrimitivesRestoreTheContextAndFreeTheirObjects)
{
    Plocha p = NovaPlocha(224, 200, POZADIE);
    HPEN moje_pero = CreatePen(PS_DOT, 1, RGB(1, 2, 3));
    HBRUSH moj_stetec = CreateSolidBrush(RGB(4, 5, 6));
    HFONT moje_pismo = CreateFontA(-20, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    SelectObject(p.hdc, moje_pero);
    SelectObject(p.hdc, moj_stetec);
    SelectObject(p.hdc, moje_pismo);
    SetTextColor(p.hdc, RGB(7, 8, 9));
    struct Primitivum {
        const char* nazov;
        void (*kresli)(HDC);
        int priehladne;
    };
    const Primitivum primitiva[] = {
        {"KlavesaMala", [](HDC h) { SIZE e; KlavesaMala(h, &e, "TAB", 6, 7, 60); }, 1},
        {"Napis", [](HDC h) { SIZE e; Napis(h, &e, "%d", 5, 10, 10, RGB(0, 0, 160), -12, 1, 0, "Tahoma"); }, 1},
        {"SipkaVpravo", [](HDC h) { SipkaVpravo(h, 21, 138, 164); }, 0},
        {"SipkaVlavo", [](HDC h) { SipkaVlavo(h, 21, 92, 164); }, 0},
        {"SipkaHore", [](HDC h) { SipkaHore(h, 21, 115, 141); }, 0},
        {"SipkaDole", [](HDC h) { SipkaDole(h, 21, 115, 164); }, 0},
        {"Okienko", [](HDC h) { Okienko(h, RGB(1, 1, 1), RGB(2, 2, 2), 12, 30, 30, 50, 21); }, 0},
        {"Usecka", [](HDC h) { Usecka(h, RGB(3, 3, 3), 2, 40, 16, 40, 26); }, 0},
    };
    for (const Primitivum& pr : primitiva) {
        SCOPED_TRACE(pr.nazov);
        SetBkMode(p.hdc, OPAQUE);
        pr.kresli(p.hdc); // a first call may load a font once
        const int pred = ZiveObjektyGdi();
        for (int i = 0; i < 50; ++i) pr.kresli(p.hdc);
        EXPECT_EQ(ZiveObjektyGdi(), pred) << "GDI objects after 50 more calls";
        EXPECT_EQ(GetCurrentObject(p.hdc, OBJ_PEN), (HGDIOBJ)moje_pero);
        EXPECT_EQ(GetCurrentObject(p.hdc, OBJ_BRUSH), (HGDIOBJ)moj_stetec);
        EXPECT_EQ(GetCurrentObject(p.hdc, OBJ_FONT), (HGDIOBJ)moje_pismo);
        EXPECT_EQ(GetTextColor(p.hdc), RGB(7, 8, 9));
        EXPECT_EQ(GetBkMode(p.hdc), pr.priehladne ? TRANSPARENT : OPAQUE);
    }
    SelectObject(p.hdc, GetStockObject(BLACK_PEN));
    SelectObject(p.hdc, GetStockObject(WHITE_BRUSH));
    SelectObject(p.hdc, GetStockObject(SYSTEM_FONT));
    DeleteObject(moje_pero);
    DeleteObject(moj_stetec);
    DeleteObject(moje_pismo);
    ZrusPlochu(&p);
}
