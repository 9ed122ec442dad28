// The grey pixels still in the list: the bit table sized for the desktop, the scan of the snapshot
// that fills it, and taking runs out of it.
#include "search/behy.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "search/tabulka.h"

// Words of a row's bits for a desktop w wide.
static int SlovBodov(int w) { return (w + 63) / 64; }

int PripravBehy(Behy* b, int w, int h)
{
    // Columns are ints and bit positions of a row are computed as ints.
    if (w > INT_MAX - 128 || h > INT_MAX - 8) return 0;
    // Each table grows to exactly what the desktop needs.
    const long long slov = ((long long)h + 2) * (SlovBodov(w) + 1) + 1;
    const long long riadkov = (long long)h + 4, masky = 64LL * SlovBodov(w);
    int ok = ZvacsiTabulku((void**)&b->polohy, &b->miest_polohy, slov, slov, sizeof(uint64_t));
    ok = ok && ZvacsiTabulku((void**)&b->bodov_v_riadku, &b->miest_bodov, riadkov, riadkov, sizeof(int32_t));
    ok = ok && ZvacsiTabulku((void**)&b->maska, &b->miest_masky, masky, masky, sizeof(uint8_t));
    return ok;
}

void UvolniBehy(Behy* b)
{
    free(b->polohy);
    free(b->bodov_v_riadku);
    free(b->maska);
    *b = Behy{};
}

// A pixel is grey in the band when shifting its colour right by a byte leaves its low two bytes
// (blue equals green, green equals red, the top byte 0, so CLR_INVALID is never grey) and red's top
// three bits are the band's: one comparison for each pixel instead of one for each of the 32 greys.
static void OznacSive(const COLORREF* riadok, int w, uint32_t pasmo, uint8_t* m)
{
    for (int x = 0; x < w; x++) {
        const uint32_t c = riadok[x];
        m[x] = (((c >> 8) ^ (c & 0xFFFFu)) | ((c & 0xE0u) ^ pasmo)) == 0;
    }
}

// Gathers 64 bytes of 0 or 1 into the bits of one word, the first byte in bit 0.
static uint64_t Zbal(const uint8_t* m)
{
    uint64_t slovo = 0;
    for (int b = 0; b < 8; b++) {
        uint64_t osem;
        memcpy(&osem, m + 8 * b, 8);
        slovo |= ((osem * 0x0102040810204080ull) >> 56) << (8 * b);
    }
    return slovo;
}

void ZacniBehy(Behy* b, int w)
{
    const int slov = SlovBodov(w);
    b->slov_riadku = slov + 1;
    memset(b->maska + w, 0, (size_t)(64 * slov - w));
}

// A pixel has the colour when its top byte is 0 (CLR_INVALID never has it) and each of red, green
// and blue lies in lo to hi of its channel: one unsigned comparison a channel.
static void OznacFarbu(const COLORREF* riadok, int w, COLORREF lo, COLORREF rozpatie, uint8_t* m)
{
    const uint32_t r0 = lo & 0xFF, g0 = (lo >> 8) & 0xFF, b0 = (lo >> 16) & 0xFF;
    const uint32_t dr = rozpatie & 0xFF, dg = (rozpatie >> 8) & 0xFF, db = (rozpatie >> 16) & 0xFF;
    for (int x = 0; x < w; x++) {
        const uint32_t c = riadok[x];
        m[x] = (c >> 24) == 0 && (c & 0xFF) - r0 <= dr && ((c >> 8) & 0xFF) - g0 <= dg && ((c >> 16) & 0xFF) - b0 <= db;
    }
}

