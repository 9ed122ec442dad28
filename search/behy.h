// The runs of grey pixels, row by row: their table, which of them are still in the list, and where a
// column falls among the runs of a row. Shared by the search's two scans.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/wintypes.h"

// Run i (1 to pocet_behov) covers columns polohy[2i] to polohy[2i + 1] - 1 of its row. Runs are
// numbered in scan order, so the runs of a row are consecutive and rise from left to right. Runs 0
// and pocet_behov + 1 are sentinels that never leave the list.
extern int32_t* polohy;
extern int pocet_behov;
extern int32_t* prvy_beh_riadku;  // first run of each row; rows from h on start at pocet_behov + 1
extern int32_t* zive_v_riadku;    // runs of each row still in the list; 0 for rows from h on

// Which runs are still in the list: one bit a run, and above it one bit for each word below that
// is not empty, three levels up, so that the next run still in the list is found in a few steps.
extern uint64_t* zive[4];

// Per row, for every block of 8 columns: above the low 8 bits, how many boundaries (a run's first
// column, or the column just after its last) the row has before the block; in the low 8 bits, which
// of the block's columns are boundaries. Boundary b of a row is polohy[2 * prvy_beh_riadku[y] + b].
extern uint32_t* hranice_blokov;
extern int blokov_riadku;

// For each byte: the positions of its set bits, lowest first, and how many there are.
struct TabulkaBlokov {
    uint8_t pozicie[256][8];
    uint8_t pocet[256];
};
extern const TabulkaBlokov kBloky;

// Makes the tables ready for a w x h desktop, growing them only for a bigger one. 1 on success, 0
// when memory runs out or the desktop is too large to number its runs.
int PripravBehy(int w, int h);

// Lists the runs of the pixels of band `stupen` (modulo 8) in the w x h colour table, leaving out
// the rectangle `vylucene` (all four bounds inclusive); every run starts in the list. Returns the
// number of grey pixels.
long long ZostavBehy(int w, int h, const COLORREF* farby, RECT vylucene, int stupen);

// The slow ends of DalsiZivy and PredoslyZivy, for when the word of run i has no other run left.
int DalsiZivyVzdialeny(int i);
int PredoslyZivyVzdialeny(int i);

// Clears the bits above a word of zive[0] that has just become empty.
void VyprazdneneSlovo(int slovo);

inline int ZaciatokBehu(int i) { return polohy[2 * i]; }
inline int KoniecBehu(int i) { return polohy[2 * i + 1] - 1; }  // inclusive
inline int DlzkaBehu(int i) { return polohy[2 * i + 1] - polohy[2 * i]; }

// The first run at or after i still in the list (pocet_behov + 1 when none).
inline int DalsiZivy(int i)
{
    uint64_t slovo = zive[0][i >> 6] >> (i & 63);
    if (slovo) return i + __builtin_ctzll(slovo);
    return DalsiZivyVzdialeny(i);
}

// The last run at or before i still in the list (0 when none).
inline int PredoslyZivy(int i)
{
    uint64_t slovo = zive[0][i >> 6] << (63 - (i & 63));
    if (slovo) return i - __builtin_clzll(slovo);
    return PredoslyZivyVzdialeny(i);
}

// Boundaries (run starts and ends) of row y at columns 0 to x, as an index into polohy.
inline int HraniceDo(int y, int x)
{
    const uint32_t blok = hranice_blokov[(size_t)y * (size_t)blokov_riadku + (size_t)(x >> 3)];
    return 2 * prvy_beh_riadku[y] + (int)(blok >> 8) + kBloky.pocet[blok & ((2u << (x & 7)) - 1)];
}

// The first run of row y that ends at column x or further right (it may have left the list).
inline int PrvyBehKonciaciOd(int y, int x) { return HraniceDo(y, x) >> 1; }

// The last run of row y that starts at column x or further left (it may have left the list).
inline int PoslednyBehZacinajuciDo(int y, int x) { return ((HraniceDo(y, x) + 1) >> 1) - 1; }

// Takes run i of row y out of the list.
inline void VyberBeh(int i, int y)
{
    zive_v_riadku[y]--;
    if ((zive[0][i >> 6] &= ~(1ull << (i & 63))) == 0) VyprazdneneSlovo(i >> 6);
}
