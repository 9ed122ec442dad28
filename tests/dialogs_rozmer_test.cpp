// Fitting a caption-less dialog to its content, and the two window modes that OK switches between.
#include <gtest/gtest.h>

#include "dialogs/rozmer_dlg.h"
#include "shell/rezim_okna.h"
#include "shell/stav.h"

TEST(RozmerDialogu, BoundsGrowFromEmptyAndIgnoreEmptyBoxes)
{
    RECT r = PrazdnyObsah();
    ZahrnObdlznik(&r, 10, 20, 0, 5); // nothing drawn: no effect
    ZahrnObdlznik(&r, 30, 40, 10, 5);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right, 40);
    EXPECT_EQ(r.bottom, 45);
    ZahrnObdlznik(&r, 5, 50, 100, 10);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right, 105);
    EXPECT_EQ(r.bottom, 60);
}

TEST(RozmerDialogu, MissingRoomIncludesTheMargin)
{
    struct Pripad {
        const char* meno;
        SIZE klient;
        RECT obsah;
        LONG cx, cy;
    };
    const Pripad pripady[] = {
        {"fits with room to spare", {300, 200}, {7, 2, 250, 150}, 0, 0},
        {"fits exactly with the margin", {256, 156}, {7, 2, 250, 150}, 0, 0},
        {"too narrow", {240, 200}, {7, 2, 250, 150}, 16, 0},
        {"button below the client", {274, 203}, {7, 2, 267, 210}, 0, 13},
        {"both", {100, 100}, {0, 0, 120, 130}, 26, 36},
        {"nothing to show", {10, 10}, {0, 0, 0, 0}, 0, 0},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.meno);
        SIZE s = ChybajuciRozmer(p.klient, p.obsah, 6);
        EXPECT_EQ(s.cx, p.cx);
        EXPECT_EQ(s.cy, p.cy);
    }
}

TEST(RezimOkna, OnlyExactlyOneIsTracking)
{
    struct Pripad {
        DWORD sledovanie;
        int navrchu, vyska;
        DWORD styl;
    };
    const Pripad pripady[] = {
        {1, 1, 259, 0x10C80000},
        {0, 0, 242, 0x10CA0000},
        {2, 0, 242, 0x10CA0000},
        {0x101, 0, 242, 0x10CA0000},
        {0xFFFFFFFF, 0, 242, 0x10CA0000},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.sledovanie);
        RezimOkna r = RezimPreSledovanie(p.sledovanie);
        EXPECT_EQ(r.navrchu, p.navrchu);
        EXPECT_EQ(r.sirka, 224);
        EXPECT_EQ(r.vyska, p.vyska);
        EXPECT_EQ(r.styl, p.styl);
    }
}

TEST(RezimOkna, TheTwoModesDifferByTheReadoutStrip)
{
    RezimOkna s = RezimPreSledovanie(1), n = RezimPreSledovanie(0);
    EXPECT_EQ(s.vyska - n.vyska, 17);
    EXPECT_EQ(s.sirka, n.sirka);
    EXPECT_EQ(n.styl & ~s.styl, 0x00020000u); // only the minimise box
}
