// --watch and --until: the screen searched now and again after each change the platform reports,
// no sooner than --interval after the search before; the watch prints the objects that appeared and
// vanished, the wait ends when enough are kept.
#include "scan/scan_sledovanie.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <string>
#include <vector>

#include "scan/scan_beh.h"
#include "scan/scan_platforma.h"
#include "scan/sledovanie_platforma.h"

namespace {

typedef std::chrono::steady_clock Hodiny;

long long MsOd(Hodiny::time_point od)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Hodiny::now() - od).count();
}

// One object as the watch tells it apart: the same while its rectangle and pixel count are.
struct Objekt {
    POINT stred;
    RECT r;
    long long bodov;
    int monitor;  // the monitor holding its centre
};

bool Mensi(const Objekt& a, const Objekt& b)
{
    if (a.r.left != b.r.left) return a.r.left < b.r.left;
    if (a.r.top != b.r.top) return a.r.top < b.r.top;
    if (a.r.right != b.r.right) return a.r.right < b.r.right;
    if (a.r.bottom != b.r.bottom) return a.r.bottom < b.r.bottom;
    return a.bodov < b.bodov;
}

std::vector<Objekt> Objekty(const StavHladania& stav, int pocet, const std::vector<int>& monitory)
{
    std::vector<Objekt> o((size_t)pocet);
    for (int k = 0; k < pocet; k++)
        o[(size_t)k] = Objekt{stav.centers[k], stav.objekty[k], stav.bodov[k], monitory[(size_t)k]};
    return o;
}

// The positions in a, in a's order, of the objects that b lacks: each object of b stands for one of
// a's at most, so that two alike are two.
std::vector<size_t> Chybajuce(const std::vector<Objekt>& a, std::vector<Objekt> b)
{
    std::vector<size_t> poradie(a.size());
    for (size_t k = 0; k < a.size(); k++) poradie[k] = k;
    std::stable_sort(poradie.begin(), poradie.end(), [&a](size_t x, size_t y) { return Mensi(a[x], a[y]); });
    std::sort(b.begin(), b.end(), Mensi);
    std::vector<size_t> chyba;
    size_t j = 0;
    for (size_t k : poradie) {
        while (j < b.size() && Mensi(b[j], a[k])) j++;
        if (j < b.size() && !Mensi(a[k], b[j])) j++;
        else chyba.push_back(k);
    }
    std::sort(chyba.begin(), chyba.end());
    return chyba;
}

std::string Riadok(const ScanVolby& v, bool objavil, const Objekt& o, long long cas, const char* sposob)
{
    char riadok[400];
    const RECT& r = o.r;
    if (v.json)
        snprintf(riadok, sizeof riadok,
                 "{\"event\": \"%s\", \"time\": %lld, \"image\": \"screen\", \"x\": %d, \"y\": %d, \"left\": %d, "
                 "\"top\": %d, \"right\": %d, \"bottom\": %d, \"pixels\": %lld, \"monitor\": %d, \"capture\": \"%s\"}\n",
                 objavil ? "appeared" : "vanished", cas, (int)o.stred.x, (int)o.stred.y, (int)r.left, (int)r.top,
                 (int)r.right, (int)r.bottom, o.bodov, o.monitor, sposob);
    else if (v.obdlzniky)
        snprintf(riadok, sizeof riadok, "%c%d,%d,%d,%d,%d,%d\n", objavil ? '+' : '-', (int)o.stred.x, (int)o.stred.y,
                 (int)r.left, (int)r.top, (int)r.right, (int)r.bottom);
    else
        snprintf(riadok, sizeof riadok, "%c%d,%d\n", objavil ? '+' : '-', (int)o.stred.x, (int)o.stred.y);
    return riadok;
}

// Waits for the next search: a change of the screen, and --interval after the search that began at
// `posledne`. 1 search now, 0 the time ran out (at `koniec` when `s_limitom`), -1 stopped.
int CakajNaHladanie(const ScanVolby& v, bool s_limitom, Hodiny::time_point koniec, Hodiny::time_point posledne)
{
    auto zostava = [&]() {
        const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(koniec - Hodiny::now()).count();
        return ms > 0 ? ms : 0;
    };
    const int zmena = CakajNaZmenu(s_limitom ? zostava() : -1);
    if (zmena <= 0) return zmena;
    const long long interval = v.interval_ms >= 0 ? v.interval_ms : PredvolenyInterval();
    const long long pauza = interval - MsOd(posledne);
    if (pauza <= 0) return 1;
    if (s_limitom && pauza >= zostava()) return Spi(zostava()) ? 0 : -1;
    return Spi(pauza) ? 1 : -1;
}

