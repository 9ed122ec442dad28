// The search against the plain transcription on large scenes (up to 640 x 480) crowded with objects
// side by side and stacked, so that many cycles run on rows shared by other objects.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "search/hladanie.h"
#include "search/vysledky.h"
#include "reference/orakel.h"
#include "reference/sceny.h"

namespace {

struct Zadanie {
    Scena scena;
    RECT vylucene;
    int stupen, min_velkost, percento;
};

// Raw draws only: std::mt19937 is the same everywhere, its distributions are not.
int Nahoda(std::mt19937& gen, int od, int po) { return od + (int)(gen() % (uint32_t)(po - od + 1)); }

COLORREF Seda(int v) { return RGB(v, v, v); }

// A grey of the band, another band's grey, or a colour that only nearly is grey.
COLORREF Farba(std::mt19937& gen, int stupen)
{
    const int v = (stupen & 7) * 32 + Nahoda(gen, 0, 31);
    switch (Nahoda(gen, 0, 9)) {
    case 0: return Seda((v + 32 * Nahoda(gen, 1, 7)) & 255);
    case 1: return RGB(v, v, v ^ 1);
    case 2: return RGB(v ^ 1, v, v);
    default: return Seda(v);
    }
}

// One shape in the box (x0, y0) to (x0 + sw - 1, y0 + sh - 1): filled box, disk, triangle, U, arch
// with a lone pixel under it, hollow frame, or comb.
void Tvar(Scena* s, std::mt19937& gen, int x0, int y0, int sw, int sh, COLORREF c)
{
    const int druh = Nahoda(gen, 0, 6);
    for (int y = 0; y < sh; y++) {
        for (int x = 0; x < sw; x++) {
            bool dnu = false;
            const int dx = 2 * x - (sw - 1), dy = 2 * y - (sh - 1);
            switch (druh) {
            case 0: dnu = true; break;
            case 1: dnu = (long long)dx * dx * sh * sh + (long long)dy * dy * sw * sw <= (long long)sw * sw * sh * sh; break;
            case 2: dnu = 2 * (x < sw / 2 ? sw / 2 - x : x - sw / 2) <= y * sw / (sh > 1 ? sh - 1 : 1); break;
            case 3: dnu = x < sw / 3 + 1 || x >= sw - sw / 3 - 1 || y >= sh - sh / 4 - 1; break;
            case 4: dnu = (y < sh / 4 + 1 || x < sw / 4 + 1 || x >= sw - sw / 4 - 1) && y < sh - 2; break;
            case 5: dnu = x == 0 || y == 0 || x == sw - 1 || y == sh - 1; break;
            default: dnu = y < 2 || x % 3 == 0; break;
            }
            if (druh == 4 && y == sh - 1 && x == sw / 2) dnu = true;  // the arch's lone pixel
            if (dnu) Bod(s, x0 + x, y0 + y, c);
        }
    }
}

// Rows of objects side by side, gaps of 0 to 3 pixels between them and between the rows (0 makes
// them touch), some speckle over it all and sometimes an exclusion rectangle across.
Zadanie PlnaScena(uint32_t semienko, int max_w, int max_h)
{
    std::mt19937 gen(semienko);
    Zadanie z;
    const int w = Nahoda(gen, max_w / 2, max_w), h = Nahoda(gen, max_h / 2, max_h);
    z.stupen = Nahoda(gen, 0, 7);
    z.scena = NovaScena(w, h, RGB(Nahoda(gen, 0, 255), Nahoda(gen, 0, 255) | 1, Nahoda(gen, 0, 255) & ~1));
    const int typicka = Nahoda(gen, 3, 24);
    for (int y = Nahoda(gen, -4, 2); y < h;) {
        const int vyska = Nahoda(gen, 1, typicka);
        for (int x = Nahoda(gen, -4, 2); x < w;) {
            const int sirka = Nahoda(gen, 1, typicka);
            // Now and then a shape shifted down by part of its height: stacked objects that overlap
            // the row above or below only in some columns.
            const int posun = Nahoda(gen, 0, 5) == 0 ? Nahoda(gen, -vyska / 2, vyska / 2) : 0;
            if (Nahoda(gen, 0, 7) != 0) Tvar(&z.scena, gen, x, y + posun, sirka, vyska, Farba(gen, z.stupen));
            x += sirka + Nahoda(gen, 0, 3);
        }
        y += vyska + Nahoda(gen, 0, 3);
    }
    const int skvrn = Nahoda(gen, 0, 3) == 0 ? Nahoda(gen, 0, w * h / 8) : 0;
    for (int i = 0; i < skvrn; i++) Bod(&z.scena, Nahoda(gen, 0, w - 1), Nahoda(gen, 0, h - 1), Farba(gen, z.stupen));
    z.vylucene = kNicNevylucit;
    if (Nahoda(gen, 0, 2) == 0) {
        const int l = Nahoda(gen, -20, w), t = Nahoda(gen, -20, h);
        z.vylucene = RECT{l, t, l + Nahoda(gen, 0, w / 2), t + Nahoda(gen, 0, h / 2)};
    }
    z.min_velkost = Nahoda(gen, 0, 3) == 0 ? 0 : Nahoda(gen, 1, 12);
    z.percento = Nahoda(gen, 0, 3) == 0 ? 0 : Nahoda(gen, 1, 100);
    return z;
}

// Seeds to run: ZENTRIVO_SEEDS overrides the default (more while working on the search).
int PocetSemienok(int predvolene)
{
    const char* v = std::getenv("ZENTRIVO_SEEDS");
    return v && std::atoi(v) > 0 ? std::atoi(v) : predvolene;
}

void Porovnaj(const Zadanie& z, uint32_t semienko)
{
    const Scena& s = z.scena;
    SCOPED_TRACE("seed " + std::to_string(semienko) + ", " + std::to_string(s.w) + " x " + std::to_string(s.h));
    const orakel::Vysledok o =
        orakel::OrakelHladaj(s.w, s.h, s.farby.data(), z.vylucene, z.stupen, z.min_velkost, z.percento);
    const Najdene n = Hladaj(s, z.vylucene, z.stupen, z.min_velkost, z.percento);
    ASSERT_EQ((int)o.objekty.size(), n.pocet);
    for (int i = 0; i < n.pocet; i++) {
        SCOPED_TRACE("object " + std::to_string(i));
        ASSERT_EQ(o.objekty[i], n.objekty[i]);
        ASSERT_EQ(o.centers[i], n.centers[i]);
    }
}

TEST(VelkeSceny, SpolocneRiadkyASkladaneObjektyAkoOrakel)
{
    const int n = PocetSemienok(12);
    for (int i = 0; i < n; i++) {
        const uint32_t semienko = 7000 + (uint32_t)i;
        Porovnaj(PlnaScena(semienko, 640, 480), semienko);
        if (HasFatalFailure()) return;
    }
}

// Smaller crowded scenes run in greater numbers: more of the rare cases per second.
TEST(VelkeSceny, StredneScenyAkoOrakel)
{
    const int n = PocetSemienok(12) * 10;
    for (int i = 0; i < n; i++) {
        const uint32_t semienko = 90000 + (uint32_t)i;
        Porovnaj(PlnaScena(semienko, 200, 150), semienko);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
