// ENTER over a desktop held in memory, with the real search and the real centres file.
#include "reference/hladaj_objekty.h"
#include "search/hladanie.h"
#include "search/stredy_subor.h"
#include "shell/vykonaj_akcie.h"
#include "shell_pomoc.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

static const int W = 120, H = 80;
static std::vector<COLORREF> plocha;
static const RECT OKNO = {100, 0, 119, 9};  // the control window, away from the shapes
static std::vector<POINT> kurzor;

static void Stvorec(int x0, int y0, int x1, int y1, int seda)
{
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) plocha[(size_t)y * W + x] = RGB(seda, seda, seda);
}

static int HladajNaPloche(HWND, int stupen, int velkost, int percento)
{
    return HladajObjekty(W, H, plocha.data(), OKNO, stupen, velkost, percento);
}

static void Kurzor(int x, int y)
{
    kurzor.push_back(POINT{x, y});
}

static void Stlac(UINT vk)
{
    Vykonavac v = {nullptr, HladajNaPloche, PointPoleDoTxt, Kurzor, nullptr};
    Akcie a;
    UdalostKlavesa(&a, vk, W);
    VykonajAkcie(nullptr, &a, &v);
}

static std::string Subor()
{
    std::ifstream f(SUBOR_STREDOV, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Each case writes its file in a fresh directory of its own, removed at the end.
static char adresar[] = "/tmp/zentrivo_shell_XXXXXX";
static char povodny[4096];

static void NovyAdresar()
{
    strcpy(adresar, "/tmp/zentrivo_shell_XXXXXX");
    ASSERT_NE(getcwd(povodny, sizeof povodny), nullptr);
    ASSERT_NE(mkdtemp(adresar), nullptr);
    ASSERT_EQ(chdir(adresar), 0);
}

static void Uprac()
{
    unlink(SUBOR_STREDOV);
    EXPECT_EQ(chdir(povodny), 0);
    rmdir(adresar);
}

// A fresh directory, the desktop with its squares, and the start state with band 4 and size 5,
// which find the two squares outside the control window.
static void Priprav()
{
    NovyAdresar();
    plocha.assign((size_t)W * H, RGB(10, 200, 30));
    Stvorec(10, 10, 29, 29, 128);
    Stvorec(60, 30, 89, 59, 140);
    Stvorec(100, 0, 119, 9, 128);  // under the control window: left out
    kurzor.clear();
    NastavPociatocnyStav();
    ZaistiVysledky();
    stupne_sedi = 4;
    VelkostObjektu = 5;
}

TEST(EnterOnDesktop, FindsWritesAndJumps)
{
    Priprav();
    percento_vyplne = 50;
    Stlac(VK_RETURN);
    EXPECT_EQ(PocetObjektov, 2);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(cislo_objektu, 1);
    EXPECT_EQ(Subor(), "19,19\r\n74,44\r\n");
    Stlac(VK_TAB);
    Stlac(VK_TAB);
    Stlac(VK_TAB);
    ASSERT_EQ(kurzor.size(), 3u);
    EXPECT_EQ(kurzor[0].x, 19);
    EXPECT_EQ(kurzor[0].y, 19);
    EXPECT_EQ(kurzor[1].x, 74);
    EXPECT_EQ(kurzor[1].y, 44);
    EXPECT_EQ(kurzor[2].x, 19);
    Uprac();
}

TEST(EnterOnDesktop, NothingFoundEmptiesTheFile)
{
    Priprav();
    Stlac(VK_RETURN);
    ASSERT_EQ(PocetObjektov, 2);
    volba = 4;
    stupne_sedi = 3;  // no grey of band 3 on this desktop
    Stlac(VK_RETURN);
    EXPECT_EQ(PocetObjektov, 0);
    EXPECT_EQ(status, 3);
    EXPECT_EQ(volba, 2u);
    EXPECT_EQ(cislo_objektu, 0);
    EXPECT_EQ(Subor(), "");
    Stlac(VK_TAB);
    EXPECT_TRUE(kurzor.empty());
    Uprac();
}

// A folder named Stredy.txt: the file cannot be written, the window says so, and the objects found
// still count: TAB visits them. No temporary file stays behind.
TEST(EnterOnDesktop, UnwritableFileIsShownAndTheObjectsCount)
{
    Priprav();
    ASSERT_EQ(mkdir(SUBOR_STREDOV, 0755), 0);
    Stlac(VK_RETURN);
    EXPECT_EQ(status, 5);
    EXPECT_EQ(PocetObjektov, 2);
    EXPECT_EQ(cislo_objektu, 1);
    Stlac(VK_TAB);
    ASSERT_EQ(kurzor.size(), 1u);
    EXPECT_EQ(kurzor[0].x, 19);
    EXPECT_EQ(kurzor[0].y, 19);
    EXPECT_NE(access((std::string(SUBOR_STREDOV) + ".tmp").c_str(), F_OK), 0);
    rmdir(SUBOR_STREDOV);
    Uprac();
}
