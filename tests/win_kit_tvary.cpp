// Wine test of the kit's shapes on memory canvases: arrow keys, key cap, box, line, and what they leave behind.
#include <initializer_list>

#include "render/kit.h"
#include "tests/win_kit_kontrola.h"

static const COLORREF POZADIE = RGB(250, 250, 250);
static const COLORREF OBRYS = RGB(0, 190, 255);
static const COLORREF VYPLN = RGB(150, 200, 255);
static const COLORREF ZNAK = RGB(80, 100, 120);
static const COLORREF POPIS = RGB(0, 70, 95);

struct Pixel {
    int dx, dy;
    COLORREF farba;
};

static void OverPixely(const Plocha& p, const char* co, int x, int y, const Pixel* pixely, int pocet)
{
    for (int i = 0; i < pocet; ++i) {
        const COLORREF c = Bod(p, x + pixely[i].dx, y + pixely[i].dy);
        ROVNAKE(c, pixely[i].farba, "%s at (%d, %d): pixel (%d, %d) is %06lx", co, x, y, x + pixely[i].dx,
                y + pixely[i].dy, (unsigned long)c);
    }
}

// The frame every arrow key shares: a rounded square from (x, y) to (x + 21, y + 21), corner 8.
static void OverRamSipky(const Plocha& p, const char* co, int x, int y)
{
    const Pixel ram[] = {
        {10, 0, OBRYS},      {10, 20, OBRYS},   {0, 10, OBRYS},     {20, 10, OBRYS}, // edge middles
        {10, -1, POZADIE},   {10, 21, POZADIE}, {-1, 10, POZADIE},  {21, 10, POZADIE}, // right, bottom excluded
        {0, 0, POZADIE},     {20, 20, POZADIE}, {20, 0, POZADIE},   {0, 20, POZADIE}, // rounded corners
        {2, 2, VYPLN},       {18, 18, VYPLN},
    };
    OverPixely(p, co, x, y, ram, sizeof ram / sizeof ram[0]);
}

static void SipkyVelkosti21()
{
    struct Pripad {
        const char* nazov;
        void (*kresli)(HDC, int, int, int);
        int x, y;
        Pixel glyf[5]; // the tip, a point past it, the shaft's start, the two head corners
    };
    // Tips at the control window's key positions: up (125, 144), down (125, 180), left (95, 174), right (154, 174).
    const Pripad pripady[] = {
        {"up", SipkaHore, 115, 141, {{10, 3, ZNAK}, {10, 1, VYPLN}, {10, 16, ZNAK}, {14, 10, ZNAK}, {6, 10, ZNAK}}},
        {"down", SipkaDole, 115, 164, {{10, 16, ZNAK}, {10, 18, VYPLN}, {10, 3, ZNAK}, {14, 10, ZNAK}, {6, 10, ZNAK}}},
        {"left", SipkaVlavo, 92, 164, {{3, 10, ZNAK}, {1, 10, VYPLN}, {16, 10, ZNAK}, {10, 14, ZNAK}, {10, 6, ZNAK}}},
        {"right", SipkaVpravo, 138, 164, {{16, 10, ZNAK}, {18, 10, VYPLN}, {3, 10, ZNAK}, {10, 14, ZNAK}, {10, 6, ZNAK}}},
    };
    for (const Pripad& c : pripady) {
        Plocha p = NovaPlocha(224, 200, POZADIE);
        c.kresli(p.hdc, 21, c.x, c.y);
        OverRamSipky(p, c.nazov, c.x, c.y);
        OverPixely(p, c.nazov, c.x, c.y, c.glyf, 5);
        // Everything is inside the key.
        const int mimo = (p.sirka * p.vyska) - 21 * 21 - PocetBodov(p, POZADIE, 0, 0, p.sirka, p.vyska) +
                         PocetBodov(p, POZADIE, c.x, c.y, c.x + 21, c.y + 21);
        ROVNAKE(mimo, 0, "%s: pixels drawn outside the key", c.nazov);
        ZrusPlochu(&p);
    }
}

