// The search's edge cases: shapes, bands, exclusion, fill and size limits, and the scan's quirks.
#include <gtest/gtest.h>

#include "reference/hladaj_objekty.h"
#include "search/hladanie.h"
#include "search/vysledky.h"
#include "reference/obdlzniky.h"
#include "reference/orakel.h"
#include "reference/sceny.h"

namespace {

const RECT kBokom = {90, 90, 95, 95};        // an exclusion away from the shapes
const int kPasmo = 4, kMin = 5, kVypln = 5;

struct Ocakavane {
    RECT obdlznik;
    POINT stred;
};

// The product finds exactly `ocakavane`, in that order; the oracle agrees.
void OverScenu(const Scena& s, const std::vector<Ocakavane>& ocakavane, RECT vylucene = kBokom,
               int stupen = kPasmo, int min_velkost = kMin, int percento = kVypln)
{
    Najdene n = Hladaj(s, vylucene, stupen, min_velkost, percento);
    ASSERT_EQ(n.pocet, (int)ocakavane.size());
    for (size_t k = 0; k < ocakavane.size(); k++) {
        SCOPED_TRACE("object " + std::to_string(k));
        EXPECT_EQ(n.objekty[k], ocakavane[k].obdlznik);
        EXPECT_EQ(n.centers[k], ocakavane[k].stred);
    }
    orakel::Vysledok o = orakel::OrakelHladaj(s.w, s.h, s.farby.data(), vylucene, stupen, min_velkost, percento);
    EXPECT_EQ(o.objekty, n.objekty);
    EXPECT_EQ(o.centers, n.centers);
}

int Pocet(const Scena& s, int stupen, int min_velkost, int percento, RECT vylucene = kBokom)
{
    return Hladaj(s, vylucene, stupen, min_velkost, percento).pocet;
}

Scena Stvorec()  // columns and rows 10 to 39
{
    return Obdlzniky({{10, 10, 39, 39}}, kSeda);
}

TEST(SearchShapes, FilledSquare)
{
    OverScenu(Stvorec(), {{{10, 10, 39, 39}, {24, 24}}});
}

TEST(SearchShapes, MinimumSizeIsInclusive)
{
    Scena s = Obdlzniky({{10, 10, 29, 29}}, kSeda);
    EXPECT_EQ(Pocet(s, kPasmo, 20, kVypln), 1);
    EXPECT_EQ(Pocet(s, kPasmo, 21, kVypln), 0);
    // Width and height are each held to the minimum.
    EXPECT_EQ(Pocet(Obdlzniky({{10, 10, 28, 50}}, kSeda), kPasmo, 20, kVypln), 0);
    EXPECT_EQ(Pocet(Obdlzniky({{10, 10, 50, 28}}, kSeda), kPasmo, 20, kVypln), 0);
}

TEST(SearchShapes, TriangleFillIsHalf)
{
    Scena s = NovaScena(100, 100);
    Trojuholnik(&s, 40, 10, 30, kSeda);  // 900 pixels in 59 x 30
    OverScenu(s, {{{11, 10, 69, 39}, {40, 24}}}, kBokom, kPasmo, kMin, 50);
    EXPECT_EQ(Pocet(s, kPasmo, kMin, 51), 0);
}

TEST(SearchShapes, DiskFillIsThreeQuarters)
{
    Scena s = NovaScena(100, 100);
    Kruh(&s, 40, 40, 20, kSeda);  // 1257 pixels in 41 x 41
    OverScenu(s, {{{20, 20, 60, 60}, {40, 40}}}, kBokom, kPasmo, kMin, 74);
    EXPECT_EQ(Pocet(s, kPasmo, kMin, 75), 0);
}

TEST(SearchShapes, HoleAndUShapeStayOneObject)
{
    Scena diera = Stvorec();
    Obdlznik(&diera, 20, 20, 29, 29, kPozadie);
    OverScenu(diera, {{{10, 10, 39, 39}, {24, 24}}});

    Scena u = Obdlzniky({{10, 10, 14, 40}, {40, 10, 44, 40}, {10, 41, 44, 45}}, kSeda);
    OverScenu(u, {{{10, 10, 44, 45}, {27, 27}}});
}

TEST(SearchShapes, CornerTouchIsNoConnection)
{
    Scena roh = Obdlzniky({{10, 10, 29, 29}, {30, 30, 49, 49}}, kSeda);
    OverScenu(roh, {{{10, 10, 29, 29}, {19, 19}}, {{30, 30, 49, 49}, {39, 39}}});

    Scena stlpec = Obdlzniky({{10, 10, 29, 29}, {29, 30, 48, 49}}, kSeda);  // the second square shares column 29
    OverScenu(stlpec, {{{10, 10, 48, 49}, {29, 29}}});
}

TEST(SearchShapes, OrderIsScanOrderOfTheSeeds)
{
    // The second square is lower, but its top row comes later.
    Scena vedla = Obdlzniky({{50, 10, 69, 29}, {10, 12, 29, 31}}, kSeda);
    OverScenu(vedla, {{{50, 10, 69, 29}, {59, 19}}, {{10, 12, 29, 31}, {19, 21}}});

    Scena pod_sebou = Obdlzniky({{10, 10, 29, 29}, {10, 40, 29, 59}}, kSeda);
    OverScenu(pod_sebou, {{{10, 10, 29, 29}, {19, 19}}, {{10, 40, 29, 59}, {19, 49}}});
}

TEST(SearchShapes, OneRowIsNeverAnObject)
{
    struct Pripad {
        const char* nazov;
        int riadkov;
        int objektov;
    };
    for (Pripad p : {Pripad{"line", 1, 0}, Pripad{"bar of two rows", 2, 1}}) {
        SCOPED_TRACE(p.nazov);
        Scena s = NovaScena(100, 100);
        Obdlznik(&s, 10, 10, 60, 10 + p.riadkov - 1, kSeda);
        EXPECT_EQ(Pocet(s, kPasmo, 1, kVypln), p.objektov);
        EXPECT_EQ(Pocet(s, kPasmo, 0, 0), p.objektov);
    }
    Scena bod = NovaScena(100, 100);
    Bod(&bod, 50, 50, kSeda);
    EXPECT_EQ(Pocet(bod, kPasmo, 0, 0), 0);
}

// A 30 x 30 square of one colour, searched in one band: 1 when it is found, else 0.
int NajdeneVPasme(COLORREF farba, int stupen)
{
    Scena s = Obdlzniky({{10, 10, 39, 39}}, farba);
    return Pocet(s, stupen, kMin, kVypln);
}

// Band b holds the grey values 32 b to 32 b + 31; a band outside 0 to 7 acts as its remainder by 8.
TEST(SearchBands, ExactGreyOfTheBandOnly)
{
    struct Seda {
        int hodnota, stupen, objektov;
    };
    const Seda sede[] = {{128, 4, 1}, {127, 4, 0}, {127, 3, 1}, {159, 4, 1}, {160, 4, 0}, {0, 0, 1},
                         {31, 0, 1},  {255, 7, 1}, {0, 8, 1},   {224, 15, 1}, {255, -1, 1}, {128, 12, 1}};
    for (const Seda& p : sede) {
        SCOPED_TRACE("grey " + std::to_string(p.hodnota) + " in band " + std::to_string(p.stupen));
        EXPECT_EQ(NajdeneVPasme(RGB(p.hodnota, p.hodnota, p.hodnota), p.stupen), p.objektov);
    }
    // Red, green and blue must be equal, and the colour a plain one.
    struct Neseda {
        const char* nazov;
        COLORREF farba;
        int stupen;
    };
    const Neseda nesede[] = {
        {"blue off by one", RGB(128, 128, 129), 4}, {"red off by one", RGB(129, 128, 128), 4},
        {"green off by one", RGB(128, 127, 128), 4}, {"unreadable pixel", CLR_INVALID, 7},
        {"grey with a top byte", 0x01808080u, 4},
    };
    for (const Neseda& p : nesede) {
        SCOPED_TRACE(p.nazov);
        EXPECT_EQ(NajdeneVPasme(p.farba, p.stupen), 0);
    }
}

TEST(SearchBands, BandsActModuloEight)
{
    Scena s = NovaScena(100, 100);
    Obdlznik(&s, 10, 10, 29, 29, RGB(10, 10, 10));
    Obdlznik(&s, 50, 10, 69, 29, RGB(20, 20, 20));
    Obdlznik(&s, 10, 50, 29, 69, RGB(200, 200, 200));
    for (int stupen = -16; stupen < 24; stupen++) {
        SCOPED_TRACE("band " + std::to_string(stupen));
        Najdene n = Hladaj(s, kBokom, stupen, kMin, kVypln);
        Najdene zvysok = Hladaj(s, kBokom, stupen & 7, kMin, kVypln);
        EXPECT_EQ(n.objekty, zvysok.objekty);
    }
    EXPECT_EQ(Pocet(s, 0, kMin, kVypln), 2);
    EXPECT_EQ(Pocet(s, 6, kMin, kVypln), 1);
}

TEST(SearchExclusion, BoundsAreInclusive)
{
    struct Pripad {
        const char* nazov;
        RECT vylucene;
        std::vector<Ocakavane> ocakavane;
    };
    const Pripad pripady[] = {
        {"right value 24 across the rows", {0, 0, 24, 99}, {{{25, 10, 39, 39}, {32, 24}}}},
        {"bottom value 10 across the columns", {0, 0, 99, 10}, {{{10, 11, 39, 39}, {24, 25}}}},
        {"left value 39 across the rows", {39, 0, 99, 99}, {{{10, 10, 38, 39}, {24, 24}}}},
        {"top value 39 across the columns", {0, 39, 99, 99}, {{{10, 10, 39, 38}, {24, 24}}}},
        {"negative bounds", {-20, -20, 12, 99}, {{{13, 10, 39, 39}, {26, 24}}}},
        {"wholly left of the desktop", {-50, -50, -1, 200}, {{{10, 10, 39, 39}, {24, 24}}}},
        {"wholly below the desktop", {0, 100, 200, 300}, {{{10, 10, 39, 39}, {24, 24}}}},
        {"inverted, so empty", {39, 39, 10, 10}, {{{10, 10, 39, 39}, {24, 24}}}},
        {"covering the square", {10, 10, 39, 39}, {}},
        {"one pixel", {24, 24, 24, 24}, {{{10, 10, 39, 39}, {24, 24}}}},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        OverScenu(Stvorec(), p.ocakavane, p.vylucene);
    }
}

TEST(SearchExclusion, SplittingAShapeMakesTwo)
{
    OverScenu(Obdlzniky({{10, 10, 49, 29}}, kSeda), {{{10, 10, 24, 29}, {17, 19}}, {{30, 10, 49, 29}, {39, 19}}},
              RECT{25, 0, 29, 99});
}

// An arch with one pixel under the span of its legs: the first cycle's chain takes in the pixel,
// and the upward scan starting there collects only the pixel.
TEST(SearchQuirks, ArchWithLonePixel)
{
    auto obluk = [](int pixel_y) {
        return Obdlzniky({{10, 10, 44, 14}, {10, 15, 14, 40}, {40, 15, 44, 40}, {27, pixel_y, 27, pixel_y}}, kSeda);
    };
    OverScenu(obluk(41), {{{10, 10, 44, 40}, {27, 25}}});
    OverScenu(obluk(42), {{{10, 10, 44, 40}, {27, 25}}});
    // The first cycle's object is the pixel's column over the arch's rows, with a tested fill of
    // 0: it passes only when neither size nor fill is asked for.
    OverScenu(obluk(41), {{{27, 10, 27, 41}, {27, 25}}, {{10, 10, 44, 40}, {27, 25}}}, kBokom, kPasmo, 1, 0);
    OverScenu(obluk(42), {{{10, 10, 44, 40}, {27, 25}}}, kBokom, kPasmo, 0, 0);
}

TEST(SearchQuirks, LineAboveASquare)
{
    // An empty row between: the line is given up and dropped.
    OverScenu(Obdlzniky({{10, 5, 60, 5}, {10, 7, 39, 36}}, kSeda), {{{10, 7, 39, 36}, {24, 21}}});
    OverScenu(Obdlzniky({{10, 6, 60, 6}, {10, 7, 39, 36}}, kSeda), {{{10, 6, 60, 36}, {35, 21}}});
}

// A seed whose next row has runs only beside it, with a gap after that row, is given up at the end
// of that row and the walk goes on after it: the runs passed over are dropped with the seed.
TEST(SearchQuirks, SeedGivenUpBeforeAGapDropsItsRow)
{
    // The seed, a run passed over beside it, a run under that one but not under the seed, a square.
    Scena s = Obdlzniky({{0, 5, 2, 5}, {10, 5, 12, 5}, {10, 6, 12, 6}, {20, 20, 29, 29}}, kSeda);
    OverScenu(s, {{{20, 20, 29, 29}, {24, 24}}}, kBokom, kPasmo, 0, 0);
    // Without the gap the walk goes back to the entry after the seed, and both are found.
    Obdlznik(&s, 20, 7, 21, 19, kSeda);
    EXPECT_EQ(Pocet(s, kPasmo, 0, 0), 2);
}

// A row's extent spans the gaps between its hits: a run under the gap between two legs, touching
// neither, joins the object.
TEST(SearchQuirks, ExtentSpansTheGapsBetweenHits)
{
    // Two legs, the bar joining them at the top, and a run between them on the bottom row.
    Scena s = Obdlzniky({{10, 10, 14, 20}, {30, 10, 34, 20}, {10, 9, 34, 9}, {20, 20, 24, 20}}, kSeda);
    OverScenu(s, {{{10, 9, 34, 20}, {22, 14}}});
    EXPECT_EQ(Pocet(s, kPasmo, 0, 0), 1);
}

TEST(SearchResults, NothingKeptLeavesTheListsAlone)
{
    Scena s = Stvorec();
    ASSERT_EQ(Pocet(s, kPasmo, kMin, kVypln), 1);  // the lists now hold the square
    const std::vector<POINT> pred_c(centers, centers + poloziek_dskt_point_pola);
    const std::vector<RECT> pred_o(objekty, objekty + poloziek_dskt_rect_pola);

    struct Pripad {
        const char* nazov;
        Scena scena;
        int stupen, min_velkost, percento;
    };
    Scena prazdna = NovaScena(100, 100);
    Scena zla_farba = NovaScena(100, 100);
    Obdlznik(&zla_farba, 10, 10, 39, 39, RGB(128, 128, 129));
    const Pripad pripady[] = {
        {"no grey pixel", prazdna, kPasmo, kMin, kVypln},
        {"only near-grey pixels", zla_farba, kPasmo, kMin, kVypln},
        {"another band", s, 3, kMin, kVypln},
        {"too small", s, kPasmo, 31, kVypln},
        {"fill above 100", s, kPasmo, kMin, 101},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        EXPECT_EQ(Pocet(p.scena, p.stupen, p.min_velkost, p.percento), 0);
        EXPECT_EQ(std::vector<POINT>(centers, centers + poloziek_dskt_point_pola), pred_c);
        EXPECT_EQ(std::vector<RECT>(objekty, objekty + poloziek_dskt_rect_pola), pred_o);
    }
}

TEST(SearchResults, EmptyOrMissingDesktop)
{
    Scena s = Stvorec();
    ASSERT_EQ(Pocet(s, kPasmo, kMin, kVypln), 1);
    const RECT pred = objekty[0];
    EXPECT_EQ(HladajObjekty(0, 100, s.farby.data(), kBokom, kPasmo, kMin, kVypln), 0);
    EXPECT_EQ(HladajObjekty(100, 0, s.farby.data(), kBokom, kPasmo, kMin, kVypln), 0);
    EXPECT_EQ(HladajObjekty(-3, 100, s.farby.data(), kBokom, kPasmo, kMin, kVypln), 0);
    EXPECT_EQ(HladajObjekty(100, 100, nullptr, kBokom, kPasmo, kMin, kVypln), 0);
    EXPECT_EQ(objekty[0], pred);
}

// Shapes at the desktop's edges: the first and last rows and columns are searched.
TEST(SearchResults, ShapesAtTheEdges)
{
    Scena s = Obdlzniky({{0, 0, 9, 9}, {30, 20, 39, 29}}, kSeda, 40, 30);
    OverScenu(s, {{{0, 0, 9, 9}, {4, 4}}, {{30, 20, 39, 29}, {34, 24}}}, kNicNevylucit);
    Scena cela = NovaScena(7, 5, kSeda);
    OverScenu(cela, {{{0, 0, 6, 4}, {3, 2}}}, kNicNevylucit, kPasmo, 5, 100);
}

}  // namespace
