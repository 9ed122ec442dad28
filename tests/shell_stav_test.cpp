// The control state and the settings as the process starts, before anything changes them, and
// NastavPociatocnyStav putting that state back.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "shell/stav.h"

namespace {

static_assert(sizeof(UINT) == 4 && sizeof(DWORD) == 4 && sizeof(int) == 4, "every global is a 32-bit word");

// One global of the state: its name, where it lives, the value the process starts with.
struct Globalna {
    const char* meno;
    void* adresa;
    uint32_t na_zaciatku;
};

const Globalna STAV[] = {
    {"g_cas_timera", &g_cas_timera, 10},
    {"stupne_sedi", &stupne_sedi, 0},
    {"VelkostObjektu", &VelkostObjektu, 20},
    {"percento_vyplne", &percento_vyplne, 70},
    {"volba", &volba, 1},
    {"hl_okno_sirka", &hl_okno_sirka, 224},
    {"hl_okno_vyska", &hl_okno_vyska, 259},
    {"vypinac_TAB", &vypinac_TAB, 1},
    {"sledovanie_kurzora", &sledovanie_kurzora, 0},
    {"PocetObjektov", &PocetObjektov, 0},
    {"cislo_objektu", &cislo_objektu, 0},
    {"status", &status, 0},
    {"g_dwWindowPos", &g_dwWindowPos, 0},
    {"g_dwWindowSize", &g_dwWindowSize, 0},
    {"g_dwWindowShow", &g_dwWindowShow, 0},
};

void OcakavajZaciatok()
{
    for (const Globalna& g : STAV) {
        SCOPED_TRACE(g.meno);
        uint32_t hodnota;
        std::memcpy(&hodnota, g.adresa, sizeof hodnota);
        EXPECT_EQ(hodnota, g.na_zaciatku);
    }
}

}  // namespace

TEST(InitialState, ValuesAtProcessStart)
{
    OcakavajZaciatok();
}

// The other shell tests start each case from NastavPociatocnyStav: it must give every global back.
TEST(InitialState, TestsStartFromTheSameState)
{
    for (const Globalna& g : STAV) std::memset(g.adresa, 0x5a, sizeof(uint32_t));
    NastavPociatocnyStav();
    OcakavajZaciatok();
}
