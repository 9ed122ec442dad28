// Reading an image from a file or a stream: the header from the first bytes, the pixel limit, then
// only as many bytes as an image of that size can take, so that an endless stream costs nothing.
#include "scan/scan_citanie.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "scan/scan_formaty.h"
#include "scan/scan_obraz.h"
#include "scan/scan_platforma.h"

namespace {

const size_t kPrvyKus = 64 << 10;  // the first read: every header but a JPEG's or a commented PPM's

struct Citanie {
    unsigned char* data;
    size_t dlzka, miest;
    bool koniec;   // the stream ended (or failed)
    bool zlyhalo;  // ferror
};

// Reads on until the data hold `az` bytes or the stream ends; 0 when memory runs out.
int Docitaj(FILE* f, Citanie* c, unsigned long long az)
{
    if (az > SIZE_MAX) az = SIZE_MAX;
    if (az > c->miest) {
        unsigned char* vacsie = (unsigned char*)realloc(c->data, (size_t)az);
        if (!vacsie) return 0;
        c->data = vacsie;
        c->miest = (size_t)az;
    }
    if (!c->koniec && c->dlzka < az) {
        // fread comes back short only at the end or on an error.
        c->dlzka += fread(c->data + c->dlzka, 1, (size_t)az - c->dlzka, f);
        if (c->dlzka < az) {
            c->koniec = true;
            c->zlyhalo = ferror(f) != 0;
        }
    }
    return 1;
}

// The chyba of a failed read: out of memory, or the system's reason.
int ZlyhaloCitanie(const Citanie& c, const char* meno, char* chyba, size_t miesto)
{
    if (c.zlyhalo)
        snprintf(chyba, miesto, "%s: %s", meno, strerror(errno));
    else
        snprintf(chyba, miesto, "%s: not enough memory to read the file", meno);
    return 0;
}

// Reads the whole image into c, no more than its header allows; 0 with the one-line reason.
int Nacitaj(FILE* f, Citanie* c, const char* meno, long long max_pixelov, long long max_bajtov, char* chyba,
            size_t miesto)
{
    const long long zostava = ZostavaVSubore(f);  // -1: a pipe, a device, a terminal
    const unsigned long long strop = max_bajtov > 0 ? (unsigned long long)max_bajtov : kPriestorPriloh;
    HlavickaObrazu hl = {};
    char dovod[256] = "";
    int hlavicka = 0;
    unsigned long long az = kPrvyKus < strop + 1 ? kPrvyKus : strop + 1;
    if (zostava >= 0 && (unsigned long long)zostava + 1 < az) az = (unsigned long long)zostava + 1;
    // The header: more of the stream only while its walk meets the end of what was read.
    for (;;) {
        if (!Docitaj(f, c, az) || c->zlyhalo) return ZlyhaloCitanie(*c, meno, chyba, miesto);
        hlavicka = CitajHlavicku(c->data, c->dlzka, &hl, dovod, sizeof dovod);
        if (c->koniec || !hl.malo) break;
        if (c->dlzka > strop) {
            snprintf(chyba, miesto, "%s: the %s header goes on past %llu bytes (--max-bytes sets another)", meno,
                     hl.nazov, strop);
            return 0;
        }
        az = 2 * az < strop + 1 ? 2 * az : strop + 1;
    }
    if (!hlavicka) {
        snprintf(chyba, miesto, "%s: %s", meno, dovod);
        return 0;
    }
    if (!SkontrolujRozmer(hl, meno, max_pixelov, chyba, miesto)) return 0;
    // Then the rest, up to the most that image can take: a regular file in one read of its size.
    const unsigned long long najviac = max_bajtov > 0 ? (unsigned long long)max_bajtov : hl.najviac;
    for (;;) {
        if (c->dlzka > najviac || (zostava >= 0 && (unsigned long long)zostava > najviac)) {
            if (max_bajtov > 0)
                snprintf(chyba, miesto, "%s: the data goes on past the %lld bytes --max-bytes allows", meno,
                         max_bajtov);
            else
                snprintf(chyba, miesto,
                         "%s: the data goes on past what a %lld \xC3\x97 %lld image can hold (--max-bytes sets another)",
                         meno, hl.w, hl.h);
            return 0;
        }
        if (c->koniec) return 1;
        const unsigned long long dalej = zostava >= 0 && (unsigned long long)zostava >= c->dlzka
                                             ? (unsigned long long)zostava + 1
                                             : 2 * (unsigned long long)c->miest;
        if (!Docitaj(f, c, dalej < najviac + 1 ? dalej : najviac + 1) || c->zlyhalo)
            return ZlyhaloCitanie(*c, meno, chyba, miesto);
    }
}

}  // namespace

unsigned char* CitajBajtyObrazu(FILE* f, const char* meno, long long max_pixelov, long long max_bajtov, size_t* dlzka,
                                char* chyba, size_t miesto)
{
    Citanie c = {};
    if (!Nacitaj(f, &c, meno, max_pixelov, max_bajtov, chyba, miesto)) {
        free(c.data);
        return nullptr;
    }
    *dlzka = c.dlzka;
    return c.data;
}

COLORREF* CitajObrazZPrudu(FILE* f, const char* meno, long long max_pixelov, long long max_bajtov, int* w, int* h,
                           char* chyba, size_t miesto)
{
    size_t dlzka = 0;
    unsigned char* data = CitajBajtyObrazu(f, meno, max_pixelov, max_bajtov, &dlzka, chyba, miesto);
    COLORREF* farby = data ? CitajObrazZPamate(data, dlzka, meno, max_pixelov, w, h, chyba, miesto) : nullptr;
    free(data);
    return farby;
}

COLORREF* CitajObrazSuboru(const char* subor, long long max_pixelov, long long max_bajtov, int* w, int* h,
                           char* chyba, size_t miesto)
{
    FILE* f = OtvorNaCitanie(subor);
    if (!f) {
        if (errno == EISDIR)
            snprintf(chyba, miesto, "%s: is a directory, not an image", subor);
        else
            snprintf(chyba, miesto, "%s: %s", subor, strerror(errno));
        return nullptr;
    }
    COLORREF* farby = CitajObrazZPrudu(f, subor, max_pixelov, max_bajtov, w, h, chyba, miesto);
    fclose(f);
    return farby;
}
