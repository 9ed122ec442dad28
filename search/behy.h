// The grey pixels still in the list, one bit each, row by row: a run is a stretch of set bits of a
// row. The search's two scans ask it for the runs under a range of columns and take runs out.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/wintypes.h"

// The tables of one search, owned by whoever runs it; all zero is an empty set that the first
// PripravBehy sizes. Row y's bits: column x is bit x % 64 of word x / 64 of Riadok(b, y). The word
// before every row and the word after the last row are 0, so that a run's ends are found without a
// bound test; the bits of a row past its last column are 0 too. Entries in the list are whole runs
// only: a run is either all in or all out.
struct Behy {
    uint64_t* polohy;
    int slov_riadku;          // words from one row to the next: the row's words and its leading 0
    int32_t* bodov_v_riadku;  // pixels of each row still in the list; 0 for rows from h on
    uint8_t* maska;           // one row: 1 for a grey pixel, 0 otherwise, padded to whole words
    long long miest_polohy, miest_bodov, miest_masky;  // entries each table was allocated with
};

const int kZiadny = -1;  // no such column

inline uint64_t* Riadok(const Behy& b, int y) { return b.polohy + (size_t)y * (size_t)b.slov_riadku + 1; }

// The last column a row's words hold: the desktop's last column or beyond it, where the bits are 0.
inline int PoslednyStlpecSlov(const Behy& b) { return (b.slov_riadku - 1) * 64 - 1; }

// Makes the tables ready for a w x h desktop, growing them only for a bigger one. 1 on success, 0
// when memory runs out or the desktop is too large to address.
int PripravBehy(Behy* b, int w, int h);

// Frees the tables; the set is empty again.
void UvolniBehy(Behy* b);

// Lists the pixels of band `stupen` (modulo 8) of the w x h colour table, leaving out the rectangle
// `vylucene` (all four bounds inclusive); every run starts in the list. Returns the number of grey
// pixels.
long long ZostavBehy(Behy* b, int w, int h, const COLORREF* farby, RECT vylucene, int stupen);

// The same in steps, for a desktop read a strip of rows at a time: ZacniBehy for a desktop w wide,
// ZostavRiadky for rows od to od + riadkov - 1 (`farby` holds those rows only), the rows in any
// order, each once; then UzavriBehy after the last row h - 1.
void ZacniBehy(Behy* b, int w);
long long ZostavRiadky(Behy* b, int w, int od, int riadkov, const COLORREF* farby, RECT vylucene, int stupen);
void UzavriBehy(Behy* b, int h);

// ZostavRiadky for the pixels of one colour instead of a grey band: those whose red, green and blue
// each lie within `tolerancia` (0 to 255) of `farba`'s.
long long ZostavRiadkyFarby(Behy* b, int w, int od, int riadkov, const COLORREF* farby, RECT vylucene,
                            COLORREF farba, int tolerancia);

// Set bits in a word: a plain bit count, since the targets' compilers call a library routine for
// their builtin unless told which processor the program runs on.
inline int PocetBitov(uint64_t v)
{
    v = v - ((v >> 1) & 0x5555555555555555ull);
    v = (v & 0x3333333333333333ull) + ((v >> 2) & 0x3333333333333333ull);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return (int)((v * 0x0101010101010101ull) >> 56);
}

// The first column from x to po (x <= po, both on the row) whose pixel is in the list; kZiadny when none.
inline int PrvyBod(const Behy& b, int y, int x, int po)
{
    const uint64_t* r = Riadok(b, y);
    int k = x >> 6;
    uint64_t m = r[k] & (~0ull << (x & 63));
    const int posledne = po >> 6;
    while (m == 0) {
        if (++k > posledne) return kZiadny;
        m = r[k];
    }
    const int stlpec = (k << 6) + __builtin_ctzll(m);
    return stlpec <= po ? stlpec : kZiadny;
}

// The last column from od to x (od <= x, both on the row) whose pixel is in the list; kZiadny when none.
inline int PoslednyBod(const Behy& b, int y, int od, int x)
{
    const uint64_t* r = Riadok(b, y);
    int k = x >> 6;
    uint64_t m = r[k] & (~0ull >> (63 - (x & 63)));
    const int prve = od >> 6;
    while (m == 0) {
        if (--k < prve) return kZiadny;
        m = r[k];
    }
    const int stlpec = (k << 6) + 63 - __builtin_clzll(m);
    return stlpec >= od ? stlpec : kZiadny;
}

// The first column of the run through column x of row y (x in the list).
inline int ZaciatokBehu(const Behy& b, int y, int x)
{
    const uint64_t* r = Riadok(b, y);
    int k = x >> 6;
    uint64_t m = ~r[k] & ((1ull << (x & 63)) - 1);
    while (m == 0) m = ~r[--k];  // the 0 word before the row stops it
    // k is -1 when the run starts at column 0: multiplied, not shifted, since a negative number
    // must not be shifted left.
    return k * 64 + 64 - __builtin_clzll(m);
}

// The last column of the run through column x of row y (x in the list).
inline int KoniecBehu(const Behy& b, int y, int x)
{
    const uint64_t* r = Riadok(b, y);
    int k = x >> 6;
    uint64_t m = ~r[k] & (~0ull << (x & 63));
    while (m == 0) m = ~r[++k];  // the 0 bits after the row's last column stop it
    return (k << 6) + __builtin_ctzll(m) - 1;
}

// The first column from x on (x on the row) whose pixel is in the list in row y and in row y + 1:
// the first run of row y from x on that has a run overlapping it below runs through it. kZiadny when none.
inline int PrvySpolocny(const Behy& b, int y, int x)
{
    const int slov = b.slov_riadku - 1;
    const uint64_t* r = Riadok(b, y);
    const uint64_t* s = Riadok(b, y + 1);
    int k = x >> 6;
    uint64_t m = r[k] & s[k] & (~0ull << (x & 63));
    while (m == 0) {
        if (++k >= slov) return kZiadny;
        m = r[k] & s[k];
    }
    return (k << 6) + __builtin_ctzll(m);
}

// Takes out of the list every pixel of row y from column od to column po (whole runs). Returns the
// pixels taken out.
int VyberDlhyUsek(const Behy& b, int y, int od, int po);
inline int VyberUsek(const Behy& b, int y, int od, int po)
{
    if (od >> 6 != po >> 6) return VyberDlhyUsek(b, y, od, po);
    uint64_t* slovo = Riadok(b, y) + (od >> 6);
    const uint64_t v = (~0ull << (od & 63)) & (~0ull >> (63 - (po & 63)));
    const int bodov = PocetBitov(*slovo & v);
    *slovo &= ~v;
    b.bodov_v_riadku[y] -= bodov;
    return bodov;
}
