// OnWM_PAINT: the control window's rows in drawing order, each placed from the extents drawn before it.
#include "render/okno_kresba.h"

#include "render/kit.h"
#include "shell/obraz_okna.h"

// Text styles: face, height, semibold, colour.
struct StylTextu {
    const char* pismo;
    int vyska;
    int hrube;
    COLORREF farba;
};

static const StylTextu POPIS = {"Segoe UI", -12, 0, RGB(0, 0, 160)};
static const StylTextu HODNOTA = {"System", -15, 1, RGB(0, 0, 0)};
static const StylTextu CISLO_PASMA = {"Tahoma", -9, 0, RGB(90, 90, 90)};
static const StylTextu TVAR = {"Segoe UI", -11, 0, RGB(140, 140, 140)};
static const StylTextu ROZMER_OBJEKTU = {"Verdana", -9, 0, RGB(140, 140, 140)};
static const StylTextu POMOC = {"Verdana", -9, 0, RGB(0, 0, 160)};

struct StatusovyText {
    const char* text;
    int x;
    int dy;
    const char* pismo;
    int vyska;
    COLORREF farba;
};

// By status: hint, searching, found, nothing found, search failed, centres file not written. The two
// failures have colours of their own; the last text is a point smaller so that it fits the box.
static const StatusovyText STATUSY[] = {
    {"ENTER - hľadanie", 55, 1, "Segoe UI", -13, RGB(0, 160, 160)},
    {"H ľ a d á m", 71, 1, "Segoe UI", -13, RGB(0, 200, 200)},
    {"Počet objektov %d", 47, 2, "System", -13, RGB(0, 0, 200)},
    {"Nič sa nenašlo", 63, 1, "Segoe UI", -13, RGB(250, 0, 0)},
    {"Hľadanie zlyhalo", 52, 1, "Segoe UI", -13, RGB(190, 0, 140)},
    {"Stredy.txt neuložené", 42, 2, "Segoe UI", -12, RGB(215, 105, 0)},
};
static const int POCET_STATUSOV = sizeof STATUSY / sizeof STATUSY[0];

static SIZE Text(HDC hdc, const StylTextu& styl, const char* format, int hodnota, int x, int y)
{
    SIZE rozmer = {0, 0};
    Napis(hdc, &rozmer, format, hodnota, x, y, styl.farba, styl.vyska, styl.hrube, 0, styl.pismo);
    return rozmer;
}

// A value of line n at (vx, vy): first drawing for its width, grey box, highlight when selected,
// final drawing on top. Line 2's first drawing sits 2 pixels higher, under the box.
static SIZE Hodnota(HDC hdc, const ObrazOkna& o, DWORD riadok, int hodnota, int vx, int vy)
{
    SIZE prva = Text(hdc, HODNOTA, "%d", hodnota, vx, riadok == 2 ? vy - 2 : vy);
    Okienko(hdc, RGB(180, 180, 180), RGB(205, 205, 205), 12, vx - 6, vy - 2, prva.cx + 12, 21);
    if (o.volba == riadok)
        Okienko(hdc, RGB(255, 230, 255), RGB(255, 255, 140), 12, vx - 6, vy - 2, prva.cx + 12, 21);
    return Text(hdc, HODNOTA, "%d", hodnota, vx, vy);
}

// The next line's top: y + cy x 1.6 with factor and sum in single precision, truncated.
static int DalsiRiadok(int y, LONG cy)
{
    volatile float sucin = cy * 1.6f; // volatile: single precision even on the x87 FPU
    volatile float sucet = y + sucin;
    return (int)sucet;
}

static void SivaVzorka(HDC hdc, const ObrazOkna& o, int g0)
{
    for (int i = 0; i < 32; ++i) {
        const int sed = (int)((32 * o.stupne_sedi + i) % 256);
        const int x = g0 + 2 * (i + 1);
        Usecka(hdc, RGB(sed, sed, sed), 2, x, 16, x, 26);
    }
}

static void TvarovaPomocka(HDC hdc, const ObrazOkna& o, int s, int y)
{
    if (o.percento_vyplne == 100) Text(hdc, TVAR, "štvorec", -1, s + 2, y);
    else if (o.percento_vyplne == 75) Text(hdc, TVAR, ">kruh", -1, s, y);
    else if (o.percento_vyplne == 50) Text(hdc, TVAR, ">trojuholník", -1, s - 4, y);
}

