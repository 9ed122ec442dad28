// The recording double of the drawing kit: records every call, draws nothing, returns rule-made extents.
#include "stubs/kit_zaznam.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "render/kit.h"

std::vector<Volanie> g_zaznam;
PravidloRozmeru g_zaznam_rozmer = ZaznamRozmerPodlaTextu;

static int s_platna = 0;
static SIZE s_pevny = {0, 0};

// A call of kind `druh` on `hdc` at (x, y); the caller fills in the rest and records it with Zapis.
static Volanie Nove(DruhVolania druh, HDC hdc, int x, int y)
{
    Volanie v = {};
    v.druh = druh;
    v.hdc = hdc;
    v.x = x;
    v.y = y;
    return v;
}

static void Zapis(const Volanie& v) { g_zaznam.push_back(v); }

// A text primitive: its text, its font, and the extent the rule gives, handed back in *rozmer.
static void Text(Volanie* v, SIZE* rozmer, const char* format, const char* text, int vyska, int hrube,
                 const char* pismo)
{
    v->format = format;
    v->text = text;
    v->vyska_pisma = vyska;
    v->hrube = hrube;
    v->pismo = pismo;
    v->rozmer = g_zaznam_rozmer(text, vyska, hrube, pismo);
    *rozmer = v->rozmer;
}

void ZaznamVymaz()
{
    g_zaznam.clear();
    g_zaznam_rozmer = ZaznamRozmerPodlaTextu;
    s_platna = 0;
}

SIZE ZaznamRozmerPodlaTextu(const char* text, int vyska_pisma, int hrube, const char* pismo)
{
    (void)pismo;
    SIZE r = {0, vyska_pisma != 0 ? std::abs(vyska_pisma) + 3 : 16};
    for (const unsigned char* p = (const unsigned char*)text; *p; ++p) r.cx += 3 + *p % 5 + (hrube == 1 ? 1 : 0);
    return r;
}

static SIZE Pevny(const char*, int, int, const char*) { return s_pevny; }

void ZaznamPevnyRozmer(int cx, int cy)
{
    s_pevny.cx = cx;
    s_pevny.cy = cy;
    g_zaznam_rozmer = Pevny;
}

HDC ZaznamPlatno(int n) { return (HDC)(uintptr_t)(0x7000 + 16 * n); }

void initscreen(HWND okno, HDC* platno, HBRUSH pozadie)
{
    *platno = ZaznamPlatno(++s_platna);
    Volanie v = Nove(VOLANIE_INITSCREEN, *platno, 0, 0);
    v.okno = okno;
    v.pozadie = pozadie;
    Zapis(v);
}

void Napis(HDC hdc, SIZE* rozmer, const char* format, int hodnota, int x, int y, COLORREF farba,
           int vyska, int hrube, int zvisle, const char* pismo)
{
    char text[100];
    snprintf(text, sizeof text, format, hodnota);
    Volanie v = Nove(VOLANIE_NAPIS, hdc, x, y);
    Text(&v, rozmer, format, text, vyska, hrube, pismo);
    v.hodnota = hodnota;
    v.farba = farba;
    v.zvisle = zvisle;
    Zapis(v);
}

void KlavesaMala(HDC hdc, SIZE* rozmer, const char* popis, int roh, int x, int y)
{
    Volanie v = Nove(VOLANIE_KLAVESA_MALA, hdc, x, y);
    Text(&v, rozmer, popis, popis, -9, 0, "Times New Roman");
    v.roh = roh;
    Zapis(v);
}

// The four arrow kinds follow the directions' order.
static_assert(VOLANIE_SIPKA_DOLE - VOLANIE_SIPKA_VPRAVO == SIPKA_DOLE - SIPKA_VPRAVO &&
                  VOLANIE_SIPKA_HORE - VOLANIE_SIPKA_VPRAVO == SIPKA_HORE - SIPKA_VPRAVO,
              "arrow kinds in the order of SmerSipky");
