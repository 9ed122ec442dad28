// Makes the program's pictures (bitmaps, icons, cursors) and the Wine snapshot test's desktop picture.
//
// Deterministic: every random value is a hash of its coordinates, so a run rewrites identical files.
// The outputs are committed; the build never runs this. To remake them, from the repository root:
//   g++ -O2 -std=c++17 -I/usr/include/stb tools/generuj_obrazky.cpp -o build/generuj_obrazky
//   build/generuj_obrazky resources tests/data
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct Farba { float r, g, b, a; };
struct Obraz { int w, h; std::vector<Farba> px; };  // straight alpha, rows from the top

static Obraz NovyObraz(int w, int h) { return Obraz{w, h, std::vector<Farba>((size_t)w * h, {0, 0, 0, 0})}; }

// ---- deterministic noise ----

static uint32_t Hash(uint32_t x, uint32_t y, uint32_t semeno)
{
    uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ semeno * 0xcb1ab31fu;
    h ^= h >> 16; h *= 0x7feb352du; h ^= h >> 15; h *= 0x846ca68bu; h ^= h >> 16;
    return h;
}

static float Nahoda(int x, int y, uint32_t semeno)  // in [0, 1)
{
    return (Hash((uint32_t)x, (uint32_t)y, semeno) >> 8) * (1.0f / 16777216.0f);
}

static float Hladka(float t) { return t * t * (3 - 2 * t); }

// Value noise on a lattice of `krok` pixels, in [0, 1).
static float Sum(float x, float y, float krok, uint32_t semeno)
{
    float fx = x / krok, fy = y / krok;
    int ix = (int)std::floor(fx), iy = (int)std::floor(fy);
    float tx = Hladka(fx - ix), ty = Hladka(fy - iy);
    float a = Nahoda(ix, iy, semeno), b = Nahoda(ix + 1, iy, semeno);
    float c = Nahoda(ix, iy + 1, semeno), d = Nahoda(ix + 1, iy + 1, semeno);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

static float Obmedz(float v, float lo, float hi) { return std::min(hi, std::max(lo, v)); }

// ---- textures ----

// Brushed metal: fine horizontal streaks (noise smeared along rows), a per-row grain and a soft
// diagonal sheen that is brightest in the top-left corner, where the pattern brush shows the picture.
static Obraz KartacovanyKov(int w, int h, Farba tmava, Farba svetla, uint32_t semeno)
{
    Obraz o = NovyObraz(w, h);
    const int dlzka = 48;  // streak length: a running mean over this many pixels of a row
    std::vector<float> riadok(w + dlzka), pruhy(w);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w + dlzka; x++) riadok[x] = Nahoda(x, y, semeno);
        float s = 0;
        for (int x = 0; x < dlzka; x++) s += riadok[x];
        for (int x = 0; x < w; x++) {
            pruhy[x] = s / dlzka - 0.5f;
            s += riadok[x + dlzka] - riadok[x];
        }
        float zrno = (Nahoda(0, y, semeno + 1) - 0.5f) * 0.6f + (Sum(0, (float)y, 3, semeno + 2) - 0.5f);
        for (int x = 0; x < w; x++) {
            float lesk = 0.55f + 0.45f * std::cos((x * 0.8f + y) / 420.0f);  // 1 at the corner
            float vlna = Sum((float)x, (float)y, 160, semeno + 3) - 0.5f;
            float t = Obmedz(0.35f + 0.45f * lesk + 0.25f * vlna + 0.9f * pruhy[x] + 0.18f * zrno, 0, 1);
            o.px[(size_t)y * w + x] = {tmava.r + (svetla.r - tmava.r) * t, tmava.g + (svetla.g - tmava.g) * t,
                                       tmava.b + (svetla.b - tmava.b) * t, 1};
        }
    }
    return o;
}

