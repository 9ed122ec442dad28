// The control state and the settings as the process starts, before anything changes them.
#include "shell/stav.h"
#include <gtest/gtest.h>

TEST(InitialState, ValuesAtProcessStart)
{
    EXPECT_EQ(g_cas_timera, 10u);
    EXPECT_EQ(stupne_sedi, 0u);
    EXPECT_EQ(VelkostObjektu, 20u);
    EXPECT_EQ(percento_vyplne, 70u);
    EXPECT_EQ(volba, 1u);
    EXPECT_EQ(hl_okno_sirka, 224);
    EXPECT_EQ(hl_okno_vyska, 259);
    EXPECT_EQ(vypinac_TAB, 1);
    EXPECT_EQ(sledovanie_kurzora, 0u);
    EXPECT_EQ(PocetObjektov, 0);
    EXPECT_EQ(cislo_objektu, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(g_dwWindowPos, 0u);
    EXPECT_EQ(g_dwWindowSize, 0u);
    EXPECT_EQ(g_dwWindowShow, 0u);
}
