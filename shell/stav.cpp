// The control state and the settings as the process starts.
#include "shell/stav.h"

#include "search/predvolby.h"

// Every global with the value the process starts with: the definitions below and
// NastavPociatocnyStav both come from this one list.
#define POCIATOCNY_STAV(X)                          \
    X(UINT, g_cas_timera, 10)                       \
    X(DWORD, stupne_sedi, kPredvolenyStupen)        \
    X(DWORD, VelkostObjektu, kPredvolenaMinVelkost) \
    X(DWORD, percento_vyplne, kPredvolenePercento)  \
    X(DWORD, volba, 1)                              \
    X(int, hl_okno_sirka, 224)                      \
    X(int, hl_okno_vyska, 259)                      \
    X(int, vypinac_TAB, 1)                          \
    X(DWORD, sledovanie_kurzora, 0)                 \
    X(int, PocetObjektov, 0)                        \
    X(int, cislo_objektu, 0)                        \
    X(int, status, 0)                               \
    X(DWORD, g_dwWindowPos, 0)                      \
    X(DWORD, g_dwWindowSize, 0)                     \
    X(DWORD, g_dwWindowShow, 0)

#define DEFINUJ(typ, meno, hodnota) typ meno = hodnota;
POCIATOCNY_STAV(DEFINUJ)

void NastavPociatocnyStav()
{
#define NASTAV(typ, meno, hodnota) meno = hodnota;
    POCIATOCNY_STAV(NASTAV)
}
