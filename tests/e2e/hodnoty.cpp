// Prints, as shell assignments, what the end-to-end cases look for on the screen: the window sizes of
// the two modes and the status box and readout strip as the product's own painters draw them.
#include <cstddef>
#include <cstdio>
#include <vector>

#include "render/okno_kresba.h"
#include "shell/rezim_okna.h"
#include "shell/stav.h"
#include "stubs/kit_zaznam.h"
#include "tracking/sledovanie.h"

static void Farba(const char* meno, COLORREF c)
{
    std::printf("%s='#%02X%02X%02X'\n", meno, GetRValue(c), GetGValue(c), GetBValue(c));
}

static std::vector<Volanie> KresbaOkna(int stav)
{
    status = stav;
    ZaznamVymaz();
    HDC platno = nullptr;
    OnWM_PAINT(&platno, nullptr);
    return g_zaznam;
}

int main()
{
    const RezimOkna normalny = RezimPreSledovanie(0), sledovanie = RezimPreSledovanie(1);
    std::printf("SIRKA_OKNA=%d\nVYSKA_NORMALNA=%d\nVYSKA_SLEDOVANIA=%d\n", normalny.sirka, normalny.vyska,
                sledovanie.vyska);

    // The status box is the box drawn just before the one label that "nothing found" changes.
    const std::vector<Volanie> navod = KresbaOkna(0), nic = KresbaOkna(3);
    const Volanie* box = nullptr;
    for (std::size_t i = 0; i < navod.size() && i < nic.size(); ++i) {
        if (navod[i].druh == VOLANIE_NAPIS && navod[i].text != nic[i].text) break;
        if (navod[i].druh == VOLANIE_OKIENKO) box = &navod[i];
    }
    if (!box) return 1;
    std::printf("STATUS_X=%d\nSTATUS_SIRKA=%d\nSTATUS_VYSKA=%d\n", box->x, box->sirka, box->vyska);
    Farba("FARBA_STATUSU", box->farba);

    // The text in the status box when the centres file could not be written (status 5).
    const Volanie status_box = *box;
    const std::vector<Volanie> neulozene = KresbaOkna(5);
    for (std::size_t i = 0; i + 1 < neulozene.size(); ++i)
        if (neulozene[i].druh == VOLANIE_OKIENKO && neulozene[i].x == status_box.x &&
            neulozene[i].sirka == status_box.sirka && neulozene[i].vypln == status_box.vypln)
            Farba("FARBA_NEULOZENE", neulozene[i + 1].farba);

    // The readout strip is the first box of the readout.
    ZaznamVymaz();
    KresliSledovanie(nullptr, 200, 100, 0, 0, 0);
    const std::vector<Volanie> pas = ZaznamDruhu(VOLANIE_OKIENKO);
    if (pas.empty()) return 1;
    std::printf("VYSKA_PASU=%d\n", pas[0].vyska);
    Farba("FARBA_PASU", pas[0].vypln);
    return 0;
}
