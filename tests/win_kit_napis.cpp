// Wine test of Napis and the kit's font description on memory canvases.
#include <cstring>
#include <string>

#include "render/kit.h"
#include "render/pismo_win32.h"
#include "tests/win_kit_kontrola.h"

static const COLORREF POZADIE = RGB(250, 250, 250);
static const COLORREF FARBA = RGB(0, 0, 160);

static SIZE Zmeraj(HDC hdc, const char* format, int hodnota, int vyska, int hrube, const char* pismo)
{
    SIZE e = {-1, -1};
    Napis(hdc, &e, format, hodnota, 0, 0, FARBA, vyska, hrube, 0, pismo);
    return e;
}

// Pixels that differ from the background.
static int Atrament(const Plocha& p)
{
    return p.sirka * p.vyska - PocetBodov(p, POZADIE, 0, 0, p.sirka, p.vyska);
}

static void PopisZoStandardnehoPisma()
{
    LOGFONTA stock;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
    struct Pripad {
        const char* pismo;
        int vyska;
        const char* ocakavane;
        int ocakavana_vyska;
    };
    const Pripad pripady[] = {
        {"Segoe UI", -12, "Segoe UI", -12},
        {"System", 0, "System", (int)stock.lfHeight},
        {"An overly long face name of forty-four chars", -9, "An overly long face name of for", -9},
    };
    for (const Pripad& c : pripady) {
        LOGFONTA lf;
        std::memset(&lf, 0x5a, sizeof lf);
        PopisPisma(&lf, c.pismo, c.vyska);
        KONTROLA(std::strcmp(lf.lfFaceName, c.ocakavane) == 0, "face '%s' for '%s'", lf.lfFaceName, c.pismo);
        ROVNAKE(lf.lfHeight, c.ocakavana_vyska, "%s", c.pismo);
        // Every other field is the stock font's.
        LOGFONTA bez_mena = lf, stock_bez_mena = stock;
        bez_mena.lfHeight = stock_bez_mena.lfHeight = 0;
        std::memset(bez_mena.lfFaceName, 0, sizeof bez_mena.lfFaceName);
        std::memset(stock_bez_mena.lfFaceName, 0, sizeof stock_bez_mena.lfFaceName);
        KONTROLA(std::memcmp(&bez_mena, &stock_bez_mena, sizeof bez_mena) == 0, "%s: other fields", c.pismo);
    }
}

// The text measured directly in the label font of Tahoma -12, default weight.
static SIZE Priamo(HDC hdc, const char* text)
{
    LOGFONTA lf;
    PopisPisma(&lf, "Tahoma", -12);
    lf.lfWeight = 0;
    lf.lfEscapement = 0;
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ stary = SelectObject(hdc, font);
    SIZE e;
    GetTextExtentPoint32A(hdc, text, lstrlenA(text), &e);
    SelectObject(hdc, stary);
    DeleteObject(font);
    return e;
}

