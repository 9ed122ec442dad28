// The control state's events: start, click, timer, and every key command.
#include "shell_pomoc.h"
#include <gtest/gtest.h>

TEST(Start, Line4BecomesLine2AndNothingElse)
{
    struct { DWORD pred, po; } riadky[] = {{4, 2}, {1, 1}, {2, 2}, {3, 3}, {5, 5}, {0, 0}};
    for (auto r : riadky) {
        SCOPED_TRACE(r.pred);
        NastavPociatocnyStav();
        volba = r.pred;
        Akcie a;
        UdalostStart(&a);
        EXPECT_EQ(volba, r.po);
        EXPECT_EQ(Text(a), "");
    }
}

TEST(LeftButton, BringsBackTheHintOnly)
{
    for (int s : {2, 3}) {
        StavPoHladani(3, 2, 4, s);
        Akcie a;
        UdalostLaveTlacidlo(&a);
        EXPECT_EQ(Text(a), "repaint");
        EXPECT_EQ(status, 0);
        EXPECT_EQ(PocetObjektov, 3);
        EXPECT_EQ(cislo_objektu, 2);
        EXPECT_EQ(volba, 4u);
    }
}

TEST(Timer, RepaintsOnlyTimer1WhileTrackingWhenThePictureChanged)
{
    struct { UINT id; DWORD sledovanie; int zmena; const char* akcie; } riadky[] = {
        {1, 1, 1, "repaint"}, {2, 1, 1, ""}, {1, 0, 1, ""}, {1, 2, 1, ""}, {1, 0x101, 1, ""},
        {1, 1, 0, ""}, {1, 0, 0, ""}};
    for (auto r : riadky) {
        SCOPED_TRACE(testing::Message() << r.id << " " << r.sledovanie << " change " << r.zmena);
        NastavPociatocnyStav();
        sledovanie_kurzora = r.sledovanie;
        Akcie a;
        UdalostCasovac(&a, r.id, r.zmena);
        EXPECT_EQ(Text(a), r.akcie);
    }
}

TEST(Keys, EscRequestsCloseAndOtherKeysDoNothing)
{
    NastavPociatocnyStav();
    EXPECT_EQ(Klavesa(VK_ESCAPE), "close");
    for (UINT vk : {0u, 8u, 32u, 65u, 0x25u + 0x100u}) {
        SCOPED_TRACE(vk);
        EXPECT_EQ(Klavesa(vk), "");
    }
    EXPECT_EQ(volba, 1u);
    EXPECT_EQ(status, 0);
}

TEST(UpDown, VolbaTransitions)
{
    struct { DWORD volba; int n; UINT vk; DWORD po; } riadky[] = {
        {1, 0, VK_UP, 3}, {1, 3, VK_UP, 4}, {2, 0, VK_UP, 1}, {3, 0, VK_UP, 2}, {4, 3, VK_UP, 3},
        {1, 0, VK_DOWN, 2}, {2, 0, VK_DOWN, 3}, {3, 0, VK_DOWN, 1}, {3, 3, VK_DOWN, 4}, {4, 3, VK_DOWN, 1},
        // stored values outside the range: 5 selects nothing until DOWN, 0 wraps through the top
        {5, 0, VK_DOWN, 1}, {5, 3, VK_DOWN, 1}, {5, 0, VK_UP, 4}, {0, 0, VK_DOWN, 1},
        {0, 0, VK_UP, 0xFFFFFFFFu}, {0xFFFFFFFFu, 0, VK_DOWN, 0}};
    for (auto r : riadky) {
        SCOPED_TRACE(testing::Message() << r.volba << " N=" << r.n << " vk=" << r.vk);
        NastavPociatocnyStav();
        volba = r.volba;
        PocetObjektov = r.n;
        EXPECT_EQ(Klavesa(r.vk), "repaint");
        EXPECT_EQ(volba, r.po);
    }
}

TEST(LeftRight, LinesOneThreeAndFour)
{
    struct { DWORD volba; UINT vk; int pred, po; } riadky[] = {
        {1, VK_LEFT, 0, 0}, {1, VK_LEFT, 3, 2}, {1, VK_RIGHT, 6, 7}, {1, VK_RIGHT, 7, 7},
        {1, VK_LEFT, 100, 99},
        {3, VK_RIGHT, 95, 100}, {3, VK_RIGHT, 100, 100}, {3, VK_LEFT, 5, 5}, {3, VK_LEFT, 70, 65},
        {3, VK_RIGHT, 98, 103}, {3, VK_LEFT, 7, 2}, {3, VK_LEFT, 2, 2},
        {4, VK_LEFT, 1, 1}, {4, VK_LEFT, 3, 2}, {4, VK_RIGHT, 5, 5}, {4, VK_RIGHT, 2, 3}};
    for (auto r : riadky) {
        SCOPED_TRACE(testing::Message() << "line " << r.volba << " vk=" << r.vk << " from " << r.pred);
        NastavPociatocnyStav();
        volba = r.volba;
        PocetObjektov = 5;
        if (r.volba == 1) stupne_sedi = (DWORD)r.pred;
        if (r.volba == 3) percento_vyplne = (DWORD)r.pred;
        if (r.volba == 4) cislo_objektu = r.pred;
        EXPECT_EQ(Klavesa(r.vk), "repaint");
        int po = r.volba == 1 ? (int)stupne_sedi : r.volba == 3 ? (int)percento_vyplne : cislo_objektu;
        EXPECT_EQ(po, r.po);
        EXPECT_EQ(VelkostObjektu, 20u);
    }
}

