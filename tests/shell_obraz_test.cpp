// The picture a timer tick compares: whatever changes what a full repaint draws changes the picture,
// and what a repaint does not draw leaves it alone, so that an idle tick repaints nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "render/okno_kresba.h"
#include "shell/obraz_okna.h"
#include "shell_pomoc.h"
#include "stubs/kit_zaznam.h"
#include "tracking/sledovanie.h"

namespace {

struct Vstupy {  // what the window procedure hands over besides the globals
    LONG sirka = 218, vyska = 215;
    POINT kurzor = {640, 480};
    COLORREF farba = RGB(10, 20, 30);
};

RECT s_objekty[3] = {{10, 5, 21, 34}, {100, 200, 149, 219}, {7, 7, 9, 9}};

// Every kit call of a full repaint, as the window procedure makes it.
std::vector<std::string> Kresba(const Vstupy& v)
{
    ZaznamVymaz();
    HDC platno = (HDC)(uintptr_t)0x4400;
    OnWM_PAINT(&platno, nullptr);
    if (sledovanie_kurzora == 1) KresliSledovanie(platno, v.sirka, v.vyska, v.kurzor.x, v.kurzor.y, v.farba);
    std::vector<std::string> z;
    for (const Volanie& c : g_zaznam) z.push_back(ZaznamPopis(c));
    return z;
}

void Zaklad()
{
    StavPoHladani(2, 1, 4, 2);
    objekty = s_objekty;
    sledovanie_kurzora = 1;
}

TEST(ObrazOkna, ChangesExactlyWhenTheRepaintWould)
{
    struct Zmena {
        const char* nazov;
        std::function<void(Vstupy*)> urob;
        bool kresba_ina;  // a full repaint would draw something else
    };
    const Zmena zmeny[] = {
        {"grey band", [](Vstupy*) { stupne_sedi = 3; }, true},
        {"minimum size", [](Vstupy*) { VelkostObjektu = 25; }, true},
        {"fill", [](Vstupy*) { percento_vyplne = 75; }, true},
        {"selected line", [](Vstupy*) { volba = 2; }, true},
        {"count", [](Vstupy*) { PocetObjektov = 3; }, true},
        {"current object", [](Vstupy*) { cislo_objektu = 2; }, true},
        {"status", [](Vstupy*) { status = 5; }, true},
        {"current object's size", [](Vstupy*) { s_objekty[0].right = 30; }, true},
        {"tracking off", [](Vstupy*) { sledovanie_kurzora = 0; }, true},
        {"client size", [](Vstupy* v) { v->sirka = 300; }, true},
        {"cursor", [](Vstupy* v) { v->kurzor.y = 481; }, true},
        {"colour under the cursor", [](Vstupy* v) { v->farba = RGB(10, 20, 31); }, true},
        {"another object", [](Vstupy*) { s_objekty[1].right = 400; }, false},
        {"TAB switch", [](Vstupy*) { vypinac_TAB = 0; }, false},
        {"window position", [](Vstupy*) { g_dwWindowPos = 0x00100010; }, false},
    };
    for (const Zmena& z : zmeny) {
        SCOPED_TRACE(z.nazov);
        const RECT povodne[3] = {s_objekty[0], s_objekty[1], s_objekty[2]};
        Zaklad();
        Vstupy v;
        const std::vector<std::string> pred = Kresba(v);
        const ObrazOkna a = ObrazTeraz(v.sirka, v.vyska, v.kurzor, v.farba);
        z.urob(&v);
        const std::vector<std::string> po = Kresba(v);
        const ObrazOkna b = ObrazTeraz(v.sirka, v.vyska, v.kurzor, v.farba);
        EXPECT_EQ(pred != po, z.kresba_ina);
        EXPECT_EQ(!RovnakyObraz(&a, &b), z.kresba_ina);
        for (int i = 0; i < 3; i++) s_objekty[i] = povodne[i];
    }

    // Without tracking the cursor and the colour draw nothing, and a tick sees no change.
    Zaklad();
    sledovanie_kurzora = 0;
    const ObrazOkna a = ObrazTeraz(218, 198, POINT{1, 2}, RGB(1, 2, 3));
    const ObrazOkna b = ObrazTeraz(218, 198, POINT{5, 6}, RGB(4, 5, 6));
    EXPECT_TRUE(RovnakyObraz(&a, &b));
}

}  // namespace
