// The control state that a picture of the control window is drawn from, for the tests that draw it.
#pragma once
#include "shell/stav.h"

struct StavOkna {
    DWORD sed, velkost, vypln, volba;
    int pocet, cislo, stat;
};

// Puts the state into the globals the painter reads.
inline void NastavStavOkna(const StavOkna& s)
{
    stupne_sedi = s.sed;
    VelkostObjektu = s.velkost;
    percento_vyplne = s.vypln;
    volba = s.volba;
    PocetObjektov = s.pocet;
    cislo_objektu = s.cislo;
    status = s.stat;
}