TEST(LeftRight, UnselectedLineChangesNothing)
{
    NastavPociatocnyStav();
    volba = 5;
    cislo_objektu = 1;
    PocetObjektov = 3;
    EXPECT_EQ(Klavesa(VK_RIGHT), "repaint");
    EXPECT_EQ(Klavesa(VK_LEFT), "repaint");
    EXPECT_EQ(stupne_sedi, 0u);
    EXPECT_EQ(VelkostObjektu, 20u);
    EXPECT_EQ(percento_vyplne, 70u);
    EXPECT_EQ(cislo_objektu, 1);
}

static DWORD Velkost(DWORD pred, UINT vk, DWORD sirka)
{
    NastavPociatocnyStav();
    volba = 2;
    VelkostObjektu = pred;
    Klavesa(vk, sirka);
    return VelkostObjektu;
}

TEST(MinimumSize, StepsAtEveryBoundary)
{
    struct { DWORD pred; UINT vk; DWORD po; } riadky[] = {
        {0, VK_RIGHT, 0},      {1, VK_RIGHT, 2},       {9, VK_RIGHT, 10},     {10, VK_RIGHT, 15},
        {45, VK_RIGHT, 50},    {46, VK_RIGHT, 56},     {190, VK_RIGHT, 200},  {191, VK_RIGHT, 211},
        {480, VK_RIGHT, 500},  {481, VK_RIGHT, 531},   {950, VK_RIGHT, 1000}, {951, VK_RIGHT, 1051},
        {0, VK_LEFT, 0},       {1, VK_LEFT, 1},        {2, VK_LEFT, 1},       {11, VK_LEFT, 10},
        {12, VK_LEFT, 7},      {55, VK_LEFT, 50},      {56, VK_LEFT, 46},     {210, VK_LEFT, 200},
        {211, VK_LEFT, 191},   {520, VK_LEFT, 500},    {521, VK_LEFT, 471},   {1050, VK_LEFT, 1000},
        {1051, VK_LEFT, 951},  {1100, VK_LEFT, 1000},  {10, VK_LEFT, 9}};
    for (auto r : riadky) {
        SCOPED_TRACE(testing::Message() << r.pred << (r.vk == VK_LEFT ? " LEFT" : " RIGHT"));
        EXPECT_EQ(Velkost(r.pred, r.vk, 100000), r.po);
    }
}

TEST(MinimumSize, GridBothWaysWithTheDesktopBound)
{
    struct { DWORD sirka; DWORD najvacsia; } riadky[] = {{1920, 1900}, {1366, 1300}, {1024, 950}};
    for (auto r : riadky) {
        SCOPED_TRACE(r.sirka);
        // the grid from 1: by 1 to 10, by 5 to 50, by 10 to 200, by 20 to 500, by 50 to 1000, then by 100
        std::vector<DWORD> mriezka;
        for (DWORD v = 1; v <= r.najvacsia;
             v += v < 10 ? 1 : v < 50 ? 5 : v < 200 ? 10 : v < 500 ? 20 : v < 1000 ? 50 : 100)
            mriezka.push_back(v);
        ASSERT_EQ(mriezka.back(), r.najvacsia);
        NastavPociatocnyStav();
        volba = 2;
        VelkostObjektu = 1;
        for (size_t i = 1; i < mriezka.size(); i++) {
            Klavesa(VK_RIGHT, r.sirka);
            ASSERT_EQ(VelkostObjektu, mriezka[i]);
        }
        Klavesa(VK_RIGHT, r.sirka);
        EXPECT_EQ(VelkostObjektu, r.najvacsia);  // the bound stops it
        for (size_t i = mriezka.size() - 1; i > 0; i--) {
            Klavesa(VK_LEFT, r.sirka);
            ASSERT_EQ(VelkostObjektu, mriezka[i - 1]);
        }
        Klavesa(VK_LEFT, r.sirka);
        EXPECT_EQ(VelkostObjektu, 1u);
    }
}

