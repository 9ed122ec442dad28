// Desktop-like scenes for the benchmarks and the tests: deterministic pictures built with a
// fixed-seed generator.
#include <cstdint>
#include <cstring>
#include <random>

#include "reference/sceny.h"

// std::mt19937 is the same on every platform; the distributions are not, so only raw draws are used.
static int Nahoda(std::mt19937& gen, int n) { return (int)(gen() % (uint32_t)n); }

// A scene of one colour, searched in band `stupen`.
static Scena ScenaVPasme(int w, int h, int stupen, COLORREF pozadie)
{
    Scena s = NovaScena(w, h, pozadie);
    s.stupen = stupen;
    return s;
}

// One glyph: a few strokes (stems, bars, diagonals) in a box of gw x gh pixels, as a mask.
static void Znak(std::mt19937& gen, std::vector<unsigned char>& maska, int gw, int gh)
{
    maska.assign((size_t)gw * gh, 0);
    int tahov = 1 + Nahoda(gen, 3);
    for (int t = 0; t < tahov; ++t) {
        int druh = Nahoda(gen, 4);
        int hrubka = 1 + (Nahoda(gen, 4) == 0);
        if (druh == 0) {  // stem
            int x = Nahoda(gen, gw - hrubka + 1);
            int y0 = Nahoda(gen, gh / 3 + 1);
            for (int y = y0; y < gh; ++y)
                for (int d = 0; d < hrubka; ++d) maska[(size_t)y * gw + x + d] = 1;
        } else if (druh == 1) {  // bar
            int y = Nahoda(gen, gh - hrubka + 1);
            for (int x = 0; x < gw; ++x)
                for (int d = 0; d < hrubka; ++d) maska[(size_t)(y + d) * gw + x] = 1;
        } else if (druh == 2) {  // diagonal
            bool dole = Nahoda(gen, 2) != 0;
            for (int y = 0; y < gh; ++y) {
                int x = (dole ? y : gh - 1 - y) * (gw - 1) / (gh - 1);
                maska[(size_t)y * gw + x] = 1;
            }
        } else {  // bowl: a ring in the lower part
            int cx2 = gw - 1, cy2 = gh + gh / 3 - 1, r2 = (gw - 1) * (gw - 1) / 4;
            for (int y = gh / 3; y < gh; ++y)
                for (int x = 0; x < gw; ++x) {
                    int dx = 2 * x - cx2, dy = 2 * y - cy2;
                    int d = dx * dx + dy * dy - 4 * r2;
                    if (d <= 4 * gw && d >= -4 * gw) maska[(size_t)y * gw + x] = 1;
                }
        }
    }
}

// Lines of words on a white page: dark stroke pixels, and light anti-aliasing (greys 96 to 250 and
// faint colour fringes) on their neighbours that are not strokes.
static Scena TextovaStrana(int w, int h, int stupen, uint32_t semienko)
{
    Scena s = ScenaVPasme(w, h, stupen, RGB(255, 255, 255));
    std::mt19937 gen(semienko);
    std::vector<unsigned char> tah((size_t)w * h, 0);
    std::vector<unsigned char> maska;
    const int okraj = 40, riadok = 18;
    for (int y0 = okraj; y0 + riadok < h - okraj; y0 += riadok) {
        int x = okraj + Nahoda(gen, 20);
        while (x < w - okraj - 12) {
            int pismen = 2 + Nahoda(gen, 8);
            for (int p = 0; p < pismen && x < w - okraj - 12; ++p) {
                int gw = 5 + Nahoda(gen, 4), gh = Nahoda(gen, 3) == 0 ? 12 : 8;
                Znak(gen, maska, gw, gh);
                int top = y0 + 12 - gh;
                for (int y = 0; y < gh; ++y)
                    for (int xx = 0; xx < gw; ++xx)
                        if (maska[(size_t)y * gw + xx]) tah[(size_t)(top + y) * w + x + xx] = 1;
                x += gw + 1 + Nahoda(gen, 2);
            }
            x += 4 + Nahoda(gen, 4);
        }
    }
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            size_t i = (size_t)y * w + x;
            if (tah[i]) {
                int v = Nahoda(gen, 3) == 0 ? 0 : Nahoda(gen, 32);
                s.farby[i] = RGB(v, v, v);
            } else if (tah[i - 1] || tah[i + 1] || tah[i - w] || tah[i + w]) {
                int v = 96 + Nahoda(gen, 155);
                if (Nahoda(gen, 4) == 0)
                    s.farby[i] = RGB(v, v + 1, v);  // colour fringe
                else
                    s.farby[i] = RGB(v, v, v);
            }
        }
    return s;
}

Scena ScenaText(int w, int h) { return TextovaStrana(w, h, 0, 1001); }

Scena ScenaBielaStrana(int w, int h) { return TextovaStrana(w, h, 7, 1002); }

Scena ScenaDlazdice(int w, int h)
{
    Scena s = ScenaVPasme(w, h, 4, RGB(40, 90, 160));
    for (int y0 = 2; y0 + 10 <= h; y0 += 14)
        for (int x0 = 2; x0 + 10 <= w; x0 += 14) Obdlznik(&s, x0, y0, x0 + 9, y0 + 9, RGB(140, 140, 140));
    return s;
}

Scena ScenaSum(int w, int h)
{
    Scena s = ScenaVPasme(w, h, 4, 0);
    std::mt19937 gen(1004);
    for (COLORREF& c : s.farby) {
        uint32_t r = gen();
        if (r & 1) {
            int v = 128 + (int)((r >> 1) & 31);
            c = RGB(v, v, v);
        } else {
            int red = (int)((r >> 8) & 255), green = (int)((r >> 16) & 255);
            c = RGB(red, green, red ^ 1);  // blue differs from red: never grey
        }
    }
    return s;
}

Scena ScenaPrechody(int w, int h)
{
    Scena s = ScenaVPasme(w, h, 4, 0);
    std::mt19937 gen(1005);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int v = 128 + (int)(((long long)x * 17 + (long long)y * 14) % 3200 / 100);  // slow bands of 128 to 159
            size_t i = (size_t)y * w + x;
            if (Nahoda(gen, 50) == 0)
                s.farby[i] = RGB(v, v, v);
            else
                s.farby[i] = RGB(v, v + 1 - 2 * (x & 1), v + (y & 1));  // off by one in green: near-grey only
        }
    return s;
}

GeneratorSceny ScenaPodlaMena(const char* nazov)
{
    static const struct {
        const char* nazov;
        GeneratorSceny generator;
    } sceny[] = {{"text", ScenaText},
                 {"tiles", ScenaDlazdice},
                 {"white_page", ScenaBielaStrana},
                 {"half_noise", ScenaSum},
                 {"gradients", ScenaPrechody}};
    for (const auto& s : sceny)
        if (std::strcmp(s.nazov, nazov) == 0) return s.generator;
    return nullptr;
}