// Standard output written and flushed: 1; 0 when it is closed (a pipe whose reader left), -1 on
// another failure.
int Zapis(const std::string& text, FILE* out)
{
    errno = 0;
    if (fwrite(text.data(), 1, text.size(), out) == text.size() && fflush(out) == 0) return 1;
    return errno == EPIPE ? 0 : -1;
}

}  // namespace

int SledujObrazovku(const ScanVolby& v, FILE* out, FILE* err)
{
    ZacniZmeny(fileno(out), v.sposob);
    const Hodiny::time_point zaciatok = Hodiny::now();
    const Hodiny::time_point koniec = zaciatok + std::chrono::milliseconds(v.limit_ms > 0 ? v.limit_ms : 0);
    StavHladania stav = {};
    stav.vyber = VyberBodov{v.farebne, v.farba, v.tolerancia};
    std::vector<Objekt> predosle;
    Hodiny::time_point posledne = zaciatok;
    int kod = 0;
    for (bool prve = true;; prve = false) {
        if (!prve && CakajNaHladanie(v, v.limit_ms >= 0, koniec, posledne) <= 0) break;
        posledne = Hodiny::now();
        const long long cas = MsOd(zaciatok);
        char chyba[1024];
        Plocha p;
        std::vector<int> monitory;
        int pocet = HladajZmenenu(v.sposob, &stav, v.vylucene, v.stupen, v.min_velkost, v.percento, &p, chyba,
                                  sizeof chyba);
        if (pocet == kNezmenene) continue;
        if (pocet >= 0) pocet = VyberMonitor(v.monitor, &stav, pocet, p, &monitory, chyba, sizeof chyba);
        if (pocet < 0) {
            fputs(RiadokChyby(chyba).c_str(), err);
            kod = 2;
            break;
        }
        if (v.cas)
            fprintf(err, "screen: %.3f ms, read and searched (%s, %d x %d)\n",
                    std::chrono::duration<double, std::milli>(Hodiny::now() - posledne).count(), p.sposob, p.w, p.h);
        std::vector<Objekt> teraz = Objekty(stav, pocet, monitory);
        std::string text;
        for (size_t k : Chybajuce(predosle, teraz)) text += Riadok(v, false, predosle[k], cas, p.sposob);
        for (size_t k : Chybajuce(teraz, predosle)) text += Riadok(v, true, teraz[k], cas, p.sposob);
        predosle.swap(teraz);
        const int zapisane = text.empty() ? 1 : Zapis(text, out);
        if (zapisane <= 0) {
            if (zapisane < 0) fputs(RiadokChyby("cannot write standard output").c_str(), err);
            kod = zapisane < 0 ? 2 : 0;
            break;
        }
        if (v.limit_ms == 0) break;
    }
    SkonciZmeny();
    UvolniStav(&stav);
    return kod;
}

int CakajNaObjekty(const ScanVolby& v, StavHladania* stav, Plocha* plocha, std::vector<int>* monitory, char* chyba,
                   size_t miesto)
{
    ZacniZmeny(-1, v.sposob);
    const Hodiny::time_point koniec = Hodiny::now() + std::chrono::milliseconds(v.limit_ms > 0 ? v.limit_ms : 0);
    int pocet = kVyprsalo;
    for (;;) {
        const Hodiny::time_point posledne = Hodiny::now();
        pocet = HladajZmenenu(v.sposob, stav, v.vylucene, v.stupen, v.min_velkost, v.percento, plocha, chyba, miesto);
        if (pocet >= 0) pocet = VyberMonitor(v.monitor, stav, pocet, *plocha, monitory, chyba, miesto);
        if (pocet < 0 && pocet != kNezmenene) break;
        if (pocet >= v.az) break;
        if (v.limit_ms == 0 || CakajNaHladanie(v, v.limit_ms >= 0, koniec, posledne) <= 0) {
            pocet = kVyprsalo;
            break;
        }
    }
    SkonciZmeny();
    return pocet;
}
