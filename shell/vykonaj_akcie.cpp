// Runs an event's actions to the end: search, centres file, cursor, repaint, close.
#include "shell/vykonaj_akcie.h"
#include "search/vysledky.h"

const char* const SUBOR_STREDOV = "Stredy.txt";

void VykonajAkcie(HWND okno, const Akcie* akcie, const Vykonavac* v)
{
    for (int i = 0; i < akcie->pocet; i++) {
        const Akcia* a = &akcie->polozky[i];
        switch (a->druh) {
        case AKCIA_PREKRESLI:
            if (v->prekresli) v->prekresli(okno);
            break;
        case AKCIA_HLADAJ: {
            int pocet = v->hladaj ? v->hladaj(okno, a->stupen, a->velkost, a->percento) : 0;
            Akcie dalsie;
            UdalostHladanieSkoncilo(&dalsie, pocet);
            VykonajAkcie(okno, &dalsie, v);
            break;
        }
        case AKCIA_ZAPIS_STREDY:
            if (v->zapis_stredy && v->zapis_stredy(SUBOR_STREDOV, centers, a->pocet) != 0) {
                Akcie dalsie;
                UdalostZapisZlyhal(&dalsie);
                VykonajAkcie(okno, &dalsie, v);
            }
            break;
        case AKCIA_KURZOR:
            if (v->kurzor) v->kurzor(a->x, a->y);
            break;
        case AKCIA_ZATVOR:
            if (v->zatvor) v->zatvor(okno);
            break;
        default:
            break;
        }
    }
}