// Rows od to od + riadkov - 1 into the list, `oznac` marking each row's pixels that count in the
// mask; both scans share it, so that the grey one stays as fast as its own loop.
template <typename Oznac>
static long long ZostavRiadkySoZnackou(Behy* b, int w, int od, int riadkov, const COLORREF* farby, RECT vylucene,
                                       Oznac oznac)
{
    uint8_t* const maska = b->maska;
    const int slov = b->slov_riadku - 1;
    const long long vlavo = vylucene.left > 0 ? vylucene.left : 0;
    const long long vpravo = vylucene.right < w - 1 ? vylucene.right : w - 1;

    long long sive_body = 0;
    for (int y = od; y < od + riadkov; y++) {
        oznac(farby + (size_t)(y - od) * (size_t)w, maska);
        // Left-out pixels break runs like pixels that are not grey.
        if (y >= vylucene.top && y <= vylucene.bottom && vlavo <= vpravo)
            memset(maska + vlavo, 0, (size_t)(vpravo - vlavo + 1));
        uint64_t* r = Riadok(*b, y);
        r[-1] = 0;
        int bodov = 0;
        for (int k = 0; k < slov; k++) {
            const uint64_t m = Zbal(maska + 64 * k);
            r[k] = m;
            bodov += PocetBitov(m);
        }
        b->bodov_v_riadku[y] = bodov;
        sive_body += bodov;
    }
    return sive_body;
}

long long ZostavRiadky(Behy* b, int w, int od, int riadkov, const COLORREF* farby, RECT vylucene, int stupen)
{
    const uint32_t pasmo = ((uint32_t)stupen & 7u) << 5;
    return ZostavRiadkySoZnackou(b, w, od, riadkov, farby, vylucene,
                                 [w, pasmo](const COLORREF* riadok, uint8_t* m) { OznacSive(riadok, w, pasmo, m); });
}

long long ZostavRiadkyFarby(Behy* b, int w, int od, int riadkov, const COLORREF* farby, RECT vylucene,
                            COLORREF farba, int tolerancia)
{
    // Each channel's range, cut at 0 and 255: its lowest value and its width.
    COLORREF lo = 0, rozpatie = 0;
    for (int k = 0; k < 3; k++) {
        const int c = (int)((farba >> (8 * k)) & 0xFF);
        const int od_c = c - tolerancia < 0 ? 0 : c - tolerancia, po_c = c + tolerancia > 255 ? 255 : c + tolerancia;
        lo |= (COLORREF)od_c << (8 * k);
        rozpatie |= (COLORREF)(po_c - od_c) << (8 * k);
    }
    return ZostavRiadkySoZnackou(
        b, w, od, riadkov, farby, vylucene,
        [w, lo, rozpatie](const COLORREF* riadok, uint8_t* m) { OznacFarbu(riadok, w, lo, rozpatie, m); });
}

void UzavriBehy(Behy* b, int h)
{
    // Two empty rows and the closing 0 word after the last row.
    memset(Riadok(*b, h) - 1, 0, (2 * (size_t)b->slov_riadku + 1) * sizeof(uint64_t));
    for (int y = h; y < h + 4; y++) b->bodov_v_riadku[y] = 0;
}

long long ZostavBehy(Behy* b, int w, int h, const COLORREF* farby, RECT vylucene, int stupen)
{
    ZacniBehy(b, w);
    const long long sive_body = ZostavRiadky(b, w, 0, h, farby, vylucene, stupen);
    UzavriBehy(b, h);
    return sive_body;
}

int VyberDlhyUsek(const Behy& b, int y, int od, int po)
{
    uint64_t* r = Riadok(b, y);
    const int prve = od >> 6, posledne = po >> 6;
    const uint64_t od_maska = ~0ull << (od & 63), po_maska = ~0ull >> (63 - (po & 63));
    int bodov = PocetBitov(r[prve] & od_maska);
    r[prve] &= ~od_maska;
    for (int k = prve + 1; k < posledne; k++) {
        if (r[k] == 0) continue;
        bodov += PocetBitov(r[k]);
        r[k] = 0;
    }
    bodov += PocetBitov(r[posledne] & po_maska);
    r[posledne] &= ~po_maska;
    b.bodov_v_riadku[y] -= bodov;
    return bodov;
}
