// The recording double of the drawing kit: records every call, draws nothing, returns rule-made extents.
#include "tests/kit_zaznam.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "render/kit.h"

std::vector<Volanie> g_zaznam;
PravidloRozmeru g_zaznam_rozmer = ZaznamRozmerPodlaTextu;

static int s_platna = 0;
static SIZE s_pevny = {0, 0};

static Volanie Nove(DruhVolania druh, HDC hdc)
{
    Volanie v = {};
    v.druh = druh;
    v.hdc = hdc;
    return v;
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
    Volanie v = Nove(VOLANIE_INITSCREEN, *platno);
    v.okno = okno;
    v.pozadie = pozadie;
    g_zaznam.push_back(v);
}

void Napis(HDC hdc, SIZE* rozmer, const char* format, int hodnota, int x, int y, COLORREF farba,
           int vyska, int hrube, int zvisle, const char* pismo)
{
    char text[100];
    snprintf(text, sizeof text, format, hodnota);
    Volanie v = Nove(VOLANIE_NAPIS, hdc);
    v.format = format;
    v.text = text;
    v.hodnota = hodnota;
    v.x = x;
    v.y = y;
    v.farba = farba;
    v.vyska_pisma = vyska;
    v.hrube = hrube;
    v.zvisle = zvisle;
    v.pismo = pismo;
    v.rozmer = g_zaznam_rozmer(text, vyska, hrube, pismo);
    *rozmer = v.rozmer;
    g_zaznam.push_back(v);
}

void KlavesaMala(HDC hdc, SIZE* rozmer, const char* popis, int roh, int x, int y)
{
    Volanie v = Nove(VOLANIE_KLAVESA_MALA, hdc);
    v.format = popis;
    v.text = popis;
    v.roh = roh;
    v.x = x;
    v.y = y;
    v.vyska_pisma = -9;
    v.pismo = "Times New Roman";
    v.rozmer = g_zaznam_rozmer(popis, -9, 0, "Times New Roman");
    *rozmer = v.rozmer;
    g_zaznam.push_back(v);
}

static void Sipka(DruhVolania druh, HDC hdc, int velkost, int x, int y)
{
    Volanie v = Nove(druh, hdc);
    v.velkost = velkost;
    v.x = x;
    v.y = y;
    g_zaznam.push_back(v);
}

void SipkaVpravo(HDC hdc, int velkost, int x, int y) { Sipka(VOLANIE_SIPKA_VPRAVO, hdc, velkost, x, y); }
void SipkaVlavo(HDC hdc, int velkost, int x, int y) { Sipka(VOLANIE_SIPKA_VLAVO, hdc, velkost, x, y); }
void SipkaHore(HDC hdc, int velkost, int x, int y) { Sipka(VOLANIE_SIPKA_HORE, hdc, velkost, x, y); }
void SipkaDole(HDC hdc, int velkost, int x, int y) { Sipka(VOLANIE_SIPKA_DOLE, hdc, velkost, x, y); }

void Okienko(HDC hdc, COLORREF obrys, COLORREF vypln, int roh, int x, int y, int sirka, int vyska)
{
    Volanie v = Nove(VOLANIE_OKIENKO, hdc);
    v.farba = obrys;
    v.vypln = vypln;
    v.roh = roh;
    v.x = x;
    v.y = y;
    v.sirka = sirka;
    v.vyska = vyska;
    g_zaznam.push_back(v);
}

void Usecka(HDC hdc, COLORREF farba, int hrubka, int x1, int y1, int x2, int y2)
{
    Volanie v = Nove(VOLANIE_USECKA, hdc);
    v.farba = farba;
    v.hrubka = hrubka;
    v.x = x1;
    v.y = y1;
    v.x2 = x2;
    v.y2 = y2;
    g_zaznam.push_back(v);
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
