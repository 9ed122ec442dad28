// The key commands and the other events of the control window, on the shared globals.
#include "shell/ovladanie.h"
#include "shell/stav.h"
#include "search/vysledky.h"

static Akcia* Pridaj(Akcie* akcie, int druh)
{
    Akcia* a = &akcie->polozky[akcie->pocet++];
    *a = Akcia{};
    a->druh = druh;
    return a;
}

static void Vyprazdni(Akcie* akcie)
{
    akcie->pocet = 0;
}

// The minimum-size steps grow with the value; each test sees the value as already changed.
static DWORD KrokVelkostiDole(DWORD v)
{
    v -= 1;
    if (v > 10) v -= 4;
    if (v > 50) v -= 5;
    if (v > 200) v -= 10;
    if (v > 500) v -= 30;
    if (v > 1000) v -= 50;
    return v;
}

static DWORD KrokVelkostiHore(DWORD v)
{
    if (v != 0) v += 1;
    if (v > 10) v += 4;
    if (v > 50) v += 5;
    if (v > 200) v += 10;
    if (v > 500) v += 30;
    if (v > 1000) v += 50;
    return v;
}

// TAB: the first jump after a search goes to the current object, each further one to the next.
static void KlavesaTab(Akcie* akcie)
{
    if (cislo_objektu < 1 || cislo_objektu > PocetObjektov)
        return;
    if (volba != 4 && vypinac_TAB == 0)
        cislo_objektu = cislo_objektu + 1;
    if (cislo_objektu > PocetObjektov)
        cislo_objektu = 1;
    Akcia* a = Pridaj(akcie, AKCIA_KURZOR);
    a->x = centers[cislo_objektu - 1].x;
    a->y = centers[cislo_objektu - 1].y;
    vypinac_TAB = 0;
    Pridaj(akcie, AKCIA_PREKRESLI);
}

// ENTER, first step: the window shows the searching status before the search blocks the thread.
static void KlavesaEnter(Akcie* akcie)
{
    status = 1;
    Pridaj(akcie, AKCIA_PREKRESLI);
    Akcia* a = Pridaj(akcie, AKCIA_HLADAJ);
    a->stupen = (int)stupne_sedi;
    a->velkost = (int)VelkostObjektu;
    a->percento = (int)percento_vyplne;
}

static void KlavesaHore(Akcie* akcie)
{
    volba = volba - 1;
    if (volba == 0)
        volba = PocetObjektov > 0 ? 4 : 3;
    Pridaj(akcie, AKCIA_PREKRESLI);
}

static void KlavesaDole(Akcie* akcie)
{
    volba = volba + 1;
    if (PocetObjektov > 0) {
        if (volba > 4) volba = 1;
    } else {
        if (volba > 3) volba = 1;
    }
    Pridaj(akcie, AKCIA_PREKRESLI);
}

static void KlavesaVlavo(Akcie* akcie)
{
    switch (volba) {
    case 1: if (stupne_sedi != 0) stupne_sedi -= 1; break;
    case 2: if (VelkostObjektu > 1) VelkostObjektu = KrokVelkostiDole(VelkostObjektu); break;
    case 3: if (percento_vyplne > 5) percento_vyplne -= 5; break;
    case 4: if (cislo_objektu > 1) cislo_objektu -= 1; break;
    default: break;
    }
    Pridaj(akcie, AKCIA_PREKRESLI);
}

static void KlavesaVpravo(Akcie* akcie, DWORD sirka_desktopu)
{
    // The bound is unsigned and tested before the step, so the last step may pass it.
    DWORD hranica = sirka_desktopu - 100;
    switch (volba) {
    case 1: if (stupne_sedi <= 6) stupne_sedi += 1; break;
    case 2: if (VelkostObjektu < hranica) VelkostObjektu = KrokVelkostiHore(VelkostObjektu); break;
    case 3: if (percento_vyplne <= 99) percento_vyplne += 5; break;
    case 4: if (cislo_objektu < PocetObjektov) cislo_objektu += 1; break;
    default: break;
    }
    Pridaj(akcie, AKCIA_PREKRESLI);
}

void UdalostStart(Akcie* akcie)
{
    Vyprazdni(akcie);
    if (volba == 4)
        volba = 2;
}

void UdalostKlavesa(Akcie* akcie, UINT klavesa, DWORD sirka_desktopu)
{
    Vyprazdni(akcie);
    switch (klavesa) {
    case VK_TAB: KlavesaTab(akcie); break;
    case VK_RETURN: KlavesaEnter(akcie); break;
    case VK_ESCAPE: Pridaj(akcie, AKCIA_ZATVOR); break;
    case VK_LEFT: KlavesaVlavo(akcie); break;
    case VK_UP: KlavesaHore(akcie); break;
    case VK_RIGHT: KlavesaVpravo(akcie, sirka_desktopu); break;
    case VK_DOWN: KlavesaDole(akcie); break;
    default: break;
    }
}

// A search that could not run: no object is known, and the centres file keeps what it holds.
static void HladanieZlyhalo(Akcie* akcie)
{
    status = 4;
    PocetObjektov = 0;
    if (volba == 4)
        volba = 2;
    cislo_objektu = 0;
    vypinac_TAB = 1;
    Pridaj(akcie, AKCIA_PREKRESLI);
}

void UdalostHladanieSkoncilo(Akcie* akcie, int pocet)
{
    Vyprazdni(akcie);
    if (pocet < 0) {
        HladanieZlyhalo(akcie);
        return;
    }
    PocetObjektov = pocet;
    // The file is rewritten after every search, also an empty one.
    Pridaj(akcie, AKCIA_ZAPIS_STREDY)->pocet = pocet;
    if (pocet > 0) {
        status = 2;
        if (cislo_objektu == 0)
            cislo_objektu = 1;
    }
    if (pocet == 0) {
        status = 3;
        if (volba == 4)
            volba = 2;
        cislo_objektu = 0;
    }
    // A current object survives a new search while it is within the new count.
    if (pocet < cislo_objektu)
        cislo_objektu = pocet;
    vypinac_TAB = 1;
    Pridaj(akcie, AKCIA_PREKRESLI);
}

void UdalostZapisZlyhal(Akcie* akcie)
{
    Vyprazdni(akcie);
    status = 5;
}

void UdalostLaveTlacidlo(Akcie* akcie)
{
    Vyprazdni(akcie);
    status = 0;
    Pridaj(akcie, AKCIA_PREKRESLI);
}

void UdalostCasovac(Akcie* akcie, UINT id, int zmena)
{
    Vyprazdni(akcie);
    // An unchanged picture is not drawn again: tracking costs nothing while nothing moves.
    if (id == 1 && sledovanie_kurzora == 1 && zmena)
        Pridaj(akcie, AKCIA_PREKRESLI);
}
