// libFuzzer target: an image read from a stream as the scan command reads it, then searched with
// settings taken from the input's first bytes in one search state kept from input to input, as a
// thread of the command keeps it from image to image; a small image is also searched by the
// reference steps, and the two must agree entry by entry.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "search/hladanie.h"
#include "scan/scan_citanie.h"
#include "reference/orakel.h"

namespace {

// Bytes 0 to 6: band, minimum size, fill percentage, and the left-out rectangle L, T, R, B as
// signed bytes; the image follows.
const size_t kNastavenia = 7;
const long long kMaxPixelov = 1 << 18;  // larger images only slow the campaign down
const long long kPreReferenciu = 64 * 64;

void Zlyhaj(const char* co, int k)
{
    fprintf(stderr, "zentrivo fuzz: %s (entry %d)\n", co, k);
    abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t dlzka)
{
    if (dlzka < kNastavenia) return 0;
    const int stupen = data[0] & 7, min_velkost = data[1] % 40, percento = data[2] % 101;
    const RECT vylucene = {(int8_t)data[3], (int8_t)data[4], (int8_t)data[5], (int8_t)data[6]};
    char chyba[512];
    int w = 0, h = 0;
    // Read as a stream whose end is not known beforehand, the way a pipe is read.
    FILE* prud = fmemopen((void*)(data + kNastavenia), dlzka - kNastavenia, "rb");
    if (!prud) return 0;
    COLORREF* farby = CitajObrazZPrudu(prud, "fuzz", kMaxPixelov, 0, &w, &h, chyba, sizeof chyba);
    fclose(prud);
    if (!farby) {
        // A refusal is one line that names the input.
        if (strncmp(chyba, "fuzz: ", 6) != 0 || strchr(chyba, '\n')) Zlyhaj("refusal without its one line", 0);
        return 0;
    }
    if (w <= 0 || h <= 0 || (long long)w * h > kMaxPixelov) Zlyhaj("size past the limit", 0);
    static StavHladania stav = {};
    const int pocet = HladajSoStavom(&stav, w, h, farby, vylucene, stupen, min_velkost, percento);
    if (pocet < 0) Zlyhaj("the search ran out of memory", 0);
    if ((long long)w * h <= kPreReferenciu) {
        const orakel::Vysledok r = orakel::OrakelHladaj(w, h, farby, vylucene, stupen, min_velkost, percento);
        if ((int)r.centers.size() != pocet) Zlyhaj("another number of objects than the reference steps", pocet);
        for (int k = 0; k < pocet; k++) {
            const POINT& c = r.centers[k];
            const RECT& o = r.objekty[k];
            const POINT& sc = stav.centers[k];
            const RECT& so = stav.objekty[k];
            if (c.x != sc.x || c.y != sc.y) Zlyhaj("another centre", k);
            if (o.left != so.left || o.top != so.top || o.right != so.right || o.bottom != so.bottom)
                Zlyhaj("another rectangle", k);
        }
    }
    free(farby);
    return 0;
}
