// The search when memory runs out: every allocation it makes is failed in turn (calloc is wrapped
// at link time for this program only).
#include <gtest/gtest.h>

#include <cstdlib>

#include "reference/hladaj_objekty.h"
#include "search/hladanie.h"
#include "search/vysledky.h"
#include "reference/sceny.h"

extern "C" void* __real_calloc(size_t pocet, size_t velkost);

static int zlyhat_o = 0;  // fail the calloc this many calls from now; 0: never

extern "C" void* __wrap_calloc(size_t pocet, size_t velkost)
{
    if (zlyhat_o > 0 && --zlyhat_o == 0) return nullptr;
    return __real_calloc(pocet, velkost);
}

namespace {

Scena Stvorce(int w, int h)
{
    Scena s = NovaScena(w, h);
    Obdlznik(&s, 1, 1, 6, 6, kSeda);
    Obdlznik(&s, w - 7, h - 7, w - 2, h - 2, kSeda);
    return s;
}

TEST(SearchOutOfMemory, EachFailedAllocationLeavesTheLists)
{
    ASSERT_EQ(Hladaj(Stvorce(20, 20), kNicNevylucit, 4, 3, 50).pocet, 2);
    int zlyhani = 0;
    for (int k = 1;; k++) {
        SCOPED_TRACE("failing allocation " + std::to_string(k));
        // Each round needs bigger tables and lists than any before it.
        Scena s = Stvorce(20 + 10 * k, 20 + 10 * k);
        const Zoznamy pred = TerazZoznamy();
        const RECT prvy = objekty[0], druhy = objekty[1];
        zlyhat_o = k;
        int pocet = HladajObjekty(s.w, s.h, s.farby.data(), kNicNevylucit, 4, 3, 50);
        bool zlyhalo = zlyhat_o == 0;
        zlyhat_o = 0;
        if (!zlyhalo) {  // the search made fewer than k allocations: all were tried
            EXPECT_EQ(pocet, 2);
            break;
        }
        zlyhani++;
        EXPECT_EQ(pocet, -1) << "a search without its tables fails; it does not find nothing";
        EXPECT_EQ(TerazZoznamy(), pred);
        EXPECT_EQ(objekty[0], prvy);
        EXPECT_EQ(objekty[1], druhy);
        // The same search with memory to spare succeeds.
        Najdene n = Hladaj(s, kNicNevylucit, 4, 3, 50);
        ASSERT_EQ(n.pocet, 2);
        EXPECT_EQ(n.objekty[1], (RECT{s.w - 7, s.h - 7, s.w - 2, s.h - 2}));
    }
    EXPECT_GE(zlyhani, 2);  // at least the pixel table and the row tables grow on a bigger desktop
}

// The lists grow only when a search finds more objects than they hold. A growth that fails, for
// either list, fails the search and leaves both lists as they were; with memory the same search
// keeps every object.
TEST(SearchOutOfMemory, FailedListGrowthFailsTheSearch)
{
    const int w = 200, h = 150;
    // The tables for this size, and the search's own results grown past the lists (they double from
    // 64 as objects are found, the lists grow once to what was found): below only the lists grow.
    ASSERT_EQ(Hladaj(Stvorceky(w, h, 65), kNicNevylucit, 4, 3, 50).pocet, 65);
    const int vela = poloziek_dskt_point_pola + 1;
    Scena s = Stvorceky(w, h, vela);
    for (int k : {1, 2}) {
        SCOPED_TRACE("failing allocation " + std::to_string(k));
        const Zoznamy pred = TerazZoznamy();
        zlyhat_o = k;
        EXPECT_EQ(HladajObjekty(s.w, s.h, s.farby.data(), kNicNevylucit, 4, 3, 50), -1);
        EXPECT_EQ(zlyhat_o, 0) << "the k-th allocation was the one made to fail";
        zlyhat_o = 0;
        EXPECT_EQ(TerazZoznamy(), pred);
    }
    zlyhat_o = 3;
    EXPECT_EQ(HladajObjekty(s.w, s.h, s.farby.data(), kNicNevylucit, 4, 3, 50), vela);
    EXPECT_EQ(zlyhat_o, 1) << "the two allocations failed above were the lists'";
    zlyhat_o = 0;
    Najdene n = Hladaj(s, kNicNevylucit, 4, 3, 50);
    ASSERT_EQ(n.pocet, vela);
    EXPECT_EQ(n.objekty[vela - 1], Stvorcek(w, vela - 1));
}

}  // namespace
