// The runs of grey pixels: the tables sized for the desktop, the scan that fills them, and the
// bitmap of the runs still in the list.
#include "search/behy.h"

#include <climits>
#include <cstdlib>
#include <cstring>

int32_t* polohy;
int pocet_behov;
int32_t* prvy_beh_riadku;
int32_t* zive_v_riadku;
uint64_t* zive[4];
uint32_t* hranice_blokov;
int blokov_riadku;

static uint8_t* maska;  // one row: 1 for a grey pixel, 0 otherwise, then 8 zero bytes

// Entries each table was allocated with.
static long long miest_polohy, miest_prvych, miest_zivych_v_riadku, miest_blokov, miest_masky,
    miest_zivych[4];

static constexpr TabulkaBlokov ZostavTabulkuBlokov()
{
    TabulkaBlokov t = {};
    for (int v = 0; v < 256; v++) {
        int n = 0;
        for (int b = 0; b < 8; b++)
            if (v >> b & 1) t.pozicie[v][n++] = (uint8_t)b;
        t.pocet[v] = (uint8_t)n;
    }
    return t;
}

constexpr TabulkaBlokov kBloky = ZostavTabulkuBlokov();

// Replaces *tabulka by a zero-filled block of `potreba` entries when it has fewer; 0 when out of memory.
static int Zvacsi(void** tabulka, long long* miest, long long potreba, size_t velkost)
{
    if (*miest >= potreba) return 1;
    if ((unsigned long long)potreba > SIZE_MAX / velkost) return 0;
    void* nova = calloc((size_t)potreba, velkost);
    if (!nova) return 0;
    free(*tabulka);
    *tabulka = nova;
    *miest = potreba;
    return 1;
}

