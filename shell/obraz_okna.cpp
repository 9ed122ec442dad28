// Everything the painting of the control window and its readout read, gathered in one value.
#include "shell/obraz_okna.h"

#include "search/vysledky.h"
#include "shell/stav.h"

ObrazOkna ObrazTeraz(LONG sirka, LONG vyska, POINT kurzor, COLORREF farba)
{
    ObrazOkna o = {};
    o.stupne_sedi = stupne_sedi;
    o.velkost_objektu = VelkostObjektu;
    o.percento_vyplne = percento_vyplne;
    o.volba = volba;
    o.pocet_objektov = PocetObjektov;
    o.cislo_objektu = cislo_objektu;
    o.status = status;
    // The object line shows the current object's size.
    if (PocetObjektov > 0 && cislo_objektu >= 1 && cislo_objektu <= PocetObjektov && objekty)
        o.objekt = objekty[cislo_objektu - 1];
    o.sledovanie = sledovanie_kurzora == 1;
    o.sirka = sirka;
    o.vyska = vyska;
    if (o.sledovanie) {
        o.kurzor = kurzor;
        o.farba = farba;
    }
    return o;
}

int RovnakyObraz(const ObrazOkna* a, const ObrazOkna* b)
{
    return a->stupne_sedi == b->stupne_sedi && a->velkost_objektu == b->velkost_objektu &&
           a->percento_vyplne == b->percento_vyplne && a->volba == b->volba &&
           a->pocet_objektov == b->pocet_objektov && a->cislo_objektu == b->cislo_objektu &&
           a->status == b->status && a->objekt.left == b->objekt.left && a->objekt.top == b->objekt.top &&
           a->objekt.right == b->objekt.right && a->objekt.bottom == b->objekt.bottom &&
           a->sledovanie == b->sledovanie && a->sirka == b->sirka && a->vyska == b->vyska &&
           a->kurzor.x == b->kurzor.x && a->kurzor.y == b->kurzor.y && a->farba == b->farba;
}
