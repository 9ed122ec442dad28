// zentrivo-scan's run: reads and searches the images on a few threads, each with a search state of
// its own, and prints what each gave in argument order as soon as the images before it are done.
#include "scan/scan_beh.h"

#include <atomic>
#include <cstdarg>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "search/hladanie.h"
#include "scan/scan_citanie.h"
#include "scan/scan_json.h"
#include "scan/plocha.h"
#include "scan/scan_obraz.h"
#include "scan/scan_pamat.h"
#include "scan/scan_platforma.h"
#include "scan/scan_sledovanie.h"
#include "search/stredy_subor.h"

namespace {

struct Spracovany {
    std::string vystup;    // the lines for standard output
    std::string hlasenie;  // the lines for standard error: timings, the failure
    bool zlyhal = false;
    bool nenaslo = false;  // --until ran out of time
    std::vector<int> monitor;  // with --screen: the monitor of each object
    const char* sposob = "";   // and how the screen was read
};

double Ms(std::chrono::steady_clock::time_point od)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - od).count();
}

void Pridaj(std::string* s, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Pridaj(std::string* s, const char* format, ...)
{
    char riadok[512];
    va_list a, b;
    va_start(a, format);
    va_copy(b, a);
    const int dlzka = vsnprintf(riadok, sizeof riadok, format, a);
    if (dlzka >= (int)sizeof riadok) {
        // A long file name: formatted again into a block of its length.
        std::string dlhy((size_t)dlzka + 1, '\0');
        vsnprintf(&dlhy[0], dlhy.size(), format, b);
        dlhy.resize((size_t)dlzka);
        *s += dlhy;
    } else if (dlzka > 0) {
        *s += riadok;
    }
    va_end(b);
    va_end(a);
}

// The text with its control characters written escaped (\n, \x1B), so that it stays on one line.
std::string BezRiadiacich(const char* text)
{
    std::string s;
    for (const char* p = text; *p; p++) {
        const unsigned char z = (unsigned char)*p;
        if (z == '\n') s += "\\n";
        else if (z == '\t') s += "\\t";
        else if (z == '\r') s += "\\r";
        else if (z < 0x20 || z == 0x7F) Pridaj(&s, "\\x%02X", z);
        else s += (char)z;
    }
    return s;
}

// Standard input's bytes, read once and kept for another try of its image.
struct Vstup {
    unsigned char* data = nullptr;
    size_t dlzka = 0;
};

// The image `meno` as colour values: standard input or a file.
COLORREF* Citaj(const ScanVolby& v, const char* meno, FILE* vstup, Vstup* vstupne, int* w, int* h, char* chyba,
                size_t miesto)
{
    if (strcmp(meno, "-") != 0) return CitajObrazSuboru(meno, v.max_pixelov, v.max_bajtov, w, h, chyba, miesto);
    if (!vstupne->data) {
        vstupne->data = CitajBajtyObrazu(vstup, "standard input", v.max_pixelov, v.max_bajtov, &vstupne->dlzka, chyba,
                                         miesto);
        if (!vstupne->data) return nullptr;
    }
    return CitajObrazZPamate(vstupne->data, vstupne->dlzka, "standard input", v.max_pixelov, w, h, chyba, miesto);
}

// Reads and searches the image `meno`; -1 with the reason in chyba, and in *bez_pamate whether
// memory was what it lacked (the reading's message says so right after the name).
int HladajVObraze(const ScanVolby& v, const char* meno, FILE* vstup, Vstup* vstupne, StavHladania* stav, int* w,
                  int* h, double* ms, char* chyba, size_t miesto, bool* bez_pamate)
{
    COLORREF* farby = Citaj(v, meno, vstup, vstupne, w, h, chyba, miesto);
    if (!farby) {
        const size_t za_menom = strlen(strcmp(meno, "-") == 0 ? "standard input" : meno) + 2;
        *bez_pamate = strlen(chyba) > za_menom && strncmp(chyba + za_menom, "not enough memory", 17) == 0;
        return -1;
    }
    const auto hladanie = std::chrono::steady_clock::now();
    const int pocet = HladajSoStavom(stav, *w, *h, farby, v.vylucene, v.stupen, v.min_velkost, v.percento);
    *ms = Ms(hladanie);
    free(farby);
    *bez_pamate = pocet < 0;
    if (pocet < 0) snprintf(chyba, miesto, "%s: not enough memory to search a %d x %d image", meno, *w, *h);
    return pocet;
}

void Zlyhal(Spracovany* s, const char* chyba)
{
    s->hlasenie += RiadokChyby(chyba);
    s->zlyhal = true;
}

// Reads and searches one image, the screen with --screen; its lines start with `predpona`. An image
// that lacks memory while other threads hold theirs is tried again once they are done. Returns the
// count kept, or -1 with the failure line in s.
int Najdi(const ScanVolby& v, const char* meno, const std::string& predpona, FILE* vstup, PamatVlakien* pamat,
          StavHladania* stav, Spracovany* s)
{
    char chyba[1024];
    int w = 0, h = 0, pocet;
    const auto zaciatok = std::chrono::steady_clock::now();
    if (v.obrazovka) {
        // The screen is searched as it is read.
        Plocha p;
        pocet = v.az > 0 ? CakajNaObjekty(v, stav, &p, &s->monitor, chyba, sizeof chyba)
                         : HladajNaMonitore(v, stav, &p, &s->monitor, chyba, sizeof chyba);
        if (pocet == kVyprsalo) {
            s->nenaslo = true;
            return -1;
        }
        s->sposob = p.sposob;
        if (pocet >= 0 && v.cas)
            Pridaj(&s->hlasenie, "screen: %.3f ms, read and searched (%s, %d x %d)\n", Ms(zaciatok), p.sposob, p.w,
                   p.h);
    } else {
        Vstup vstupne;
        double ms = 0;
        bool bez_pamate = false;
        for (;;) {
            pocet = HladajVObraze(v, meno, vstup, &vstupne, stav, &w, &h, &ms, chyba, sizeof chyba, &bez_pamate);
            // Standard input that could not be read whole is gone: no other try.
            if (pocet >= 0 || !bez_pamate || (strcmp(meno, "-") == 0 && !vstupne.data)) break;
            if (!PockajNaPamat(pamat, stav)) break;
        }
        free(vstupne.data);
        if (pocet >= 0 && v.cas) {
            const std::string pred = predpona.empty() ? "" : BezRiadiacich(predpona.c_str()) + " ";
            Pridaj(&s->hlasenie, "%ssearch: %.3f ms\n", pred.c_str(), ms);
        }
    }
    if (pocet < 0) Zlyhal(s, chyba);
    return pocet;
}

// Reads and searches one image and writes its lines (and the centres file).
void SpracujJeden(const ScanVolby& v, const char* meno, const std::string& predpona, FILE* vstup,
                  PamatVlakien* pamat, StavHladania* stav, Spracovany* s)
{
    const int pocet = Najdi(v, meno, predpona, vstup, pamat, stav, s);
    if (pocet < 0) return;
    // The lines are printed whether or not the centres file could be written.
    if (v.vystup && PointPoleDoTxt(UzkeMeno(v.vystup).c_str(), stav->centers, pocet) != 0)
        Zlyhal(s, (std::string(v.vystup) + ": cannot write the centres file").c_str());

    const std::string json_meno = v.json ? JsonMenoObrazu(meno) : "";
    for (int k = 0; k < pocet; k++) {
        const POINT& c = stav->centers[k];
        const RECT& r = stav->objekty[k];
        // The screen's lines also say the object's monitor and how the screen was read.
        const std::string plocha = v.obrazovka ? ", \"monitor\": " + std::to_string(s->monitor[k]) +
                                                     ", \"capture\": \"" + s->sposob + "\""
                                               : "";
        if (v.json)
            Pridaj(&s->vystup,
                   "{%s, \"x\": %d, \"y\": %d, \"left\": %d, \"top\": %d, \"right\": %d, \"bottom\": %d, "
                   "\"pixels\": %lld%s}\n",
                   json_meno.c_str(), (int)c.x, (int)c.y, (int)r.left, (int)r.top, (int)r.right, (int)r.bottom,
                   stav->bodov[k], plocha.c_str());
        else if (v.obdlzniky)
            Pridaj(&s->vystup, "%s%d,%d,%d,%d,%d,%d\n", predpona.c_str(), (int)c.x, (int)c.y, (int)r.left,
                   (int)r.top, (int)r.right, (int)r.bottom);
        else
            Pridaj(&s->vystup, "%s%d,%d\n", predpona.c_str(), (int)c.x, (int)c.y);
    }
}

// Starts one more thread running `pracuj`; false when none can be had (no memory for its stack, the
// process's limit on threads). std::thread tells of that only by throwing: the one exception caught.
template <class Praca>
bool SpustiVlakno(std::vector<std::thread>* vlakna, Praca& pracuj)
{
    try {
        vlakna->emplace_back(pracuj);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

std::string RiadokChyby(const char* text)
{
    return TextPreVystup("zentrivo-scan: " + BezRiadiacich(text) + "\n", stderr);
}

int SpracujObrazy(const ScanVolby& v, FILE* vstup, FILE* out, FILE* err)
{
    if (v.sledovat) return SledujObrazovku(v, out, err);
    if (v.monitory) return VypisMonitory(v.sposob, out, err);
    // The centres file may not overwrite the image it comes from (--out takes one image only), nor
    // the file standard input reads it from.
    if (v.vystup && !v.obrazovka && v.obrazy.size() == 1 &&
        (strcmp(v.obrazy[0], "-") == 0 ? JeToVstup(v.vystup, vstup) : TenIstySubor(v.vystup, v.obrazy[0]))) {
        std::string chyba = std::string(v.vystup) + ": --out names the image itself, which the centres would overwrite";
        fputs(RiadokChyby(chyba.c_str()).c_str(), err);
        return 2;
    }
    const std::vector<const char*> mena = v.obrazovka ? std::vector<const char*>{"screen"} : v.obrazy;
    const size_t n = mena.size();
    // With several images each line names its image, as grep names the file.
    const bool s_menom = n > 1 && !v.json;
    std::vector<Spracovany> vysledky(n);
    std::vector<char> hotove(n, 0);
    std::mutex zamok;
    std::condition_variable dokoncene;
    std::atomic<size_t> dalsi(0);

    PamatVlakien pamat;

    auto pracuj = [&]() {
        StavHladania stav = {};
        stav.vyber = VyberBodov{v.farebne, v.farba, v.tolerancia};
        for (size_t k; (k = dalsi++) < n;) {
            ZacniObraz(&pamat, &stav);
            SpracujJeden(v, mena[k], s_menom ? TextPreVystup(mena[k], out) + ":" : std::string(), vstup, &pamat, &stav,
                         &vysledky[k]);
            SkonciObraz(&pamat);
            std::lock_guard<std::mutex> z(zamok);
            hotove[k] = 1;
            dokoncene.notify_all();
        }
        UvolniStav(&stav);
        SkonciVlakno(&pamat);
    };

    size_t vlakien = v.vlakna > 0 ? (size_t)v.vlakna : std::thread::hardware_concurrency();
    if (vlakien == 0) vlakien = 1;
    if (vlakien > n) vlakien = n;
    std::vector<std::thread> vlakna;
    while (vlakien > 1 && vlakna.size() < vlakien) {
        ZacniVlakno(&pamat);
        if (!SpustiVlakno(&vlakna, pracuj)) {
            SkonciVlakno(&pamat);
            break;  // the threads started go on with every image
        }
    }
    if (vlakna.empty()) {
        ZacniVlakno(&pamat);
        pracuj();  // one image, -j 1, or no thread to be had: this one alone
    }

    bool zlyhanie = false, nenaslo = false;
    for (size_t k = 0; k < n; k++) {
        {
            std::unique_lock<std::mutex> z(zamok);
            dokoncene.wait(z, [&] { return hotove[k] != 0; });
        }
        Spracovany& s = vysledky[k];
        fwrite(s.vystup.data(), 1, s.vystup.size(), out);
        // Standard output first, so that a terminal shows an image's lines before its timing.
        fflush(out);
        fwrite(s.hlasenie.data(), 1, s.hlasenie.size(), err);
        zlyhanie = zlyhanie || s.zlyhal;
        nenaslo = nenaslo || s.nenaslo;
        s = Spracovany();
    }
    for (std::thread& t : vlakna) t.join();
    if (fflush(out) != 0 || ferror(out)) {
        fputs(RiadokChyby("cannot write standard output").c_str(), err);
        return 2;
    }
    return zlyhanie ? 2 : nenaslo ? 1 : 0;
}
