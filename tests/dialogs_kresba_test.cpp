// The pictures of the About and Settings dialogs, read back from the recording kit.
#include <gtest/gtest.h>

#include <algorithm>

#include "dialogs/nastavenia_dlg.h"
#include "dialogs/o_programe.h"
#include "stubs/kit_zaznam.h"

static HDC const DLG = reinterpret_cast<HDC>(0x600);

TEST(OProgrameKresba, TenLinesStackedByTheirOwnHeights)
{
    ZaznamVymaz();
    OnWM_PAINTDLG(DLG);
    std::vector<Volanie> napisy = ZaznamDruhu(VOLANIE_NAPIS);
    ASSERT_EQ(napisy.size(), 14u);
    int y = 2;
    for (int i = 0; i < 10; i++) {
        SCOPED_TRACE(i + 1);
        const Volanie& v = napisy[i];
        EXPECT_EQ(v.hdc, DLG);
        EXPECT_EQ(v.text, RIADKY_O_PROGRAME[i]);
        EXPECT_EQ(v.hodnota, -1);
        EXPECT_EQ(v.x, 7);
        EXPECT_EQ(v.y, y);
        EXPECT_EQ(v.farba, RGB(200, 220, 255));
        EXPECT_EQ(v.vyska_pisma, -13);
        EXPECT_EQ(v.hrube, 0);
        EXPECT_EQ(v.zvisle, 0);
        EXPECT_EQ(v.pismo, "Segoe UI");
        y += v.rozmer.cy;
    }
}

TEST(OProgrameKresba, LineElevenIsThreePiecesSideBySide)
{
    ZaznamVymaz();
    // Different heights per line, so a piece placed from the wrong extent shows.
    g_zaznam_rozmer = [](const char* text, int, int hrube, const char*) {
        SIZE s = {(LONG)(10 + 3 * (LONG)std::string(text).size() + hrube), (LONG)(14 + std::string(text).size() % 5)};
        return s;
    };
    OnWM_PAINTDLG(DLG);
    std::vector<Volanie> n = ZaznamDruhu(VOLANIE_NAPIS);
    ASSERT_EQ(n.size(), 14u);
    int y11 = 2;
    for (int i = 0; i < 10; i++) y11 += n[i].rozmer.cy;

    struct Kus { const char* text; int hrube; };
    const Kus kusy[] = {{"súboru ", 0}, {"Stredy.txt", 1}, {" .", 0}};
    int x = 7;
    for (int i = 0; i < 3; i++) {
        SCOPED_TRACE(kusy[i].text);
        const Volanie& v = n[10 + i];
        EXPECT_EQ(v.text, kusy[i].text);
        EXPECT_EQ(v.hrube, kusy[i].hrube);
        EXPECT_EQ(v.x, x);
        EXPECT_EQ(v.y, y11);
        EXPECT_EQ(v.farba, RGB(200, 220, 255));
        EXPECT_EQ(v.vyska_pisma, -13);
        x += v.rozmer.cx;
    }
}

TEST(OProgrameKresba, RuleThreePixelsAboveTheCreditLine)
{
    ZaznamVymaz();
    OnWM_PAINTDLG(DLG);
    std::vector<Volanie> n = ZaznamDruhu(VOLANIE_NAPIS);
    std::vector<Volanie> u = ZaznamDruhu(VOLANIE_USECKA);
    ASSERT_EQ(n.size(), 14u);
    ASSERT_EQ(u.size(), 1u);
    int y = n[12].y + n[12].rozmer.cy + 12;
    EXPECT_EQ(u[0].farba, RGB(80, 80, 80));
    EXPECT_EQ(u[0].hrubka, 1);
    EXPECT_EQ(u[0].x, 7);
    EXPECT_EQ(u[0].x2, 200);
    EXPECT_EQ(u[0].y, y - 3);
    EXPECT_EQ(u[0].y2, y - 3);

    const Volanie& kredit = n[13];
    EXPECT_EQ(kredit.x, 12);
    EXPECT_EQ(kredit.y, y);
    EXPECT_EQ(kredit.farba, RGB(150, 150, 150));
    EXPECT_EQ(kredit.vyska_pisma, -11);
    EXPECT_EQ(kredit.hrube, 0);
    EXPECT_EQ(kredit.pismo, "Segoe UI");
    EXPECT_FALSE(kredit.text.empty());
    // Drawn in order: the rule comes after line 11 and before the credit line.
    ASSERT_EQ(g_zaznam.size(), 15u);
    EXPECT_EQ(g_zaznam[13].druh, VOLANIE_USECKA);
}