static void Status(HDC hdc, const ObrazOkna& o, int ys)
{
    Okienko(hdc, RGB(160, 210, 210), RGB(230, 240, 240), 16, 35, ys, 140, 21);
    if (o.status < 0 || o.status >= POCET_STATUSOV) return;
    const StatusovyText& st = STATUSY[o.status];
    SIZE rozmer;
    const int hodnota = o.status == 2 ? o.pocet_objektov : -1; // only the count has a conversion
    Napis(hdc, &rozmer, st.text, hodnota, st.x, ys + st.dy, st.farba, st.vyska, 0, 0, st.pismo);
}

static void PomocKlaves(HDC hdc)
{
    SIZE esc;
    KlavesaMala(hdc, &esc, "ESC", 6, 8, 169);
    Text(hdc, POMOC, "- koniec", -1, 8 + esc.cx + 13, 171);
    // Inverted T of 21-pixel keys with 2-pixel gaps around (115, 141).
    SipkaHore(hdc, 21, 115, 141);
    Text(hdc, POMOC, " - výber", -1, 138, 145);
    SipkaDole(hdc, 21, 115, 164);
    SipkaVlavo(hdc, 21, 92, 164);
    SipkaVpravo(hdc, 21, 138, 164);
    Text(hdc, POMOC, " - zmena", -1, 161, 168);
}

void OnWM_PAINT(HDC* platno, HWND okno)
{
    (void)okno; // the layout is the same for every window size
    HDC hdc = *platno;
    // The state a timer tick compares, so that what is drawn and what repaints it are the same values;
    // the client size and the readout play no part here.
    const ObrazOkna o = ObrazTeraz(0, 0, POINT{0, 0}, 0);

    const SIZE e1 = Text(hdc, POPIS, "Stupne šedi", -1, 10, 12);
    const int x1 = 10 + e1.cx + 15;
    const SIZE e2 = Hodnota(hdc, o, 1, (int)o.stupne_sedi + 1, x1, 10);
    const int g0 = x1 + e2.cx + 19;
    SivaVzorka(hdc, o, g0);
    Text(hdc, CISLO_PASMA, "%d", (int)(32 * o.stupne_sedi), g0, 4);
    Text(hdc, CISLO_PASMA, "%d", (int)(32 * o.stupne_sedi + 31), g0 + 55, 4);

    const int y2 = DalsiRiadok(12, e2.cy);
    const SIZE e6 = Text(hdc, POPIS, "Min. rozmer", -1, 10, y2);
    const int x2 = 10 + e6.cx + 12;
    const SIZE e7 = Hodnota(hdc, o, 2, (int)o.velkost_objektu, x2, y2);
    const SIZE e8 = Text(hdc, POPIS, "pixelov", -1, x2 + e7.cx + 11, y2);

    const int y3 = DalsiRiadok(y2, e8.cy);
    const SIZE e9 = Text(hdc, POPIS, "Výplň objektu", -1, 10, y3);
    const int x3 = 10 + e9.cx + 12;
    const SIZE e10 = Hodnota(hdc, o, 3, (int)o.percento_vyplne, x3, y3);
    const int p = x3 + e10.cx + 9;
    const SIZE e11 = Text(hdc, POPIS, "%%", -1, p, y3);
    TvarovaPomocka(hdc, o, p + e11.cx + 11, y3);

    const int y4 = DalsiRiadok(y3, e11.cy);
    int ys;
    if (o.pocet_objektov > 0) {
        SIZE e13;
        KlavesaMala(hdc, &e13, "TAB", 6, 7, y4);
        const int t = 7 + e13.cx + 11;
        const SIZE e14 = Text(hdc, POPIS, " - myš na stred objektu č.", -1, t, y4);
        const int x4 = t + e14.cx + 8;
        const SIZE e15 = Hodnota(hdc, o, 4, o.cislo_objektu, x4, y4 - 1);
        const int y5 = y4 + e15.cy - 1;
        const RECT& objekt = o.objekt;  // zeros when no current object is in the lists
        const SIZE e16 = Text(hdc, ROZMER_OBJEKTU, "%d x ", objekt.right - objekt.left + 1, 83, y5);
        const SIZE e17 = Text(hdc, ROZMER_OBJEKTU, "%d", objekt.bottom - objekt.top + 1, 83 + e16.cx, y5);
        ys = (int)(y5 + e17.cy * 1.3);
    } else {
        ys = (int)(y3 + e11.cy * 2.4);
    }
    Status(hdc, o, ys);
    PomocKlaves(hdc);
}