static void RozmerFormatovanehoTextu()
{
    Plocha p = NovaPlocha(400, 60, POZADIE);
    struct Pripad {
        const char* format;
        int hodnota;
        const char* text;
    };
    const Pripad pripady[] = {
        {"%d", 120, "120"}, {"%%", 77, "%"}, {"Min. rozmer", 99, "Min. rozmer"}, {"x=%d", -5, "x=-5"},
        {"%d x ", 12, "12 x "},
    };
    for (const Pripad& c : pripady) {
        const SIZE a = Zmeraj(p.hdc, c.format, c.hodnota, -12, 0, "Tahoma");
        const SIZE b = Priamo(p.hdc, c.text);
        KONTROLA(a.cx == b.cx && a.cy == b.cy && a.cx > 0, "'%s' with %d: %ldx%ld, '%s': %ldx%ld", c.format,
                 c.hodnota, a.cx, a.cy, c.text, b.cx, b.cy);
    }
    // Height 0 keeps the stock font's height; -15 asks for taller characters than -9.
    HGDIOBJ stare = SelectObject(p.hdc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE stock;
    GetTextExtentPoint32A(p.hdc, "Hladanie", 8, &stock);
    SelectObject(p.hdc, stare);
    LOGFONTA lf;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    const SIZE nula = Zmeraj(p.hdc, "Hladanie", -1, 0, 0, lf.lfFaceName);
    KONTROLA(nula.cx == stock.cx && nula.cy == stock.cy, "height 0: %ldx%ld, stock font %ldx%ld", nula.cx, nula.cy,
             stock.cx, stock.cy);
    KONTROLA(Zmeraj(p.hdc, "Hladanie", -1, -15, 0, "Tahoma").cy > Zmeraj(p.hdc, "Hladanie", -1, -9, 0, "Tahoma").cy,
             "-15 taller than -9");
    ZrusPlochu(&p);
}

static int AtramentNapisu(const char* format, int x, int y, int hrube, int zvisle, int* nad_riadkom)
{
    Plocha p = NovaPlocha(200, 200, POZADIE);
    SIZE e;
    Napis(p.hdc, &e, format, -1, x, y, FARBA, -15, hrube, zvisle, "Tahoma");
    const int n = Atrament(p);
    if (nad_riadkom) *nad_riadkom = p.sirka * y - PocetBodov(p, POZADIE, 0, 0, p.sirka, y);
    ZrusPlochu(&p);
    return n;
}

static void TucneAZvisle()
{
    // Only exactly 1 makes it semibold or vertical.
    const int normalne = AtramentNapisu("Hladanie WWW", 10, 100, 0, 0, nullptr);
    const int tucne = AtramentNapisu("Hladanie WWW", 10, 100, 1, 0, nullptr);
    const int dva = AtramentNapisu("Hladanie WWW", 10, 100, 2, 0, nullptr);
    KONTROLA(normalne > 0, "text drawn");
    KONTROLA(tucne > normalne, "bold 1 inks more: %d vs %d", tucne, normalne);
    ROVNAKE(dva, normalne, "bold 2 is the default weight");
    int nad0 = 0, nad1 = 0, nad2 = 0;
    AtramentNapisu("Hladanie", 10, 100, 0, 0, &nad0);
    AtramentNapisu("Hladanie", 10, 100, 0, 1, &nad1);
    AtramentNapisu("Hladanie", 10, 100, 0, 2, &nad2);
    ROVNAKE(nad0, 0, "horizontal text stays below its top edge");
    KONTROLA(nad1 > 0, "vertical 1 runs upwards from (x, y)");
    ROVNAKE(nad2, 0, "vertical 2 is horizontal");
}

static void FarbaAPriehladnost()
{
    Plocha p = NovaPlocha(200, 40, POZADIE);
    SIZE e;
    SetBkMode(p.hdc, OPAQUE);
    SetBkColor(p.hdc, RGB(1, 2, 3));
    Napis(p.hdc, &e, "Stupne", -1, 5, 5, RGB(250, 0, 0), -13, 0, 0, "Tahoma");
    KONTROLA(PocetBodov(p, RGB(250, 0, 0), 5, 5, 5 + e.cx, 5 + e.cy) > 0, "glyphs in the given colour");
    ROVNAKE(PocetBodov(p, RGB(1, 2, 3), 0, 0, 200, 40), 0, "no background box");
    ROVNAKE(GetBkMode(p.hdc), TRANSPARENT, "left transparent");
    ZrusPlochu(&p);
}

// A label formatting longer than 99 characters is cut to 99, not written past the buffer.
static void DlhyNapisJeOrezany()
{
    Plocha p = NovaPlocha(100, 30, POZADIE);
    const std::string dlhy(150, 'A'), orezany(99, 'A');
    const SIZE a = Zmeraj(p.hdc, dlhy.c_str(), -1, -9, 0, "Tahoma");
    const SIZE b = Zmeraj(p.hdc, orezany.c_str(), -1, -9, 0, "Tahoma");
    const SIZE c = Zmeraj(p.hdc, (std::string(97, 'A') + "%d").c_str(), 123456, -9, 0, "Tahoma");
    ROVNAKE(a.cx, b.cx, "150 characters measure as 99");
    ROVNAKE(c.cx, Zmeraj(p.hdc, (std::string(97, 'A') + "12").c_str(), -1, -9, 0, "Tahoma").cx,
            "a number past the end is cut too");
    ZrusPlochu(&p);
}

int main()
{
    PopisZoStandardnehoPisma();
    RozmerFormatovanehoTextu();
    TucneAZvisle();
    FarbaAPriehladnost();
    DlhyNapisJeOrezany();
    return VysledokKontrol("win_kit_napis");
}