// Leather grain: pebbles from a jittered cell grid (distance to the nearest and the second nearest
// cell point), creases where two pebbles meet, lit from the top left.
static float Kamienky(float x, float y, float bunka, uint32_t semeno)
{
    int cx = (int)std::floor(x / bunka), cy = (int)std::floor(y / bunka);
    float d1 = 1e9f, d2 = 1e9f;
    for (int j = -1; j <= 1; j++)
        for (int i = -1; i <= 1; i++) {
            float px = (cx + i + 0.15f + 0.7f * Nahoda(cx + i, cy + j, semeno)) * bunka;
            float py = (cy + j + 0.15f + 0.7f * Nahoda(cx + i, cy + j, semeno + 7)) * bunka;
            float d = std::hypot(x - px, y - py);
            if (d < d1) { d2 = d1; d1 = d; } else if (d < d2) d2 = d;
        }
    return Obmedz((d2 - d1) / (0.45f * bunka), 0, 1);  // 0 in a crease, 1 on a pebble's top
}

static float VyskaKoze(float x, float y, uint32_t semeno)
{
    // Two sizes of pebbles, so that the grain is irregular; each pebble a rounded dome.
    float velke = std::sqrt(Kamienky(x, y, 7.0f, semeno));
    float male = std::sqrt(Kamienky(x + 31.7f, y + 17.3f, 3.6f, semeno + 5));
    return 0.7f * velke + 0.3f * male;
}

static Obraz Koza(int w, int h, uint32_t semeno)
{
    Obraz o = NovyObraz(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            float v = VyskaKoze(x + 0.5f, y + 0.5f, semeno);
            float vx = VyskaKoze(x + 1.5f, y + 0.5f, semeno);
            float vy = VyskaKoze(x + 0.5f, y + 1.5f, semeno);
            float svetlo = Obmedz(0.5f - 1.4f * ((vx - v) + (vy - v)), 0, 1);  // light from the top left
            float sum = Sum((float)x, (float)y, 90, semeno + 1);
            float t = 0.15f + 0.40f * v + 0.45f * svetlo + 0.25f * (sum - 0.5f) + 0.10f * (Nahoda(x, y, semeno + 2) - 0.5f);
            t = Obmedz(t, 0, 1.2f);
            o.px[(size_t)y * w + x] = {9 + 26 * t, 8 + 22 * t, 8 + 19 * t, 1};
        }
    return o;
}

// ---- shapes for icons and cursors, drawn with supersampling ----

struct Bod { float x, y; };