TEST(OProgrameKresba, NoTextIsChangedByFormatting)
{
    ZaznamVymaz();
    OnWM_PAINTDLG(DLG);
    for (const Volanie& v : ZaznamDruhu(VOLANIE_NAPIS)) {
        SCOPED_TRACE(ZaznamPopis(v));
        EXPECT_EQ(v.text, v.format);
    }
}

TEST(OProgrameKresba, ReportedBoundsHoldEverythingPainted)
{
    ZaznamVymaz();
    RECT obsah;
    KresbaOPrograme(DLG, &obsah);
    int prava = 0, dolna = 0;
    for (const Volanie& v : ZaznamDruhu(VOLANIE_NAPIS)) {
        prava = std::max(prava, v.x + (int)v.rozmer.cx);
        dolna = std::max(dolna, v.y + (int)v.rozmer.cy);
    }
    prava = std::max(prava, 201); // the rule ends on column 200
    EXPECT_EQ(obsah.left, 7);
    EXPECT_EQ(obsah.top, 2);
    EXPECT_EQ(obsah.right, prava);
    EXPECT_EQ(obsah.bottom, dolna);
}

TEST(NastaveniaKresba, LabelWithItsNoteDirectlyBelow)
{
    struct Pripad { int cy; };
    for (Pripad p : {Pripad{15}, Pripad{21}}) {
        SCOPED_TRACE(p.cy);
        ZaznamVymaz();
        ZaznamPevnyRozmer(90, p.cy);
        RECT obsah;
        KresbaNastavenia(DLG, &obsah);
        ASSERT_EQ(g_zaznam.size(), 2u);
        const Volanie& a = g_zaznam[0];
        const Volanie& b = g_zaznam[1];
        EXPECT_EQ(a.druh, VOLANIE_NAPIS);
        EXPECT_EQ(a.text, "Sledovať kurzor");
        EXPECT_EQ(a.x, 39);
        EXPECT_EQ(a.y, 22);
        EXPECT_EQ(a.farba, RGB(0, 0, 0));
        EXPECT_EQ(a.vyska_pisma, -12);
        EXPECT_EQ(a.pismo, "Segoe UI");
        EXPECT_EQ(b.text, "(zvýši záťaž CPU)");
        EXPECT_EQ(b.x, 41);
        EXPECT_EQ(b.y, 22 + p.cy);
        EXPECT_EQ(b.farba, RGB(180, 150, 50));
        EXPECT_EQ(b.vyska_pisma, -9);
        EXPECT_EQ(b.pismo, "Verdana");
        for (const Volanie& v : g_zaznam) {
            EXPECT_EQ(v.hodnota, -1);
            EXPECT_EQ(v.hrube, 0);
            EXPECT_EQ(v.zvisle, 0);
        }
        EXPECT_EQ(obsah.left, 39);
        EXPECT_EQ(obsah.top, 22);
        EXPECT_EQ(obsah.right, 41 + 90);
        EXPECT_EQ(obsah.bottom, 22 + 2 * p.cy);
    }
}

TEST(NastaveniaKresba, PaintHandlerDrawsTheSame)
{
    ZaznamVymaz();
    RECT obsah;
    KresbaNastavenia(DLG, &obsah);
    std::vector<Volanie> a = g_zaznam;
    ZaznamVymaz();
    OnWM_PAINTDLG2(DLG);
    ASSERT_EQ(g_zaznam.size(), a.size());
    for (size_t i = 0; i < a.size(); i++) EXPECT_EQ(ZaznamPopis(g_zaznam[i]), ZaznamPopis(a[i]));
}
