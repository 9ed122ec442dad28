// The lead-in repairs: what the literal steps lose or leave behind, and what the search does instead.
#include <gtest/gtest.h>

#include "search/hladanie.h"
#include "reference/obdlzniky.h"
#include "reference/orakel.h"
#include "reference/sceny.h"

namespace {

const orakel::Opravy kDoslovne = {false, false};  // the steps exactly as written

// Row 5: a run that is given up as a seed (nothing under it on row 6) and the seed beside it;
// row 6: a run under neither, left of the run under the seed; row 7: a bar under all of them.
// The upward scan widens row 6 to the bar and so collects the given-up run on row 5 too: a
// lead-in entry taken out before the lead-in removal. Then a 2 x 2 square further down.
Scena ZobranyNabeh()
{
    // Given up (5 lead-in entries), the seed, row 6, the bar, the square.
    return Obdlzniky({{3, 5, 7, 5}, {10, 5, 12, 5}, {0, 6, 1, 6}, {10, 6, 12, 6}, {0, 7, 12, 7}, {30, 20, 31, 21}},
                     kSeda, 40, 30);
}

TEST(SearchLeadIn, CollectedLeadInEntriesAreNotRemovedTwice)
{
    Scena s = ZobranyNabeh();
    const std::vector<RECT> ocakavane = {{0, 5, 12, 7}, {30, 20, 31, 21}};

    // The literal removal takes the first five entries of what is left: the whole square.
    orakel::Vysledok doslovne = orakel::OrakelHladaj(s.w, s.h, s.farby.data(), kNicNevylucit, 4, 2, 50, kDoslovne);
    EXPECT_EQ(doslovne.objekty, std::vector<RECT>(ocakavane.begin(), ocakavane.begin() + 1));

    orakel::Vysledok opravene = orakel::OrakelHladaj(s.w, s.h, s.farby.data(), kNicNevylucit, 4, 2, 50);
    EXPECT_EQ(opravene.objekty, ocakavane);

    Najdene n = Hladaj(s, kNicNevylucit, 4, 2, 50);
    EXPECT_EQ(n.objekty, ocakavane);
    EXPECT_EQ(n.centers, (std::vector<POINT>{{6, 6}, {30, 20}}));
}

// The collected lead-in pixels count in the tested fill: 13 + 3 + 2 + 3 + 5 = 26 of 39.
TEST(SearchLeadIn, CollectedLeadInCountsInTheFill)
{
    Scena s = ZobranyNabeh();
    Obdlznik(&s, 30, 20, 31, 21, kPozadie);
    EXPECT_EQ(Hladaj(s, kNicNevylucit, 4, 2, 66).pocet, 1);
    EXPECT_EQ(Hladaj(s, kNicNevylucit, 4, 2, 67).pocet, 0);
}

// Row 4: a run given up as a seed, lying over the gap between the two runs of row 5; the bar on
// row 6 joins those two, so the upward scan widens row 5 across the gap and collects the run on
// row 4, above the box top (the seed row, 5).
Scena NabehNadBoxom()
{
    return Obdlzniky({{4, 4, 6, 4}, {0, 5, 1, 5}, {10, 5, 12, 5}, {0, 6, 12, 6}, {20, 20, 21, 21}}, kSeda, 40, 30);
}

TEST(SearchLeadIn, RangesAboveTheBoxAreCleared)
{
    Scena s = NabehNadBoxom();
    orakel::Opravy len_nabeh = {true, false};
    orakel::Vysledok stare = orakel::OrakelHladaj(s.w, s.h, s.farby.data(), kNicNevylucit, 4, 2, 0, len_nabeh);
    EXPECT_EQ(stare.nastavene_rozsahy, 1);  // row 4 keeps (4, 6) after the cycle
    orakel::Vysledok opravene = orakel::OrakelHladaj(s.w, s.h, s.farby.data(), kNicNevylucit, 4, 2, 0);
    EXPECT_EQ(opravene.nastavene_rozsahy, 0);

    // The box top stays the seed row, and the square after the lead-in is kept.
    const std::vector<RECT> ocakavane = {{0, 5, 12, 6}, {20, 20, 21, 21}};
    EXPECT_EQ(opravene.objekty, ocakavane);
    EXPECT_EQ(Hladaj(s, kNicNevylucit, 4, 2, 0).objekty, ocakavane);
    orakel::Vysledok doslovne = orakel::OrakelHladaj(s.w, s.h, s.farby.data(), kNicNevylucit, 4, 2, 0, kDoslovne);
    EXPECT_EQ(doslovne.objekty, std::vector<RECT>(ocakavane.begin(), ocakavane.begin() + 1));
    EXPECT_EQ(doslovne.nastavene_rozsahy, 1);
}

}  // namespace
