// Test helpers of the shell: the globals back at their start values, and reading an action list.
#pragma once
#include "search/vysledky.h"
#include "shell/ovladanie.h"
#include "shell/stav.h"
#include <string>
#include <vector>

inline void ObnovStav()
{
    g_cas_timera = 10;
    stupne_sedi = 0;
    VelkostObjektu = 20;
    percento_vyplne = 70;
    volba = 1;
    hl_okno_sirka = 224;
    hl_okno_vyska = 259;
    vypinac_TAB = 1;
    sledovanie_kurzora = 0;
    PocetObjektov = 0;
    cislo_objektu = 0;
    status = 0;
    g_dwWindowPos = 0;
    g_dwWindowSize = 0;
    g_dwWindowShow = 0;
}

// Room for a few centres when the result lists were not allocated at start-up.
inline void ZaistiVysledky()
{
    if (!centers) centers = AlokaciaDsktPointPola(&poloziek_dskt_point_pola, 200, 200);
    if (!objekty) objekty = AlokaciaDsktRectPola(&poloziek_dskt_rect_pola, 200, 200);
}

// An action list as text, e.g. "repaint; search 4 20 70", so a test compares it whole.
inline std::string Text(const Akcie& akcie)
{
    std::string s;
    for (int i = 0; i < akcie.pocet; i++) {
        const Akcia& a = akcie.polozky[i];
        if (i) s += "; ";
        switch (a.druh) {
        case AKCIA_PREKRESLI: s += "repaint"; break;
        case AKCIA_HLADAJ:
            s += "search " + std::to_string(a.stupen) + " " + std::to_string(a.velkost) + " " +
                 std::to_string(a.percento);
            break;
        case AKCIA_ZAPIS_STREDY: s += "file " + std::to_string(a.pocet); break;
        case AKCIA_KURZOR: s += "cursor " + std::to_string(a.x) + "," + std::to_string(a.y); break;
        case AKCIA_ZATVOR: s += "close"; break;
        default: s += "?" + std::to_string(a.druh); break;
        }
    }
    return s;
}

inline std::string Klavesa(UINT vk, DWORD sirka = 1920)
{
    Akcie a;
    UdalostKlavesa(&a, vk, sirka);
    return Text(a);
}
