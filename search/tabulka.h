// Growing a table: how far a table that fills one entry at a time grows, and the move to a bigger
// block. The search's work tables, its results and the program's result lists all grow this way.
#pragma once
#include <cstddef>

// The entries a table of `miest` entries grows to when it must hold `potreba`: twice as many, at
// least 64 and at most INT_MAX, but never fewer than `potreba`, so that n entries added one at a time
// grow it about log2 n times.
long long DvojnasobnaDlzka(long long miest, long long potreba);

// A zero-filled block of `nove` entries of `velkost` bytes holding a copy of the first `miest`
// entries of `tabulka` (nove >= miest). Null when memory runs out or the size cannot be addressed.
// The table is not touched: a caller growing several tables together has every block before it
// gives any table up.
void* VacsiBlok(const void* tabulka, long long miest, long long nove, size_t velkost);

// One table: when it has fewer than `potreba` entries it moves to a block of `nove` entries
// (nove >= potreba), keeping its entries; the old block is freed. 1 on success; 0 when memory runs
// out, and then the table is as it was.
int ZvacsiTabulku(void** tabulka, long long* miest, long long potreba, long long nove, size_t velkost);