static void KlavesaPodlaPopisu()
{
    struct Pripad {
        const char* popis;
        int roh;
    };
    for (const Pripad& c : {Pripad{"TAB", 0}, Pripad{"ESC", 6}, Pripad{"ENTER", 0}}) {
        Plocha p = NovaPlocha(100, 40, POZADIE);
        const int x = 20, y = 10;
        SIZE e = {-1, -1};
        KlavesaMala(p.hdc, &e, c.popis, c.roh, x, y);
        KONTROLA(e.cx > 0 && e.cy > 0, "%s: extent %ldx%ld", c.popis, e.cx, e.cy);
        // The cap: (x + 3, y + 1) up to, not including, (x + cx + 11, y + cy + 4): cx + 8 by cy + 3.
        const int l = x + 3, t = y + 1, r = x + e.cx + 11, b = y + e.cy + 4;
        const int sx = (l + r) / 2, sy = (t + b) / 2;
        const Pixel okraje[] = {
            {l - x, sy - y, OBRYS}, {l - 1 - x, sy - y, POZADIE}, {r - 1 - x, sy - y, OBRYS}, {r - x, sy - y, POZADIE},
            {sx - x, t - y, OBRYS}, {sx - x, t - 1 - y, POZADIE}, {sx - x, b - 1 - y, OBRYS}, {sx - x, b - y, POZADIE},
            {l + 1 - x, sy - y, VYPLN}, {r - 2 - x, sy - y, VYPLN},
        };
        OverPixely(p, c.popis, x, y, okraje, sizeof okraje / sizeof okraje[0]);
        if (c.roh == 0) {
            const Pixel rohy[] = {{l - x, t - y, OBRYS}, {r - 1 - x, b - 1 - y, OBRYS}};
            OverPixely(p, c.popis, x, y, rohy, 2);
        } else {
            const Pixel rohy[] = {{l - x, t - y, POZADIE}, {r - 1 - x, b - 1 - y, POZADIE}};
            OverPixely(p, c.popis, x, y, rohy, 2);
        }
        // The caption starts 4 pixels inside the cap and 1 below its top.
        KONTROLA(PocetBodov(p, POPIS, x + 7, y + 2, r, b) > 0, "%s: caption drawn", c.popis);
        ROVNAKE(PocetBodov(p, POPIS, 0, 0, x + 7, p.vyska) + PocetBodov(p, POPIS, 0, 0, p.sirka, y + 2), 0,
                "%s: caption left of x + 7 or above y + 2", c.popis);
        // The extent is that of the caption in the cap's font, which a second cap measures the same way.
        SIZE e2;
        KlavesaMala(p.hdc, &e2, c.popis, c.roh, 0, 0);
        ROVNAKE(e2.cx, e.cx, "%s", c.popis);
        ZrusPlochu(&p);
    }
}

static void OkienkoARohNula()
{
    Plocha p = NovaPlocha(40, 30, POZADIE);
    const COLORREF obrys = RGB(145, 145, 145), vypln = RGB(170, 170, 170);
    Okienko(p.hdc, obrys, vypln, 0, 5, 6, 12, 9);
    // Columns 5 to 16, rows 6 to 14: outline all round, fill inside, nothing else.
    ROVNAKE(PocetBodov(p, vypln, 0, 0, 40, 30), 10 * 7, "fill");
    ROVNAKE(PocetBodov(p, vypln, 6, 7, 16, 14), 10 * 7, "fill inside the outline");
    ROVNAKE(PocetBodov(p, obrys, 0, 0, 40, 30), 12 * 9 - 10 * 7, "outline");
    const Pixel pixely[] = {{0, 0, obrys}, {11, 0, obrys}, {0, 8, obrys}, {11, 8, obrys}, {12, 4, POZADIE},
                            {5, 9, POZADIE}, {-1, 4, POZADIE}, {5, -1, POZADIE}};
    OverPixely(p, "Okienko", 5, 6, pixely, sizeof pixely / sizeof pixely[0]);
    ZrusPlochu(&p);
}

static void UseckaDesiatichRiadkov()
{
    Plocha p = NovaPlocha(30, 40, POZADIE);
    const COLORREF c = RGB(10, 20, 30);
    Usecka(p.hdc, c, 1, 7, 12, 7, 22);
    for (int y = 12; y <= 21; ++y) ROVNAKE(Bod(p, 7, y), c, "row %d", y);
    ROVNAKE(Bod(p, 7, 11), POZADIE, "row above");
    ROVNAKE(Bod(p, 7, 22), POZADIE, "end point excluded");
    ROVNAKE(PocetBodov(p, c, 0, 0, 30, 40), 10, "only the one column");
    POINT poloha;
    GetCurrentPositionEx(p.hdc, &poloha);
    KONTROLA(poloha.x == 7 && poloha.y == 22, "current position (%ld, %ld)", poloha.x, poloha.y);
    ZrusPlochu(&p);
}

// Every primitive draws, then gives the context back as it found it, and leaves no object alive.
static void PonechavaKontext()
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
        int priehladne; // leaves the background mode transparent
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
        SetBkMode(p.hdc, OPAQUE);
        pr.kresli(p.hdc); // the first call may load fonts once
        const int pred = ZiveObjektyGdi();
        for (int i = 0; i < 50; ++i) pr.kresli(p.hdc);
        ROVNAKE(ZiveObjektyGdi(), pred, "%s: GDI objects after 50 more calls", pr.nazov);
        KONTROLA(GetCurrentObject(p.hdc, OBJ_PEN) == moje_pero, "%s: pen", pr.nazov);
        KONTROLA(GetCurrentObject(p.hdc, OBJ_BRUSH) == moj_stetec, "%s: brush", pr.nazov);
        KONTROLA(GetCurrentObject(p.hdc, OBJ_FONT) == moje_pismo, "%s: font", pr.nazov);
        ROVNAKE(GetTextColor(p.hdc), RGB(7, 8, 9), "%s: text colour", pr.nazov);
        ROVNAKE(GetBkMode(p.hdc), pr.priehladne ? TRANSPARENT : OPAQUE, "%s: background mode", pr.nazov);
    }
    SelectObject(p.hdc, GetStockObject(BLACK_PEN));
    SelectObject(p.hdc, GetStockObject(WHITE_BRUSH));
    SelectObject(p.hdc, GetStockObject(SYSTEM_FONT));
    DeleteObject(moje_pero);
    DeleteObject(moj_stetec);
    DeleteObject(moje_pismo);
    ZrusPlochu(&p);
}

int main()
{
    SipkyVelkosti21();
    KlavesaPodlaPopisu();
    OkienkoARohNula();
    UseckaDesiatichRiadkov();
    PonechavaKontext();
    return VysledokKontrol("win_kit_tvary");
}