TEST(MinimumSize, BoundIsUnsignedAndTestedBeforeTheStep)
{
    EXPECT_EQ(Velkost(1819, VK_RIGHT, 1920), 1919u);  // below 1820: the step passes the bound
    EXPECT_EQ(Velkost(1820, VK_RIGHT, 1920), 1820u);
    EXPECT_EQ(Velkost(20, VK_RIGHT, 100), 20u);       // bound 0
    EXPECT_EQ(Velkost(20, VK_RIGHT, 99), 25u);        // bound wraps to 0xFFFFFFFF
    EXPECT_EQ(Velkost(0x7FFFFFF0u, VK_RIGHT, 50), 0x7FFFFFF0u + 100u);
}

// Three objects found, the first TAB pending on object 1.
static void TriObjekty()
{
    NastavPociatocnyStav();
    ZaistiVysledky();
    for (int i = 0; i < 5; i++) centers[i] = POINT{10 * (i + 1), 100 + i};
    PocetObjektov = 3;
    cislo_objektu = 1;
    vypinac_TAB = 1;
    status = 2;
}

TEST(Tab, NothingBeforeAnySearchOrWithoutACurrentObject)
{
    struct { int n, cislo; } riadky[] = {{0, 0}, {3, 0}, {3, 4}, {3, -1}, {0, 1}};
    for (auto r : riadky) {
        SCOPED_TRACE(testing::Message() << r.n << " " << r.cislo);
        NastavPociatocnyStav();
        PocetObjektov = r.n;
        cislo_objektu = r.cislo;
        EXPECT_EQ(Klavesa(VK_TAB), "");
        EXPECT_EQ(cislo_objektu, r.cislo);
        EXPECT_EQ(vypinac_TAB, 1);
    }
}

TEST(Tab, CyclesOverThreeObjects)
{
    TriObjekty();
    EXPECT_EQ(Klavesa(VK_TAB), "cursor 10,100; repaint");
    EXPECT_EQ(vypinac_TAB, 0);
    EXPECT_EQ(Klavesa(VK_TAB), "cursor 20,101; repaint");
    EXPECT_EQ(Klavesa(VK_TAB), "cursor 30,102; repaint");
    EXPECT_EQ(Klavesa(VK_TAB), "cursor 10,100; repaint");
    EXPECT_EQ(cislo_objektu, 1);
}

TEST(Tab, StaysOnTheChosenObjectWhileLine4IsSelected)
{
    TriObjekty();
    volba = 4;
    Klavesa(VK_RIGHT);
    EXPECT_EQ(cislo_objektu, 2);
    for (int i = 0; i < 3; i++) EXPECT_EQ(Klavesa(VK_TAB), "cursor 20,101; repaint");
    EXPECT_EQ(vypinac_TAB, 0);
    Klavesa(VK_DOWN);
    EXPECT_EQ(volba, 1u);
    EXPECT_EQ(Klavesa(VK_TAB), "cursor 30,102; repaint");
}

TEST(Enter, FirstStepShowsSearchingAndAsksForTheSearch)
{
    StavPoHladani(3, 2, 1, 0);
    stupne_sedi = 4;
    VelkostObjektu = 35;
    percento_vyplne = 98;
    EXPECT_EQ(Klavesa(VK_RETURN), "repaint; search 4 35 98");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(PocetObjektov, 3);  // the count arrives in the second step
    EXPECT_EQ(cislo_objektu, 2);
}

TEST(Enter, SecondStepTakesInTheCount)
{
    struct { int n; DWORD volba; int cislo; int status; DWORD volba_po; int cislo_po; } riadky[] = {
        {3, 1, 0, 2, 1, 1}, {5, 4, 4, 2, 4, 4}, {2, 4, 4, 2, 4, 2},
        {0, 4, 2, 3, 2, 0}, {0, 3, 2, 3, 3, 0}, {0, 1, 0, 3, 1, 0}};
    for (auto r : riadky) {
        SCOPED_TRACE(testing::Message() << "N=" << r.n << " volba " << r.volba << " cislo " << r.cislo);
        NastavPociatocnyStav();
        volba = r.volba;
        cislo_objektu = r.cislo;
        vypinac_TAB = 0;
        status = 1;
        Akcie a;
        UdalostHladanieSkoncilo(&a, r.n);
        EXPECT_EQ(Text(a), "file " + std::to_string(r.n) + "; repaint");
        EXPECT_EQ(PocetObjektov, r.n);
        EXPECT_EQ(status, r.status);
        EXPECT_EQ(volba, r.volba_po);
        EXPECT_EQ(cislo_objektu, r.cislo_po);
        EXPECT_EQ(vypinac_TAB, 1);
    }
}
