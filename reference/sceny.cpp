// Test scenes for the search: drawing shapes on a desktop held in memory, and running the search.
#include "reference/sceny.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "reference/hladaj_objekty.h"
#include "search/hladanie.h"
#include "search/vysledky.h"

Scena NovaScena(int w, int h, COLORREF pozadie)
{
    Scena s;
    s.w = w;
    s.h = h;
    s.farby.assign((size_t)w * h, pozadie);
    return s;
}

void Bod(Scena* s, int x, int y, COLORREF c)
{
    if (x >= 0 && x < s->w && y >= 0 && y < s->h) s->farby[(size_t)y * s->w + x] = c;
}

void Obdlznik(Scena* s, int lavy, int horny, int pravy, int dolny, COLORREF c)
{
    for (int y = horny; y <= dolny; y++)
        for (int x = lavy; x <= pravy; x++) Bod(s, x, y, c);
}

void Kruh(Scena* s, int cx, int cy, int polomer, COLORREF c)
{
    for (int y = cy - polomer; y <= cy + polomer; y++)
        for (int x = cx - polomer; x <= cx + polomer; x++)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= polomer * polomer) Bod(s, x, y, c);
}

void Trojuholnik(Scena* s, int vrchol_x, int vrchol_y, int riadkov, COLORREF c)
{
    for (int k = 0; k < riadkov; k++) Obdlznik(s, vrchol_x - k, vrchol_y + k, vrchol_x + k, vrchol_y + k, c);
}

std::vector<unsigned char> Rgb(const Scena& s)
{
    std::vector<unsigned char> rgb;
    for (COLORREF c : s.farby) {
        rgb.push_back(GetRValue(c));
        rgb.push_back(GetGValue(c));
        rgb.push_back(GetBValue(c));
    }
    return rgb;
}

RECT Stvorcek(int w, int k)
{
    const int v_riadku = (w - 1) / 5;
    const int x = 1 + 5 * (k % v_riadku), y = 1 + 5 * (k / v_riadku);
    return RECT{x, y, x + 2, y + 2};
}

Scena Stvorceky(int w, int h, int pocet)
{
    Scena s = NovaScena(w, h);
    for (int k = 0; k < pocet; k++) {
        const RECT r = Stvorcek(w, k);
        Obdlznik(&s, r.left, r.top, r.right, r.bottom, kSeda);
    }
    return s;
}

static long long Strana(POINT a, POINT b, int x, int y)
{
    return (long long)(b.x - a.x) * (y - a.y) - (long long)(b.y - a.y) * (x - a.x);
}

void Trojuholnik(Scena* s, POINT a, POINT b, POINT c, COLORREF farba)
{
    int lavy = std::min({a.x, b.x, c.x}), pravy = std::max({a.x, b.x, c.x});
    int horny = std::min({a.y, b.y, c.y}), dolny = std::max({a.y, b.y, c.y});
    for (int y = horny; y <= dolny; y++)
        for (int x = lavy; x <= pravy; x++) {
            long long d1 = Strana(a, b, x, y), d2 = Strana(b, c, x, y), d3 = Strana(c, a, x, y);
            bool zaporna = d1 < 0 || d2 < 0 || d3 < 0, kladna = d1 > 0 || d2 > 0 || d3 > 0;
            if (!(zaporna && kladna)) Bod(s, x, y, farba);
        }
}

void Usecka(Scena* s, POINT a, POINT b, int hrubka, COLORREF c)
{
    int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int chyba = dx + dy;
    for (int x = a.x, y = a.y;;) {
        Obdlznik(s, x, y, x + hrubka - 1, y + hrubka - 1, c);
        if (x == b.x && y == b.y) break;
        int e2 = 2 * chyba;
        if (e2 >= dy) {
            chyba += dy;
            x += sx;
        }
        if (e2 <= dx) {
            chyba += dx;
            y += sy;
        }
    }
}

Najdene Hladaj(const Scena& s, RECT vylucene, int stupen, int min_velkost, int percento)
{
    Najdene n;
    n.pocet = HladajObjekty(s.w, s.h, s.farby.data(), vylucene, stupen, min_velkost, percento);
    n.centers.assign(centers, centers + n.pocet);
    n.objekty.assign(objekty, objekty + n.pocet);
    return n;
}

Zoznamy TerazZoznamy()
{
    return Zoznamy{centers, objekty, poloziek_dskt_point_pola, poloziek_dskt_rect_pola};
}

bool operator==(const Zoznamy& a, const Zoznamy& b)
{
    return a.centers == b.centers && a.objekty == b.objekty && a.bodov == b.bodov && a.obdlznikov == b.obdlznikov;
}

std::ostream& operator<<(std::ostream& os, const Zoznamy& z)
{
    return os << "centers " << z.centers << " (" << z.bodov << "), objekty " << z.objekty << " (" << z.obdlznikov
              << ')';
}

std::string AkoRiadky(const std::vector<POINT>& c, const std::vector<RECT>& o)
{
    std::ostringstream os;
    for (size_t k = 0; k < c.size() && k < o.size(); k++)
        os << c[k].x << ',' << c[k].y << ',' << o[k].left << ',' << o[k].top << ',' << o[k].right << ','
           << o[k].bottom << '\n';
    return os.str();
}

bool operator==(const POINT& a, const POINT& b)
{
    return a.x == b.x && a.y == b.y;
}

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& os, const POINT& p)
{
    return os << '(' << p.x << ", " << p.y << ')';
}

std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}
