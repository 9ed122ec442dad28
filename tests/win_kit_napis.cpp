// Wine test of Napis and the kit's font description on memory canvases.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "render/kit.h"
#include "render/pismo_win32.h"
#include "tests/win_kit_plocha.h"

static const COLORREF POZADIE = RGB(250, 250, 250);
static const COLORREF FARBA = RGB(0, 0, 160);

static SIZE Zmeraj(HDC hdc, const char* format, int hodnota, int vyska, const char* pismo)
{
    SIZE e = {-1, -1};
    Napis(hdc, &e, format, hodnota, 0, 0, FARBA, vyska, 0, 0, pismo);
    return e;
}

// The text measured directly in a default-weight font of the kit's description.
static SIZE Priamo(HDC hdc, const char* text, int vyska, const char* pismo)
{
    LOGFONTA lf;
    PopisPisma(&lf, pismo, vyska);
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

TEST(KitNapis, FontDescriptionChangesOnlyFaceAndHeight)
{
    LOGFONTA stock;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
    struct Pripad {
        const char* pismo;
        int vyska;
        const char* ocakavane;
        LONG ocakavana_vyska;
    };
    const Pripad pripady[] = {
        {"Segoe UI", -12, "Segoe UI", -12},
        {"System", 0, "System", stock.lfHeight},
        // The face field holds 31 characters; a longer name is cut rather than written past it.
        {"An overly long face name of forty-four chars", -9, "An overly long face name of for", -9},
    };
    for (const Pripad& c : pripady) {
        SCOPED_TRACE(c.pismo);
        LOGFONTA lf;
        std::memset(&lf, 0x5a, sizeof lf);
        PopisPisma(&lf, c.pismo, c.vyska);
        EXPECT_STREQ(lf.lfFaceName, c.ocakavane);
        EXPECT_EQ(lf.lfHeight, c.ocakavana_vyska);
        LOGFONTA a = lf, b = stock;
        a.lfHeight = b.lfHeight = 0;
        std::memset(a.lfFaceName, 0, sizeof a.lfFaceName);
        std::memset(b.lfFaceName, 0, sizeof b.lfFaceName);
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << "every other field is the stock font's";
    }
}

TEST(KitNapis, ExtentIsThatOfTheFormattedText)
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
        SCOPED_TRACE(c.format);
        const SIZE a = Zmeraj(p.hdc, c.format, c.hodnota, -12, "Tahoma");
        const SIZE b = Priamo(p.hdc, c.text, -12, "Tahoma");
        EXPECT_GT(a.cx, 0);
        EXPECT_EQ(a.cx, b.cx);
        EXPECT_EQ(a.cy, b.cy);
    }
    ZrusPlochu(&p);
}

TEST(KitNapis, HeightZeroKeepsTheStockHeight)
{
    Plocha p = NovaPlocha(200, 40, POZADIE);
    HGDIOBJ stare = SelectObject(p.hdc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE stock;
    GetTextExtentPoint32A(p.hdc, "Hladanie", 8, &stock);
    SelectObject(p.hdc, stare);
    LOGFONTA lf;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    const SIZE nula = Zmeraj(p.hdc, "Hladanie", -1, 0, lf.lfFaceName);
    EXPECT_EQ(nula.cx, stock.cx);
    EXPECT_EQ(nula.cy, stock.cy);
    EXPECT_GT(Zmeraj(p.hdc, "Hladanie", -1, -15, "Tahoma").cy, Zmeraj(p.hdc, "Hladanie", -1, -9, "Tahoma").cy);
    ZrusPlochu(&p);
}

// Pixels inked by one label at (10, 100); *nad gets those above its top edge.
static int Atrament(const char* text, int hrube, int zvisle, int* nad = nullptr)
{
    Plocha p = NovaPlocha(200, 200, POZADIE);
    SIZE e;
    Napis(p.hdc, &e, text, -1, 10, 100, FARBA, -15, hrube, zvisle, "Tahoma");
    const int n = p.sirka * p.vyska - PocetBodov(p, POZADIE, 0, 0, p.sirka, p.vyska);
    if (nad) *nad = p.sirka * 100 - PocetBodov(p, POZADIE, 0, 0, p.sirka, 100);
    ZrusPlochu(&p);
    return n;
}

TEST(KitNapis, OnlyExactlyOneMakesBoldOrVertical)
{
    const int normalne = Atrament("Hladanie WWW", 0, 0);
    EXPECT_GT(normalne, 0);
    EXPECT_GT(Atrament("Hladanie WWW", 1, 0), normalne) << "bold 1 is semibold";
    EXPECT_EQ(Atrament("Hladanie WWW", 2, 0), normalne) << "bold 2 is the default weight";
    int nad = -1;
    Atrament("Hladanie", 0, 0, &nad);
    EXPECT_EQ(nad, 0) << "horizontal text stays below its top edge";
    Atrament("Hladanie", 0, 1, &nad);
    EXPECT_GT(nad, 0) << "vertical 1 runs upwards from (x, y)";
    Atrament("Hladanie", 0, 2, &nad);
    EXPECT_EQ(nad, 0) << "vertical 2 is horizontal";
}

TEST(KitNapis, DrawsInItsColourWithoutABackgroundBox)
{
    Plocha p = NovaPlocha(200, 40, POZADIE);
    SetBkMode(p.hdc, OPAQUE);
    SetBkColor(p.hdc, RGB(1, 2, 3));
    SIZE e;
    Napis(p.hdc, &e, "Stupne", -1, 5, 5, RGB(250, 0, 0), -13, 0, 0, "Tahoma");
    EXPECT_GT(PocetBodov(p, RGB(250, 0, 0), 5, 5, 5 + e.cx, 5 + e.cy), 0);
    EXPECT_EQ(PocetBodov(p, RGB(1, 2, 3), 0, 0, 200, 40), 0);
    EXPECT_EQ(GetBkMode(p.hdc), TRANSPARENT);
    ZrusPlochu(&p);
}

// A label that formats longer than 99 characters is cut to 99 instead of overflowing its buffer.
TEST(KitNapis, OverlongLabelIsCutTo99Characters)
{
    Plocha p = NovaPlocha(100, 30, POZADIE);
    const std::string dlhy(150, 'A'), orezany(99, 'A');
    EXPECT_EQ(Zmeraj(p.hdc, dlhy.c_str(), -1, -9, "Tahoma").cx, Priamo(p.hdc, orezany.c_str(), -9, "Tahoma").cx);
    const std::string s_cislom = std::string(97, 'A') + "%d";
    EXPECT_EQ(Zmeraj(p.hdc, s_cislom.c_str(), 123456, -9, "Tahoma").cx,
              Priamo(p.hdc, (std::string(97, 'A') + "12").c_str(), -9, "Tahoma").cx);
    ZrusPlochu(&p);
}
