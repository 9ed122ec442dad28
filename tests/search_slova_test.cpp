// The search keeps its list as 64 columns a word: runs and ranges that meet or cross the word
// boundaries and the row ends, desktops of every width around them, noise at every density, and
// desktops of different sizes one after the other, each against the reference steps.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "search/behy.h"
#include "search/hladanie.h"
#include "reference/orakel.h"
#include "reference/sceny.h"

namespace {

const COLORREF kSeda = RGB(140, 140, 140);  // band 4
const int kSirky[] = {1, 2, 63, 64, 65, 127, 128, 129, 191, 192, 193};

void AkoOrakel(const Scena& s, RECT vylucene, int stupen, int min_velkost, int percento)
{
    const orakel::Vysledok o = orakel::OrakelHladaj(s.w, s.h, s.farby.data(), vylucene, stupen, min_velkost, percento);
    const Najdene n = Hladaj(s, vylucene, stupen, min_velkost, percento);
    ASSERT_EQ((int)o.objekty.size(), n.pocet);
    for (int i = 0; i < n.pocet; i++) {
        SCOPED_TRACE("object " + std::to_string(i));
        ASSERT_EQ(o.objekty[i], n.objekty[i]);
        ASSERT_EQ(o.centers[i], n.centers[i]);
    }
}

std::string Rozmer(const Scena& s) { return std::to_string(s.w) + " x " + std::to_string(s.h); }

TEST(SearchWords, FullWidthBarsAtEveryWidth)
{
    for (int w : kSirky) {
        Scena s = NovaScena(w, 6);
        Obdlznik(&s, 0, 1, w - 1, 2, kSeda);
        Obdlznik(&s, 0, 4, w - 1, 5, kSeda);  // down to the last row
        SCOPED_TRACE(Rozmer(s));
        const Najdene n = Hladaj(s, kNicNevylucit, 4, 1, 100);
        ASSERT_EQ(n.pocet, 2);
        EXPECT_EQ(n.objekty[0], (RECT{0, 1, w - 1, 2}));
        EXPECT_EQ(n.objekty[1], (RECT{0, 4, w - 1, 5}));
        EXPECT_EQ(n.centers[1], (POINT{(w - 1) / 2, 4}));
    }
}

TEST(SearchWords, ShapesAcrossTheWordBoundariesLikeTheReference)
{
    for (int w : kSirky) {
        Scena s = NovaScena(w, 40);
        Obdlznik(&s, 60, 0, 70, 3, kSeda);         // across columns 63 and 64
        Obdlznik(&s, 64, 5, 64, 9, kSeda);         // one column wide, at a word's first column
        Obdlznik(&s, 63, 7, 63, 12, kSeda);        // beside it, touching
        Obdlznik(&s, w - 3, 14, w - 1, 20, kSeda);  // ending at the row's last column
        Obdlznik(&s, 0, 14, 2, 20, kSeda);          // starting at column 0
        Kruh(&s, 128, 30, 8, kSeda);
        Trojuholnik(&s, 64, 22, 17, kSeda);
        SCOPED_TRACE(Rozmer(s));
        AkoOrakel(s, kNicNevylucit, 4, 1, 10);
        // Left-out columns that end or start at a word boundary cut the shapes there.
        for (const RECT& r : {RECT{63, 0, 63, 39}, RECT{64, 2, 127, 25}, RECT{-5, 10, 64, 16}, RECT{0, 0, w - 1, 0}}) {
            SCOPED_TRACE("left out " + std::to_string(r.left) + ".." + std::to_string(r.right));
            AkoOrakel(s, r, 4, 1, 10);
        }
    }
}

// Every pixel grey with the given chance: many short runs, given-up seeds and lead-ins.
TEST(SearchWords, NoiseOfEveryDensityLikeTheReference)
{
    std::mt19937 gen(4242);
    for (int hustota : {5, 20, 40, 50, 60, 80, 95}) {
        for (int w : {64, 100, 129}) {
            Scena s = NovaScena(w, 72);
            for (COLORREF& c : s.farby) {
                const int v = 128 + (int)(gen() % 32);
                if ((int)(gen() % 100) < hustota) c = RGB(v, v, v);
            }
            SCOPED_TRACE("density " + std::to_string(hustota) + ", " + Rozmer(s));
            AkoOrakel(s, kNicNevylucit, 4, 2, 30);
            AkoOrakel(s, RECT{10, 10, 70, 40}, 4, 0, 0);
        }
    }
}

// The tables are sized for the largest desktop so far; a smaller or differently shaped one after it
// must not see anything of the earlier search. A checkerboard has no seed, so its search leaves all of
// its pixels in the tables, where a later, narrower desktop's rows and row ends now lie.
TEST(SearchWords, DesktopsOfDifferentSizesInTurn)
{
    std::mt19937 gen(77);
    const int rozmery[][2] = {{193, 50}, {64, 3}, {300, 20}, {65, 3}, {1, 1}, {64, 90}, {129, 129}, {2, 200}, {193, 50}};
    for (const auto& r : rozmery) {
        Scena sachovnica = NovaScena(r[0] + 130, r[1] + 2);
        for (int y = 0; y < sachovnica.h; y++)
            for (int x = (y + 1) & 1; x < sachovnica.w; x += 2) Bod(&sachovnica, x, y, kSeda);
        ASSERT_EQ(Hladaj(sachovnica, kNicNevylucit, 4, 0, 0).pocet, 0);

        Scena s = NovaScena(r[0], r[1]);
        for (COLORREF& c : s.farby)
            if (gen() % 3 == 0) c = kSeda;
        Obdlznik(&s, 0, 0, r[0] - 1, 0, kSeda);
        Obdlznik(&s, 0, r[1] - 2, r[0] - 1, r[1] - 1, kSeda);  // the last row's run ends the table
        SCOPED_TRACE(Rozmer(s));
        AkoOrakel(s, kNicNevylucit, 4, 1, 20);
    }
}

// The row queries at the word boundaries and the row ends, on a row laid out by the list's own scan.
TEST(SearchWords, RowQueriesAtTheWordBoundaries)
{
    const int w = 200;
    Scena s = NovaScena(w, 2);
    const int behy[][2] = {{0, 0}, {62, 65}, {120, 127}, {192, 197}, {199, 199}};
    for (const auto& beh : behy) Obdlznik(&s, beh[0], 0, beh[1], 0, kSeda);
    Behy b = {};
    ASSERT_TRUE(PripravBehy(&b, w, 2));
    ASSERT_EQ(ZostavBehy(&b, w, 2, s.farby.data(), kNicNevylucit, 4), 1 + 4 + 8 + 6 + 1);
    EXPECT_EQ(b.bodov_v_riadku[0], 20);
    EXPECT_EQ(b.bodov_v_riadku[1], 0);
    EXPECT_EQ(b.bodov_v_riadku[2], 0);
    for (const auto& beh : behy) {
        for (int x = beh[0]; x <= beh[1]; x++) {
            SCOPED_TRACE("column " + std::to_string(x));
            EXPECT_EQ(ZaciatokBehu(b, 0, x), beh[0]);
            EXPECT_EQ(KoniecBehu(b, 0, x), beh[1]);
        }
    }
    EXPECT_EQ(PrvyBod(b, 0, 1, 199), 62);
    EXPECT_EQ(PrvyBod(b, 0, 66, 119), kZiadny);
    EXPECT_EQ(PrvyBod(b, 0, 66, 127), 120);
    EXPECT_EQ(PrvyBod(b, 0, 128, 191), kZiadny);
    EXPECT_EQ(PoslednyBod(b, 0, 0, 119), 65);
    EXPECT_EQ(PoslednyBod(b, 0, 1, 61), kZiadny);
    EXPECT_EQ(PoslednyBod(b, 0, 0, 61), 0);
    EXPECT_EQ(PoslednyBod(b, 0, 128, 191), kZiadny);
    EXPECT_EQ(PrvySpolocny(b, 0, 0), kZiadny);  // the row below is empty

    // Taking runs out clears their bits and counts their pixels, within a word and across words.
    EXPECT_EQ(VyberUsek(b, 0, 62, 127), 12);
    EXPECT_EQ(PrvyBod(b, 0, 1, 199), 192);
    EXPECT_EQ(VyberUsek(b, 0, 192, 199), 7);
    EXPECT_EQ(b.bodov_v_riadku[0], 1);
    EXPECT_EQ(PoslednyBod(b, 0, 0, 199), 0);
    UvolniBehy(&b);
}

}  // namespace
