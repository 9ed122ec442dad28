// Test helpers of the shell: room for the result lists, and reading an action list.
#pragma once
#include "search/vysledky.h"
#include "shell/ovladanie.h"
#include "shell/stav.h"
#include <string>
#include <vector>

// Everything at its start value but what an earlier search left: `pocet` objects found, object
// `cislo` current, line `riadok` selected, status `stav`.
inline void StavPoHladani(int pocet, int cislo, DWORD riadok, int stav)
{
    NastavPociatocnyStav();
    PocetObjektov = pocet;
    cislo_objektu = cislo;
    volba = riadok;
    status = stav;
}

// Room for a few centres when the result lists were not sized at start-up.
inline void ZaistiVysledky()
{
    if (!centers || !objekty) RozsirVysledky(200, 200);
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
