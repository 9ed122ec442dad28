// The monitors of the live desktop: naming one, the one under a point, the results moved into the
// desktop's coordinates and kept for the monitors asked for.
#include "scan/plocha.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scan/scan_beh.h"

int CitajMonitor(const char* text, const std::vector<Monitor>& m, int* vybrany, char* chyba, size_t miesto)
{
    const int n = (int)m.size();
    if (strcmp(text, "all") == 0) {
        *vybrany = 0;
        return 1;
    }
    for (int k = 0; k < n; k++)
        if (m[k].meno == text || (strcmp(text, "primary") == 0 && m[k].primarny)) {
            *vybrany = k + 1;
            return 1;
        }
    // A number counts only whole, with nothing around it.
    char* koniec = nullptr;
    const long cislo = text[0] >= '0' && text[0] <= '9' ? strtol(text, &koniec, 10) : 0;
    if (koniec && *koniec == '\0' && cislo >= 1 && cislo <= n) {
        *vybrany = (int)cislo;
        return 1;
    }
    if (strcmp(text, "primary") == 0 && n > 0) {
        *vybrany = 1;  // no monitor marked primary: the platform's first
        return 1;
    }
    std::string mena;
    for (const Monitor& k : m) mena += (mena.empty() ? "" : ", ") + k.meno;
    snprintf(chyba, miesto, "screen: no monitor '%s' (the desktop has %d: %s)", text, n, mena.c_str());
    return 0;
}

static LONG Posun(LONG a, int o)
{
    const long long v = (long long)a - o;
    return (LONG)(v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v);
}

RECT VObraze(RECT r, const Plocha& p)
{
    return RECT{Posun(r.left, p.x), Posun(r.top, p.y), Posun(r.right, p.x), Posun(r.bottom, p.y)};
}

int MonitorBodu(const std::vector<Monitor>& m, int x, int y)
{
    int najblizsi = 0;
    long long najmenej = LLONG_MAX;
    // The distance outside [od, od + dlzka) along one axis, 0 inside.
    auto mimo = [](int a, int od, int dlzka) -> long long {
        return a < od ? (long long)od - a : a >= od + dlzka ? (long long)a - od - dlzka + 1 : 0;
    };
    for (size_t k = 0; k < m.size(); k++) {
        const long long dx = mimo(x, m[k].x, m[k].sirka), dy = mimo(y, m[k].y, m[k].vyska);
        const long long d = dx * dx + dy * dy;
        if (d < najmenej) {
            najmenej = d;
            najblizsi = (int)k + 1;
        }
    }
    return najblizsi;
}

int NaPlochu(StavHladania* stav, int pocet, const Plocha& plocha, int vybrany, std::vector<int>* monitor)
{
    monitor->clear();
    int kept = 0;
    for (int k = 0; k < pocet; k++) {
        POINT c = stav->centers[k];
        RECT r = stav->objekty[k];
        c.x += plocha.x, c.y += plocha.y;
        r.left += plocha.x, r.right += plocha.x, r.top += plocha.y, r.bottom += plocha.y;
        const int na = MonitorBodu(plocha.monitory, (int)c.x, (int)c.y);
        if (vybrany != 0 && na != vybrany) continue;
        stav->centers[kept] = c;
        stav->objekty[kept] = r;
        stav->bodov[kept] = stav->bodov[k];
        monitor->push_back(na);
        kept++;
    }
    return kept;
}

std::string RiadkyMonitorov(const std::vector<Monitor>& m)
{
    std::string s;
    for (size_t k = 0; k < m.size(); k++) {
        std::string meno = "\"";
        for (const char* p = m[k].meno.c_str(); *p; p++) {
            const unsigned char z = (unsigned char)*p;
            char esc[8];
            if (z == '"' || z == '\\') meno += '\\', meno += (char)z;
            else if (z < 0x20) snprintf(esc, sizeof esc, "\\u%04x", z), meno += esc;
            else meno += (char)z;
        }
        char cisla[256];
        snprintf(cisla, sizeof cisla, "\"x\": %d, \"y\": %d, \"width\": %d, \"height\": %d, \"scale\": %g}\n", m[k].x,
                 m[k].y, m[k].sirka, m[k].vyska, m[k].mierka);
        s += "{\"monitor\": " + std::to_string(k + 1) + ", \"name\": " + meno + "\", \"primary\": " +
             (m[k].primarny ? "true" : "false") + ", " + cisla;
    }
    return s;
}

int VypisMonitory(const char* sposob, FILE* out, FILE* err)
{
    Plocha p;
    char chyba[1024];
    if (!ZistiMonitory(sposob, &p, chyba, sizeof chyba)) {
        fputs(RiadokChyby(chyba).c_str(), err);
        return 2;
    }
    const std::string riadky = RiadkyMonitorov(p.monitory);
    fwrite(riadky.data(), 1, riadky.size(), out);
    if (fflush(out) == 0 && !ferror(out)) return 0;
    fputs(RiadokChyby("cannot write standard output").c_str(), err);
    return 2;
}

int VyberMonitor(const char* monitor, StavHladania* stav, int pocet, const Plocha& plocha, std::vector<int>* monitory,
                 char* chyba, size_t miesto)
{
    int vybrany = 0;
    if (monitor && !CitajMonitor(monitor, plocha.monitory, &vybrany, chyba, miesto)) return -1;
    return NaPlochu(stav, pocet, plocha, vybrany, monitory);
}

int HladajNaMonitore(const ScanVolby& v, StavHladania* stav, Plocha* plocha, std::vector<int>* monitory, char* chyba,
                     size_t miesto)
{
    const int pocet =
        HladajNaPloche(v.sposob, stav, v.vylucene, v.stupen, v.min_velkost, v.percento, plocha, chyba, miesto);
    return pocet < 0 ? pocet : VyberMonitor(v.monitor, stav, pocet, *plocha, monitory, chyba, miesto);
}