int PripravBehy(int w, int h)
{
    // A row of w pixels holds at most (w + 1) / 2 runs; run numbers and boundary indices are ints.
    const long long behov = (long long)h * ((w + 1) / 2) + 2;
    if (2 * behov + 16 > INT_MAX) return 0;
    const long long blokov = ((long long)w / 8 + 2) * h;
    // ZostavBehy writes 8 boundaries at a time, some of them past the last one: 16 entries to spare.
    int ok = Zvacsi((void**)&polohy, &miest_polohy, 2 * behov + 16, sizeof(int32_t));
    ok = ok && Zvacsi((void**)&prvy_beh_riadku, &miest_prvych, (long long)h + 4, sizeof(int32_t));
    ok = ok && Zvacsi((void**)&zive_v_riadku, &miest_zivych_v_riadku, (long long)h + 4, sizeof(int32_t));
    ok = ok && Zvacsi((void**)&hranice_blokov, &miest_blokov, blokov, sizeof(uint32_t));
    ok = ok && Zvacsi((void**)&maska, &miest_masky, (long long)w + 16, sizeof(uint8_t));
    long long slov = behov;
    for (int u = 0; u < 4 && ok; u++) {
        slov = (slov + 63) / 64 + 3;
        ok = Zvacsi((void**)&zive[u], &miest_zivych[u], slov, sizeof(uint64_t));
    }
    return ok;
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

// Sets bits 0 to pocet - 1 of the level and clears the two words after them.
static void NastavZive(uint64_t* slova, long long pocet)
{
    long long plnych = pocet / 64;
    for (long long q = 0; q < plnych; q++) slova[q] = ~0ull;
    slova[plnych] = pocet % 64 ? (1ull << (pocet % 64)) - 1 : 0;
    slova[plnych + 1] = 0;
    slova[plnych + 2] = 0;
}

long long ZostavBehy(int w, int h, const COLORREF* farby, RECT vylucene, int stupen)
{
    const uint32_t pasmo = ((uint32_t)stupen & 7u) << 5;
    blokov_riadku = w / 8 + 2;
    memset(maska + w, 0, 8);
    const long long vlavo = vylucene.left > 0 ? vylucene.left : 0;
    const long long vpravo = vylucene.right < w - 1 ? vylucene.right : w - 1;

    // Boundaries of the runs in scan order: run i starts at polohy[2i] and ends before polohy[2i + 1].
    int k = 2;
    for (int y = 0; y < h; y++) {
        prvy_beh_riadku[y] = k >> 1;
        OznacSive(farby + (size_t)y * (size_t)w, w, pasmo, maska);
        // Left-out pixels break runs like pixels that are not grey.
        if (y >= vylucene.top && y <= vylucene.bottom && vlavo <= vpravo)
            memset(maska + vlavo, 0, (size_t)(vpravo - vlavo + 1));

        uint32_t* bloky = hranice_blokov + (size_t)y * (size_t)blokov_riadku;
        const int prva = k;
        uint32_t predosly = 0;  // the pixel left of the block is grey
        // Blocks of 8 columns up to column w itself, where a run at the row's end has its boundary.
        for (int x = 0; x <= w; x += 8) {
            uint64_t slovo;
            memcpy(&slovo, maska + x, 8);
            // Gathers the eight 0-or-1 bytes into the bits of one byte, column x in bit 0.
            const uint32_t sive = (uint32_t)((slovo * 0x0102040810204080ull) >> 56);
            const uint32_t hranice = (sive ^ (sive << 1 | predosly)) & 0xFFu;
            predosly = sive >> 7;
            bloky[x >> 3] = (uint32_t)(k - prva) << 8 | hranice;
            // All 8 positions are written and only the real ones counted: no branch per boundary.
            int32_t* ciel = polohy + k;
            for (int b = 0; b < 8; b++) ciel[b] = x + kBloky.pozicie[hranice][b];
            k += kBloky.pocet[hranice];
        }
        zive_v_riadku[y] = (k >> 1) - prvy_beh_riadku[y];
    }
    pocet_behov = (k >> 1) - 1;
    for (int y = h; y < h + 4; y++) {
        prvy_beh_riadku[y] = pocet_behov + 1;
        zive_v_riadku[y] = 0;
    }

    // Every run and both sentinels start in the list.
    long long bitov = (long long)pocet_behov + 2;
    for (int u = 0; u < 4; u++) {
        NastavZive(zive[u], bitov);
        bitov = (bitov + 63) / 64;
    }

    long long sive_body = 0;
    for (int i = 1; i <= pocet_behov; i++) sive_body += DlzkaBehu(i);
    return sive_body;
}

// The first set bit of level u at or after bit p. The end sentinel's bits make sure there is one.
static int DalsiBit(int u, int p)
{
    uint64_t slovo = zive[u][p >> 6] >> (p & 63);
    if (slovo) return p + __builtin_ctzll(slovo);
    int q;
    if (u == 3) {
        q = (p >> 6) + 1;
        while (zive[3][q] == 0) q++;
    } else {
        q = DalsiBit(u + 1, (p >> 6) + 1);
    }
    return (q << 6) + __builtin_ctzll(zive[u][q]);
}

// The last set bit of level u at or before bit p; bit 0 of every level stands for the first
// sentinel, so there is one.
static int PredoslyBit(int u, int p)
{
    uint64_t slovo = zive[u][p >> 6] << (63 - (p & 63));
    if (slovo) return p - __builtin_clzll(slovo);
    int q;
    if (u == 3) {
        q = (p >> 6) - 1;
        while (zive[3][q] == 0) q--;
    } else {
        q = PredoslyBit(u + 1, (p >> 6) - 1);
    }
    return (q << 6) + 63 - __builtin_clzll(zive[u][q]);
}

int DalsiZivyVzdialeny(int i) { return DalsiBit(0, i); }

int PredoslyZivyVzdialeny(int i) { return PredoslyBit(0, i); }

void VyprazdneneSlovo(int slovo)
{
    for (int u = 1; u < 4; u++) {
        if ((zive[u][slovo >> 6] &= ~(1ull << (slovo & 63))) != 0) return;
        slovo >>= 6;
    }
}