void Sipka(HDC hdc, int smer, int velkost, int x, int y)
{
    Volanie v = Nove((DruhVolania)(VOLANIE_SIPKA_VPRAVO + smer), hdc, x, y);
    v.velkost = velkost;
    Zapis(v);
}

void Okienko(HDC hdc, COLORREF obrys, COLORREF vypln, int roh, int x, int y, int sirka, int vyska)
{
    Volanie v = Nove(VOLANIE_OKIENKO, hdc, x, y);
    v.farba = obrys;
    v.vypln = vypln;
    v.roh = roh;
    v.sirka = sirka;
    v.vyska = vyska;
    Zapis(v);
}

void Usecka(HDC hdc, COLORREF farba, int hrubka, int x1, int y1, int x2, int y2)
{
    Volanie v = Nove(VOLANIE_USECKA, hdc, x1, y1);
    v.farba = farba;
    v.hrubka = hrubka;
    v.x2 = x2;
    v.y2 = y2;
    Zapis(v);
}

std::vector<Volanie> ZaznamDruhu(DruhVolania druh)
{
    std::vector<Volanie> vybrane;
    for (const Volanie& v : g_zaznam)
        if (v.druh == druh) vybrane.push_back(v);
    return vybrane;
}

const char* NazovDruhu(DruhVolania druh)
{
    static const char* const mena[] = {"initscreen", "Napis",    "KlavesaMala", "SipkaVpravo", "SipkaVlavo",
                                       "SipkaHore",  "SipkaDole", "Okienko",     "Usecka"};
    return mena[druh];
}

static std::string Citovane(const std::string& s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        char buf[8];
        if (c < 0x20 || c >= 0x7f || c == '"' || c == '\\') {
            snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        } else {
            out += (char)c;
        }
    }
    return out + "\"";
}

std::string ZaznamPopis(const Volanie& v)
{
    char buf[256];
    switch (v.druh) {
    case VOLANIE_INITSCREEN:
        snprintf(buf, sizeof buf, "(okno %p, pozadie %p) -> %p", (void*)v.okno, (void*)v.pozadie, (void*)v.hdc);
        break;
    case VOLANIE_NAPIS:
        snprintf(buf, sizeof buf, " %d at (%d, %d) colour %06x height %d bold %d vertical %d face %s -> %dx%d",
                 v.hodnota, v.x, v.y, (unsigned)v.farba, v.vyska_pisma, v.hrube, v.zvisle, v.pismo.c_str(),
                 (int)v.rozmer.cx, (int)v.rozmer.cy);
        return std::string("Napis ") + Citovane(v.format) + " -> " + Citovane(v.text) + buf;
    case VOLANIE_KLAVESA_MALA:
        snprintf(buf, sizeof buf, " corner %d at (%d, %d) -> %dx%d", v.roh, v.x, v.y, (int)v.rozmer.cx,
                 (int)v.rozmer.cy);
        return std::string("KlavesaMala ") + Citovane(v.text) + buf;
    case VOLANIE_OKIENKO:
        snprintf(buf, sizeof buf, "(%06x, %06x, corner %d, %d, %d, %d x %d)", (unsigned)v.farba, (unsigned)v.vypln,
                 v.roh, v.x, v.y, v.sirka, v.vyska);
        break;
    case VOLANIE_USECKA:
        snprintf(buf, sizeof buf, "(%06x, width %d, %d, %d -> %d, %d)", (unsigned)v.farba, v.hrubka, v.x, v.y, v.x2,
                 v.y2);
        break;
    default:
        snprintf(buf, sizeof buf, "(size %d, %d, %d)", v.velkost, v.x, v.y);
        break;
    }
    return std::string(NazovDruhu(v.druh)) + buf;
}

void PrintTo(const Volanie& v, std::ostream* os) { *os << ZaznamPopis(v); }
