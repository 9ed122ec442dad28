// The result lists: their sizes for a desktop, and their growth when a search meets a bigger one;
// growing a table.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "reference/hladaj_objekty.h"
#include "search/hladanie.h"
#include "search/tabulka.h"
#include "search/vysledky.h"
#include "reference/sceny.h"

namespace {

// Runs first in its process (ctest runs every test alone): the native lists start empty, and the
// first search grows them by what it found, not to the desktop's size.
TEST(SearchLists, StartEmptyAndTheFirstSearchGrowsThem)
{
    EXPECT_EQ(centers, nullptr);
    EXPECT_EQ(objekty, nullptr);
    EXPECT_EQ(poloziek_dskt_point_pola, 0);
    EXPECT_EQ(poloziek_dskt_rect_pola, 0);
    Scena s = NovaScena(30, 20);
    Obdlznik(&s, 5, 5, 14, 14, kSeda);
    Scena prazdna = NovaScena(30, 20);
    EXPECT_EQ(Hladaj(prazdna, kNicNevylucit, 4, 5, 5).pocet, 0);
    EXPECT_EQ(centers, nullptr) << "nothing found: nothing to keep";
    Najdene n = Hladaj(s, kNicNevylucit, 4, 5, 5);
    ASSERT_EQ(n.pocet, 1);
    EXPECT_EQ(n.objekty[0], (RECT{5, 5, 14, 14}));
    EXPECT_GE(poloziek_dskt_point_pola, 1);
    EXPECT_GE(poloziek_dskt_rect_pola, 1);
    EXPECT_LT(poloziek_dskt_point_pola, 35 * 25);
    EXPECT_LT(poloziek_dskt_rect_pola, 35 * 25);
}

// Empties the program's lists, as they are before start-up sizes them.
void ListyPrazdne()
{
    free(centers);
    free(objekty);
    centers = nullptr;
    objekty = nullptr;
    poloziek_dskt_point_pola = poloziek_dskt_rect_pola = 0;
}

// The lists as start-up sizes them from the desktop: (h + 5) x (w + 5) zero-filled entries.
TEST(SearchLists, AllocationSizes)
{
    struct Pripad {
        int w, h, pocet;
    };
    for (Pripad p : {Pripad{1920, 1080, 1085 * 1925}, Pripad{1366, 768, 773 * 1371}, Pripad{0, 0, 25}}) {
        SCOPED_TRACE(std::to_string(p.w) + " x " + std::to_string(p.h));
        ListyPrazdne();
        ASSERT_EQ(RozsirVysledky(p.w, p.h), 1);
        POINT* body = centers;
        RECT* obdlzniky = objekty;
        const int bodov = poloziek_dskt_point_pola, obdlznikov = poloziek_dskt_rect_pola;
        ASSERT_NE(body, nullptr);
        ASSERT_NE(obdlzniky, nullptr);
        EXPECT_EQ(bodov, p.pocet);
        EXPECT_EQ(obdlznikov, p.pocet);
        bool nuly = true;
        for (int k = 0; k < p.pocet; k++)
            nuly = nuly && body[k].x == 0 && body[k].y == 0 && obdlzniky[k].left == 0 && obdlzniky[k].top == 0 &&
                   obdlzniky[k].right == 0 && obdlzniky[k].bottom == 0;
        EXPECT_TRUE(nuly);
    }
    ListyPrazdne();
}

// A count that a signed 32-bit integer cannot hold gives no list rather than a wrapped count.
TEST(SearchLists, OversizedDesktopGetsNoList)
{
    ListyPrazdne();
    EXPECT_EQ(RozsirVysledky(50000, 50000), 0);
    EXPECT_EQ(centers, nullptr);
    EXPECT_EQ(objekty, nullptr);
    EXPECT_EQ(poloziek_dskt_point_pola, 0);
    EXPECT_EQ(poloziek_dskt_rect_pola, 0);
}

// A bigger desktop grows the work tables but not the lists; the lists grow when a search finds more
// objects than they hold, and keep every object. Entries beyond the count keep what earlier searches
// wrote.
TEST(SearchLists, ListsGrowByWhatIsFound)
{
    Scena mala = NovaScena(60, 40);
    Obdlznik(&mala, 2, 2, 11, 11, kSeda);
    Obdlznik(&mala, 20, 2, 29, 11, kSeda);
    Obdlznik(&mala, 40, 2, 49, 11, kSeda);
    ASSERT_EQ(Hladaj(mala, kNicNevylucit, 4, 5, 5).pocet, 3);
    const RECT druhy = objekty[1], treti = objekty[2];
    const int bodov = poloziek_dskt_point_pola, obdlznikov = poloziek_dskt_rect_pola;

    Scena velka = NovaScena(400, 300);
    Obdlznik(&velka, 350, 250, 389, 289, kSeda);
    Najdene n = Hladaj(velka, kNicNevylucit, 4, 5, 5);
    ASSERT_EQ(n.pocet, 1);
    EXPECT_EQ(n.objekty[0], (RECT{350, 250, 389, 289}));
    EXPECT_EQ(poloziek_dskt_point_pola, bodov);
    EXPECT_EQ(poloziek_dskt_rect_pola, obdlznikov);
    EXPECT_EQ(objekty[1], druhy);
    EXPECT_EQ(objekty[2], treti);

    // Taller but smaller: the row table must grow although the pixel list need not.
    Scena vysoka = NovaScena(10, 900);
    Obdlznik(&vysoka, 1, 850, 8, 890, kSeda);
    n = Hladaj(vysoka, kNicNevylucit, 4, 5, 5);
    ASSERT_EQ(n.pocet, 1);
    EXPECT_EQ(n.objekty[0], (RECT{1, 850, 8, 890}));

    // More objects than the lists hold, twice over: every one is kept, in order.
    const int vela = 2 * poloziek_dskt_point_pola + 3;
    Scena husta = Stvorceky(400, 300, vela);
    n = Hladaj(husta, kNicNevylucit, 4, 3, 100);
    ASSERT_EQ(n.pocet, vela);
    for (int k = 0; k < vela; k++) ASSERT_EQ(n.objekty[k], Stvorcek(husta.w, k)) << k;
    EXPECT_GE(poloziek_dskt_point_pola, vela);
    EXPECT_GE(poloziek_dskt_rect_pola, vela);

    // A smaller desktop afterwards reuses what is there.
    const int teraz = poloziek_dskt_point_pola;
    n = Hladaj(mala, kNicNevylucit, 4, 5, 5);
    EXPECT_EQ(n.pocet, 3);
    EXPECT_EQ(poloziek_dskt_point_pola, teraz);
}

// A desktop whose tables cannot be had: nothing is read, the search fails, the lists stay.
TEST(SearchLists, DesktopTooLargeForTheTables)
{
    Scena s = NovaScena(30, 20);
    Obdlznik(&s, 5, 5, 14, 14, kSeda);
    ASSERT_EQ(Hladaj(s, kNicNevylucit, 4, 5, 5).pocet, 1);
    const Zoznamy pred = TerazZoznamy();
    const POINT stred = centers[0];
    const RECT obdlznik = objekty[0];
    COLORREF jeden_pixel = kSeda;  // far too small for the desktop: must not be read
    EXPECT_EQ(HladajObjekty(1 << 30, 1 << 30, &jeden_pixel, kNicNevylucit, 4, 0, 0), -1);
    EXPECT_EQ(HladajObjekty(INT_MAX, INT_MAX, &jeden_pixel, kNicNevylucit, 4, 0, 0), -1);
    EXPECT_EQ(TerazZoznamy(), pred);
    EXPECT_EQ(centers[0], stred);
    EXPECT_EQ(objekty[0], obdlznik);
}

// A table that grows keeps its entries and zero-fills the rest; one that is big enough stays where
// it is; a size the process cannot address fails and leaves the table as it was.
TEST(GrowingATable, KeepsEntriesAndFailsWhole)
{
    long long* t = nullptr;
    long long miest = 0;
    ASSERT_EQ(ZvacsiTabulku((void**)&t, &miest, 3, 3, sizeof *t), 1);
    t[0] = 7, t[1] = 8, t[2] = 9;
    const long long* tri = t;
    EXPECT_EQ(ZvacsiTabulku((void**)&t, &miest, 3, 100, sizeof *t), 1);
    EXPECT_EQ(t, tri);
    EXPECT_EQ(miest, 3);

    ASSERT_EQ(ZvacsiTabulku((void**)&t, &miest, 4, DvojnasobnaDlzka(miest, 4), sizeof *t), 1);
    EXPECT_EQ(miest, 64);
    std::vector<long long> ocakavane(64, 0);
    ocakavane[0] = 7, ocakavane[1] = 8, ocakavane[2] = 9;
    EXPECT_EQ(std::vector<long long>(t, t + 64), ocakavane);

    const long long* stara = t;
    EXPECT_EQ(ZvacsiTabulku((void**)&t, &miest, LLONG_MAX / 2, LLONG_MAX / 2, sizeof *t), 0);
    EXPECT_EQ(t, stara);
    EXPECT_EQ(miest, 64);
    EXPECT_EQ(DvojnasobnaDlzka(INT_MAX - 1, INT_MAX), INT_MAX) << "doubling stops at the largest count";
    free(t);
}

}  // namespace
