// The search against the reference steps on thousands of seeded random scenes.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "reference/hladaj_objekty.h"
#include "search/hladanie.h"
#include "search/vysledky.h"
#include "reference/orakel.h"
#include "reference/sceny.h"

namespace {

const int kScen = 4000;
const int kNajvacsiaSirka = 200, kNajvacsiaVyska = 150;

// A small generator of its own, so that the scenes are the same on every library.
struct Nahoda {
    uint64_t stav;
};

uint32_t Dalsie(Nahoda* n)
{
    n->stav = n->stav * 6364136223846793005ULL + 1442695040888963407ULL;
    return (uint32_t)(n->stav >> 33);
}

int Medzi(Nahoda* n, int od, int po)  // inclusive
{
    return od + (int)(Dalsie(n) % (uint32_t)(po - od + 1));
}

bool Sanca(Nahoda* n, int percent)
{
    return Medzi(n, 0, 99) < percent;
}

struct Zadanie {
    Scena scena;
    RECT vylucene;
    int stupen, min_velkost, percento;
};

COLORREF Seda(int v)
{
    return RGB(v, v, v);
}

COLORREF FarbaTvaru(Nahoda* n, int pasmo)
{
    int v = 32 * pasmo + Medzi(n, 0, 31);
    switch (Medzi(n, 0, 9)) {
    case 0: {  // near grey: one channel off by one
        int o = v == 255 ? -1 : 1;
        switch (Medzi(n, 0, 2)) {
        case 0: return RGB(v + o, v, v);
        case 1: return RGB(v, v + o, v);
        default: return RGB(v, v, v + o);
        }
    }
    case 1: return Seda((v + 32 * Medzi(n, 1, 7)) & 255);  // grey of another band
    case 2: return RGB(Medzi(n, 0, 255), Medzi(n, 0, 255), Medzi(n, 0, 255));
    default: return Seda(v);
    }
}

POINT Bod(Nahoda* n, const Scena& s, int okraj)
{
    return POINT{Medzi(n, -okraj, s.w - 1 + okraj), Medzi(n, -okraj, s.h - 1 + okraj)};
}

void KresliTvar(Nahoda* n, Scena* s, COLORREF c)
{
    POINT a = Bod(n, *s, 5);
    switch (Medzi(n, 0, 8)) {
    case 0:
    case 1: Obdlznik(s, a.x, a.y, a.x + Medzi(n, 0, s->w / 2), a.y + Medzi(n, 0, s->h / 2), c); break;
    case 2: Kruh(s, a.x, a.y, Medzi(n, 0, 18), c); break;
    case 3: Trojuholnik(s, a, Bod(n, *s, 5), Bod(n, *s, 5), c); break;
    case 4: Usecka(s, a, Bod(n, *s, 5), Medzi(n, 1, 2), c); break;
    case 5: {  // speckle
        int w = Medzi(n, 1, 30), h = Medzi(n, 1, 30), hustota = Medzi(n, 5, 95);
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                if (Sanca(n, hustota)) ::Bod(s, a.x + x, a.y + y, c);
        break;
    }
    case 6: {  // comb: a bar with legs up or down, the shape of arches and U shapes
        int sirka = Medzi(n, 3, 40), hrubka = Medzi(n, 1, 4), dlzka = Medzi(n, 2, 25);
        int nohy = Medzi(n, 2, 4), smer = Sanca(n, 50) ? 1 : -1;
        Obdlznik(s, a.x, a.y, a.x + sirka, a.y + hrubka - 1, c);
        for (int k = 0; k < nohy; k++) {
            int x = a.x + k * sirka / (nohy - 1);
            int y0 = smer > 0 ? a.y + hrubka : a.y - dlzka;
            Obdlznik(s, x, y0, x + Medzi(n, 0, 3), y0 + dlzka - 1, c);
        }
        if (Sanca(n, 50)) ::Bod(s, a.x + sirka / 2, smer > 0 ? a.y + hrubka + dlzka + Medzi(n, 0, 1) : a.y - dlzka - 1 - Medzi(n, 0, 1), c);
        break;
    }
    case 7: {  // frame or ring
        if (Sanca(n, 50)) {
            int r = Medzi(n, 2, 16);
            Kruh(s, a.x, a.y, r, c);
            Kruh(s, a.x, a.y, Medzi(n, 0, r - 1), kPozadie);
        } else {
            int w = Medzi(n, 2, 30), h = Medzi(n, 2, 30);
            Obdlznik(s, a.x, a.y, a.x + w, a.y + h, c);
            Obdlznik(s, a.x + 1, a.y + 1, a.x + w - 1, a.y + h - 1, kPozadie);
        }
        break;
    }
    default: {  // short runs on neighbouring rows, the stuff of given-up seeds and lead-ins
        int riadkov = Medzi(n, 1, 6);
        for (int y = 0; y < riadkov; y++)
            for (int k = Medzi(n, 1, 4); k > 0; k--) {
                int x = a.x + Medzi(n, -8, 8);
                Obdlznik(s, x, a.y + y, x + Medzi(n, 0, 5), a.y + y, c);
            }
        break;
    }
    }
}

Zadanie NahodneZadanie(uint64_t seed)
{
    Nahoda n = {seed * 0x9E3779B97F4A7C15ULL + 1};
    for (int k = 0; k < 4; k++) Dalsie(&n);
    Zadanie z;
    int w = Medzi(&n, 1, 90), h = Medzi(&n, 1, 70);
    if (Sanca(&n, 5)) {
        w = Medzi(&n, 100, kNajvacsiaSirka);
        h = Medzi(&n, 80, kNajvacsiaVyska);
    }
    if (Sanca(&n, 5)) {
        w = Medzi(&n, 1, 4);
        h = Medzi(&n, 1, 4);
    }
    z.stupen = Medzi(&n, 0, 7);
    if (Sanca(&n, 5)) z.stupen += 8 * Medzi(&n, -3, 3);
    const int pasmo = z.stupen & 7;
    COLORREF pozadie = kPozadie;
    if (Sanca(&n, 15)) pozadie = Seda((32 * pasmo + 32 * Medzi(&n, 1, 7) + Medzi(&n, 0, 31)) & 255);
    z.scena = NovaScena(w, h, pozadie);
    for (int k = Medzi(&n, 0, 14); k > 0; k--) KresliTvar(&n, &z.scena, FarbaTvaru(&n, pasmo));
    if (Sanca(&n, 3)) z.scena.farby[Medzi(&n, 0, w * h - 1)] = CLR_INVALID;

    z.vylucene = kNicNevylucit;
    if (Sanca(&n, 50)) {
        POINT a = Bod(&n, z.scena, 10), b = Bod(&n, z.scena, 10);
        z.vylucene = RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
        if (Sanca(&n, 10)) std::swap(z.vylucene.left, z.vylucene.right);
    }
    z.min_velkost = Sanca(&n, 50) ? Medzi(&n, 0, 20) : Medzi(&n, 0, 4);
    z.percento = Sanca(&n, 50) ? Medzi(&n, 0, 100) : Medzi(&n, 0, 30);
    return z;
}

std::string Popis(uint64_t seed, const Zadanie& z)
{
    char text[200];
    snprintf(text, sizeof text, "scene %llu: %d x %d, band %d, min %d, fill %d, exclude (%d, %d, %d, %d)",
             (unsigned long long)seed, z.scena.w, z.scena.h, z.stupen, z.min_velkost, z.percento,
             (int)z.vylucene.left, (int)z.vylucene.top, (int)z.vylucene.right, (int)z.vylucene.bottom);
    return text;
}

POINT ZnackaBodu(int k)
{
    return POINT{-1000 - k, 7 * k + 3};
}

RECT ZnackaObdlznika(int k)
{
    return RECT{-2000 - k, k, 3 * k, -k};
}

TEST(SearchDifferential, MatchesTheReferenceStepsOnRandomScenes)
{
    ASSERT_EQ(RozsirVysledky(kNajvacsiaSirka, kNajvacsiaVyska), 1);
    auto zaciatok = std::chrono::steady_clock::now();
    int objektov = 0, scen_s_objektom = 0, zmenene_opravou = 0;
    for (int seed = 0; seed < kScen; seed++) {
        Zadanie z = NahodneZadanie(seed);
        SCOPED_TRACE(Popis(seed, z));
        // Marks in the lists, to see that nothing beyond the count is written.
        const int oznacenych = z.scena.w * z.scena.h + 5;
        for (int k = 0; k < oznacenych; k++) {
            centers[k] = ZnackaBodu(k);
            objekty[k] = ZnackaObdlznika(k);
        }
        int pocet = HladajObjekty(z.scena.w, z.scena.h, z.scena.farby.data(), z.vylucene, z.stupen,
                                  z.min_velkost, z.percento);
        orakel::Vysledok o = orakel::OrakelHladaj(z.scena.w, z.scena.h, z.scena.farby.data(), z.vylucene,
                                                  z.stupen, z.min_velkost, z.percento);
        ASSERT_EQ(pocet, (int)o.objekty.size());
        for (int k = 0; k < pocet; k++) {
            SCOPED_TRACE("object " + std::to_string(k));
            ASSERT_EQ(objekty[k], o.objekty[k]);
            ASSERT_EQ(centers[k], o.centers[k]);
        }
        for (int k = pocet; k < oznacenych; k++) {
            ASSERT_EQ(centers[k], ZnackaBodu(k)) << "entry " << k;
            ASSERT_EQ(objekty[k], ZnackaObdlznika(k)) << "entry " << k;
        }
        objektov += pocet;
        scen_s_objektom += pocet > 0;

        orakel::Vysledok doslovne = orakel::OrakelHladaj(z.scena.w, z.scena.h, z.scena.farby.data(), z.vylucene,
                                                         z.stupen, z.min_velkost, z.percento, {false, false});
        zmenene_opravou += doslovne.objekty != o.objekty;
    }
    double sekundy = std::chrono::duration<double>(std::chrono::steady_clock::now() - zaciatok).count();
    printf("%d scenes, %d with objects, %d objects compared; the lead-in repair changed %d results; %.2f s\n",
           kScen, scen_s_objektom, objektov, zmenene_opravou, sekundy);
    // The scenes must reach the cases they are for.
    EXPECT_GT(scen_s_objektom, kScen / 2);
    EXPECT_GT(zmenene_opravou, 0);
}

// A colour near `c`: itself, a channel at or just past the tolerance, or any colour.
COLORREF BlizkaFarba(Nahoda* n, COLORREF c, int tolerancia)
{
    const int k = 8 * Medzi(n, 0, 2), odchylka = tolerancia + Medzi(n, 0, 1);
    const int v = (int)((c >> k) & 0xFF) + (Sanca(n, 50) ? odchylka : -odchylka);
    switch (Medzi(n, 0, 5)) {
    case 0: return (c & ~(0xFFu << k)) | ((COLORREF)(v & 0xFF) << k);  // wrapped past 0 or 255 too
    case 1: return RGB(Medzi(n, 0, 255), Medzi(n, 0, 255), Medzi(n, 0, 255));
    default: return c;
    }
}

// --colour: the same search on the pixels of one colour, against the same steps, on scenes of the
// colour, colours at and past the tolerance, greys and CLR_INVALID.
TEST(SearchDifferential, ColourMatchesTheReferenceSteps)
{
    StavHladania stav = {};
    int objektov = 0;
    for (int seed = 0; seed < kScen; seed += 2) {
        Zadanie z = NahodneZadanie(seed);
        Nahoda n = {(uint64_t)seed * 0x2545F4914F6CDD1DULL + 7};
        const COLORREF farba = Sanca(&n, 30) ? Seda(Medzi(&n, 0, 1) * 255) : RGB(Medzi(&n, 0, 255), Medzi(&n, 0, 255),
                                                                                Medzi(&n, 0, 255));
        const int tolerancia = Sanca(&n, 40) ? 0 : Sanca(&n, 90) ? Medzi(&n, 1, 40) : Medzi(&n, 200, 255);
        for (int k = Medzi(&n, 1, 14); k > 0; k--) KresliTvar(&n, &z.scena, BlizkaFarba(&n, farba, tolerancia));
        SCOPED_TRACE(Popis(seed, z) + ", colour " + std::to_string(farba) + " within " + std::to_string(tolerancia));
        stav.vyber = VyberBodov{true, farba, tolerancia};
        const int pocet = HladajSoStavom(&stav, z.scena.w, z.scena.h, z.scena.farby.data(), z.vylucene, z.stupen,
                                         z.min_velkost, z.percento);
        const orakel::Vysledok o = orakel::OrakelHladajFarbu(z.scena.w, z.scena.h, z.scena.farby.data(), z.vylucene,
                                                             farba, tolerancia, z.min_velkost, z.percento);
        ASSERT_EQ(std::vector<RECT>(stav.objekty, stav.objekty + pocet), o.objekty);
        ASSERT_EQ(std::vector<POINT>(stav.centers, stav.centers + pocet), o.centers);
        objektov += pocet;
    }
    UvolniStav(&stav);
    EXPECT_GT(objektov, kScen / 2);
}

// Ranges left set above a box lie on rows that the cycle's lead-in removal empties, and every
// search starts with all ranges empty: clearing them changes no result, only what is left behind.
TEST(SearchDifferential, ClearingAboveTheBoxChangesNoResult)
{
    int zostalo = 0;
    for (int seed = 0; seed < kScen; seed += 4) {
        Zadanie z = NahodneZadanie(seed);
        SCOPED_TRACE(Popis(seed, z));
        orakel::Vysledok s = orakel::OrakelHladaj(z.scena.w, z.scena.h, z.scena.farby.data(), z.vylucene,
                                                  z.stupen, z.min_velkost, z.percento, {true, true});
        orakel::Vysledok bez = orakel::OrakelHladaj(z.scena.w, z.scena.h, z.scena.farby.data(), z.vylucene,
                                                    z.stupen, z.min_velkost, z.percento, {true, false});
        ASSERT_EQ(s.objekty, bez.objekty);
        ASSERT_EQ(s.nastavene_rozsahy, 0);
        zostalo += bez.nastavene_rozsahy > 0;
    }
    EXPECT_GT(zostalo, 0);
}

}  // namespace