static float VzdialenostUsecka(Bod p, Bod a, Bod b)
{
    float dx = b.x - a.x, dy = b.y - a.y;
    float t = Obmedz(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0, 1);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Signed distance to a polygon: negative inside.
static float VzdialenostMnohouholnik(Bod p, const std::vector<Bod>& v)
{
    float d = 1e9f;
    bool dnu = false;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
        d = std::min(d, VzdialenostUsecka(p, v[j], v[i]));
        if ((v[i].y > p.y) != (v[j].y > p.y) &&
            p.x < (v[j].x - v[i].x) * (p.y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
            dnu = !dnu;
    }
    return dnu ? -d : d;
}

static float VzdialenostObdlznik(Bod p, float x0, float y0, float x1, float y1, float zaoblenie)
{
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    float qx = std::fabs(p.x - cx) - ((x1 - x0) / 2 - zaoblenie);
    float qy = std::fabs(p.y - cy) - ((y1 - y0) / 2 - zaoblenie);
    return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - zaoblenie;
}

static Farba Nad(Farba spodna, Farba vrchna)  // "over" compositing, straight alpha
{
    float a = vrchna.a + spodna.a * (1 - vrchna.a);
    if (a <= 0) return {0, 0, 0, 0};
    auto zmes = [&](float s, float v) { return (v * vrchna.a + s * spodna.a * (1 - vrchna.a)) / a; };
    return {zmes(spodna.r, vrchna.r), zmes(spodna.g, vrchna.g), zmes(spodna.b, vrchna.b), a};
}

// Averages n x n samples of `vzorka` per pixel (premultiplied, so edges blend without halos).
template <typename F>
static Obraz Vzorkuj(int w, int h, int n, F vzorka)
{
    Obraz o = NovyObraz(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            float r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < n; j++)
                for (int i = 0; i < n; i++) {
                    Farba f = vzorka(Bod{x + (i + 0.5f) / n, y + (j + 0.5f) / n});
                    r += f.r * f.a; g += f.g * f.a; b += f.b * f.a; a += f.a;
                }
            o.px[(size_t)y * w + x] = a > 0 ? Farba{r / a, g / a, b / a, a / (n * n)} : Farba{0, 0, 0, 0};
        }
    return o;
}

static Farba Plna(float r, float g, float b, float a = 1) { return {r, g, b, a}; }

// The program's icon: a red crosshair over grey objects on a dark slate plate. Small sizes get a
// simpler picture (one object, a thicker crosshair) so that it stays readable at 16 pixels.
static Obraz Ikona(int s)
{
    bool mala = s <= 24;
    return Vzorkuj(s, s, 6, [&](Bod p) {
        Bod u{p.x / s, p.y / s};
        Farba f{0, 0, 0, 0};
        float dosku = VzdialenostObdlznik(u, 0.03f, 0.03f, 0.97f, 0.97f, 0.16f);
        if (dosku < 0) {
            float t = u.y;
            f = Plna(46 - 14 * t, 58 - 16 * t, 74 - 18 * t);
            if (dosku > -0.035f) f = Plna(120, 134, 150);  // light rim, visible on dark backgrounds
        }
        auto objekt = [&](float d, float seda) {
            if (d < 0) f = Nad(f, Plna(seda, seda, seda));
        };
        Bod stred;
        float polomer, hrubka;
        if (mala) {
            objekt(VzdialenostObdlznik(u, 0.22f, 0.22f, 0.78f, 0.78f, 0.04f), 176);
            stred = {0.5f, 0.5f}; polomer = 0.30f; hrubka = 0.09f;
        } else {
            objekt(VzdialenostObdlznik(u, 0.13f, 0.13f, 0.43f, 0.43f, 0.02f), 196);
            objekt(std::hypot(u.x - 0.71f, u.y - 0.28f) - 0.15f, 150);
            objekt(VzdialenostMnohouholnik(u, {{0.28f, 0.55f}, {0.45f, 0.87f}, {0.11f, 0.87f}}), 112);
            objekt(VzdialenostObdlznik(u, 0.53f, 0.53f, 0.87f, 0.87f, 0.02f), 170);
            stred = {0.70f, 0.70f}; polomer = 0.19f; hrubka = std::max(0.035f, 1.6f / s);
        }
        float kruh = std::fabs(std::hypot(u.x - stred.x, u.y - stred.y) - polomer) - hrubka / 2;
        float ciary = 1e9f;
        float od = polomer * 0.35f, po = polomer * 1.3f;
        ciary = std::min(ciary, VzdialenostUsecka(u, {stred.x - po, stred.y}, {stred.x - od, stred.y}));
        ciary = std::min(ciary, VzdialenostUsecka(u, {stred.x + od, stred.y}, {stred.x + po, stred.y}));
        ciary = std::min(ciary, VzdialenostUsecka(u, {stred.x, stred.y - po}, {stred.x, stred.y - od}));
        ciary = std::min(ciary, VzdialenostUsecka(u, {stred.x, stred.y + od}, {stred.x, stred.y + po}));
        ciary -= hrubka / 2;
        float kriz = std::min(kruh, ciary);
        if (kriz < hrubka * 0.6f) f = Nad(f, Plna(20, 20, 24, 0.55f));  // dark halo under the red
        if (kriz < 0) f = Nad(f, Plna(226, 38, 32));
        if (std::hypot(u.x - stred.x, u.y - stred.y) < hrubka * 0.7f) f = Nad(f, Plna(226, 38, 32));
        return f;
    });
}

// Cursor pictures, 32 x 32 in pixel coordinates. The hotspot pixel is (hx, hy): the arrows' tips
// lie on its centre, the crosshair's centre too.
static Obraz KurzorSipka(float hx, float hy, float mierka, Farba vypln)
{
    std::vector<Bod> v = {{0, 0}, {0, 16}, {4, 12.2f}, {6.8f, 18.6f}, {9.4f, 17.5f}, {6.7f, 11.3f}, {12, 11.3f}};
    for (Bod& b : v) b = {hx + 0.5f + b.x * mierka, hy + 0.5f + b.y * mierka};
    std::vector<Bod> tien = v;
    for (Bod& b : tien) b = {b.x + 1.4f, b.y + 1.6f};
    return Vzorkuj(32, 32, 6, [&](Bod p) {
        Farba f{0, 0, 0, 0};
        float dt = VzdialenostMnohouholnik(p, tien);
        if (dt < 1.6f) f = Plna(0, 0, 0, 0.28f * Obmedz(1 - dt / 1.6f, 0, 1));
        float d = VzdialenostMnohouholnik(p, v);
        if (d < 1.0f) f = Nad(f, Plna(0, 0, 0));  // the outline, 1 pixel outside the shape
        if (d < 0) f = Nad(f, vypln);
        return f;
    });
}

static Obraz KurzorKriz(float hx, float hy)
{
    Bod c{hx + 0.5f, hy + 0.5f};
    return Vzorkuj(32, 32, 6, [&](Bod p) {
        float kruh = std::fabs(std::hypot(p.x - c.x, p.y - c.y) - 7.0f) - 0.6f;
        float ciary = std::min(std::min(VzdialenostUsecka(p, {c.x - 11, c.y}, {c.x - 3, c.y}),
                                        VzdialenostUsecka(p, {c.x + 3, c.y}, {c.x + 11, c.y})),
                               std::min(VzdialenostUsecka(p, {c.x, c.y - 11}, {c.x, c.y - 3}),
                                        VzdialenostUsecka(p, {c.x, c.y + 3}, {c.x, c.y + 11}))) - 0.55f;
        float bod = std::hypot(p.x - c.x, p.y - c.y) - 0.75f;
        float d = std::min(std::min(kruh, ciary), bod);
        Farba f{0, 0, 0, 0};
        if (d < 1.1f) f = Plna(255, 255, 255);  // white halo keeps it visible on dark desktops
        if (d < 0) f = Plna(0, 0, 0);
        return f;
    });
}

// ---- file writers ----

static void Dopln(std::vector<uint8_t>& b, uint32_t v, int n)  // little-endian
{
    for (int i = 0; i < n; i++) b.push_back((uint8_t)(v >> (8 * i)));
}

static uint8_t Bajt(float v) { return (uint8_t)Obmedz(std::floor(v + 0.5f), 0, 255); }

static bool Zapis(const std::string& cesta, const std::vector<uint8_t>& b)
{
    FILE* f = std::fopen(cesta.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}

static void HlavickaDib(std::vector<uint8_t>& b, int w, int h, int bity, uint32_t velkost)
{
    Dopln(b, 40, 4); Dopln(b, (uint32_t)w, 4); Dopln(b, (uint32_t)h, 4);
    Dopln(b, 1, 2); Dopln(b, (uint32_t)bity, 2); Dopln(b, 0, 4);  // BI_RGB
    Dopln(b, velkost, 4); Dopln(b, 2835, 4); Dopln(b, 2835, 4); Dopln(b, 0, 4); Dopln(b, 0, 4);
}

// A 24-bit bottom-up BMP file; the resource compiler keeps what follows the 14-byte file header.
static bool ZapisBmp(const std::string& cesta, const Obraz& o)
{
    uint32_t riadok = ((uint32_t)o.w * 3 + 3) & ~3u, data = riadok * (uint32_t)o.h;
    std::vector<uint8_t> b;
    b.push_back('B'); b.push_back('M');
    Dopln(b, 14 + 40 + data, 4); Dopln(b, 0, 4); Dopln(b, 14 + 40, 4);
    HlavickaDib(b, o.w, o.h, 24, data);
    for (int y = o.h - 1; y >= 0; y--) {
        for (int x = 0; x < o.w; x++) {
            const Farba& f = o.px[(size_t)y * o.w + x];
            b.push_back(Bajt(f.b)); b.push_back(Bajt(f.g)); b.push_back(Bajt(f.r));
        }
        for (uint32_t i = (uint32_t)o.w * 3; i < riadok; i++) b.push_back(0);
    }
    return Zapis(cesta, b);
}

// One icon or cursor image as a DIB: 32-bit BGRA bottom-up, then the 1-bit mask (1 where fully clear).
static std::vector<uint8_t> ObrazDib(const Obraz& o)
{
    uint32_t maska_riadok = ((uint32_t)(o.w + 31) / 32) * 4;
    std::vector<uint8_t> b;
    HlavickaDib(b, o.w, 2 * o.h, 32, (uint32_t)(o.w * o.h * 4) + maska_riadok * o.h);
    for (int y = o.h - 1; y >= 0; y--)
        for (int x = 0; x < o.w; x++) {
            const Farba& f = o.px[(size_t)y * o.w + x];
            uint8_t a = Bajt(f.a * 255);
            if (a == 0) { Dopln(b, 0, 4); continue; }
            b.push_back(Bajt(f.b)); b.push_back(Bajt(f.g)); b.push_back(Bajt(f.r)); b.push_back(a);
        }
    for (int y = o.h - 1; y >= 0; y--) {
        std::vector<uint8_t> riadok(maska_riadok, 0);
        for (int x = 0; x < o.w; x++)
            if (Bajt(o.px[(size_t)y * o.w + x].a * 255) == 0) riadok[x / 8] |= (uint8_t)(0x80 >> (x % 8));
        b.insert(b.end(), riadok.begin(), riadok.end());
    }
    return b;
}

static void PridajDoVektora(void* kontext, void* data, int velkost)
{
    auto* v = static_cast<std::vector<uint8_t>*>(kontext);
    v->insert(v->end(), (uint8_t*)data, (uint8_t*)data + velkost);
}

static std::vector<uint8_t> RgbaBajty(const Obraz& o)
{
    std::vector<uint8_t> rgba;
    for (const Farba& f : o.px) {
        uint8_t a = Bajt(f.a * 255);
        rgba.push_back(a ? Bajt(f.r) : 0); rgba.push_back(a ? Bajt(f.g) : 0);
        rgba.push_back(a ? Bajt(f.b) : 0); rgba.push_back(a);
    }
    return rgba;
}

static std::vector<uint8_t> ObrazPng(const Obraz& o)
{
    std::vector<uint8_t> rgba = RgbaBajty(o), png;
    stbi_write_png_to_func(PridajDoVektora, &png, o.w, o.h, 4, rgba.data(), o.w * 4);
    return png;
}

// An .ico (typ 1) or .cur (typ 2) file; for a cursor the two words after the size are the hotspot.
struct Polozka { int velkost; std::vector<uint8_t> data; int slovo1, slovo2; };

static bool ZapisIkonu(const std::string& cesta, int typ, const std::vector<Polozka>& polozky)
{
    std::vector<uint8_t> b;
    Dopln(b, 0, 2); Dopln(b, (uint32_t)typ, 2); Dopln(b, (uint32_t)polozky.size(), 2);
    uint32_t posun = 6 + 16 * (uint32_t)polozky.size();
    for (const Polozka& p : polozky) {
        b.push_back((uint8_t)(p.velkost & 0xFF)); b.push_back((uint8_t)(p.velkost & 0xFF));  // 256 is 0
        b.push_back(0); b.push_back(0);
        Dopln(b, (uint32_t)p.slovo1, 2); Dopln(b, (uint32_t)p.slovo2, 2);
        Dopln(b, (uint32_t)p.data.size(), 4); Dopln(b, posun, 4);
        posun += (uint32_t)p.data.size();
    }
    for (const Polozka& p : polozky) b.insert(b.end(), p.data.begin(), p.data.end());
    return Zapis(cesta, b);
}

static bool SkupinaIkon(const std::string& cesta, const std::vector<int>& velkosti, bool png256)
{
    std::vector<Polozka> polozky;
    for (int s : velkosti) {
        Obraz o = Ikona(s);
        polozky.push_back({s, png256 && s == 256 ? ObrazPng(o) : ObrazDib(o), 1, 32});
    }
    return ZapisIkonu(cesta, 1, polozky);
}

static bool Kurzor(const std::string& cesta, const Obraz& o, int hx, int hy)
{
    return ZapisIkonu(cesta, 2, {{32, ObrazDib(o), hx, hy}});
}

// ---- the snapshot test's desktop ----

// A 1280 x 1024 picture: a colour gradient that is nowhere grey, with grey shapes of band 4
// (values 128 to 159) and decoys: greys of other bands, a near-grey, scattered single grey pixels.
static Obraz TestovaciaPlocha()
{
    const int w = 1280, h = 1024;
    Obraz o = NovyObraz(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            o.px[(size_t)y * w + x] = {40.0f + (float)(x * 100 / w), 90.0f + (float)(y * 60 / h), 170, 1};
    auto bod = [&](int x, int y, float r, float g, float b) {
        if (x >= 0 && y >= 0 && x < w && y < h) o.px[(size_t)y * w + x] = {r, g, b, 1};
    };
    auto stvorec = [&](int x0, int y0, int x1, int y1, float r, float g, float b) {
        for (int y = y0; y <= y1; y++)
            for (int x = x0; x <= x1; x++) bod(x, y, r, g, b);
    };
    stvorec(100, 100, 199, 199, 128, 128, 128);
    for (int y = 140; y <= 260; y++)  // disk around (400, 200), radius 60
        for (int x = 340; x <= 460; x++)
            if ((x - 400) * (x - 400) + (y - 200) * (y - 200) <= 3600) bod(x, y, 140, 140, 140);
    for (int k = 0; k < 80; k++)  // triangle, apex (700, 100)
        for (int x = 700 - k; x <= 700 + k; x++) bod(x, 100 + k, 150, 150, 150);
    stvorec(900, 120, 1039, 259, 159, 159, 159);  // half under the test's window
    stvorec(100, 500, 124, 600, 135, 135, 135);   // U shape
    stvorec(175, 500, 199, 600, 135, 135, 135);
    stvorec(100, 601, 199, 625, 135, 135, 135);
    stvorec(400, 500, 479, 579, 127, 127, 127);   // band 3
    stvorec(600, 500, 679, 579, 128, 128, 129);   // not grey
    stvorec(800, 500, 809, 509, 130, 130, 130);   // too small
    stvorec(1000, 800, 1199, 801, 145, 145, 145); // a bar two rows high
    for (int i = 0; i < 400; i++)
        bod((int)(Nahoda(i, 0, 99) * w), (int)(Nahoda(i, 1, 99) * h), 144, 144, 144);
    return o;
}

static bool ZapisPng(const std::string& cesta, const Obraz& o)
{
    std::vector<uint8_t> rgba = RgbaBajty(o), rgb;
    for (size_t i = 0; i < rgba.size(); i += 4) rgb.insert(rgb.end(), &rgba[i], &rgba[i] + 3);
    return stbi_write_png(cesta.c_str(), o.w, o.h, 3, rgb.data(), o.w * 3) != 0;
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s RESOURCES_DIR TEST_DATA_DIR\n", argv[0]);
        return 2;
    }
    std::string r = argv[1], t = argv[2];
    bool ok = true;
    ok &= ZapisBmp(r + "/pozadie_201.bmp", KartacovanyKov(1021, 783, {150, 154, 160, 1}, {236, 238, 241, 1}, 201));
    ok &= ZapisBmp(r + "/pozadie_202.bmp", Koza(616, 408, 202));
    ok &= ZapisBmp(r + "/pozadie_203.bmp", KartacovanyKov(381, 318, {168, 124, 40, 1}, {246, 214, 128, 1}, 203));
    ok &= SkupinaIkon(r + "/ikona_101.ico", {256, 128, 64, 48, 32, 24, 16}, false);
    ok &= SkupinaIkon(r + "/ikona_102.ico", {128, 96, 72, 64, 48, 32, 24, 16}, false);
    ok &= SkupinaIkon(r + "/ikona_103.ico", {256, 128, 96, 72, 64, 48, 32, 24, 16}, true);
    ok &= Kurzor(r + "/kurzor_301.cur", KurzorSipka(1, 1, 0.75f, Plna(110, 170, 230)), 1, 1);
    ok &= Kurzor(r + "/kurzor_302.cur", KurzorSipka(4, 3, 1.0f, Plna(255, 255, 255)), 4, 3);
    ok &= Kurzor(r + "/kurzor_303.cur", KurzorKriz(11, 11), 11, 11);
    ok &= ZapisPng(t + "/win_plocha.png", TestovaciaPlocha());
    if (!ok) std::fprintf(stderr, "some file could not be written\n");
    return ok ? 0 : 1;
}
