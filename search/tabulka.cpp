// Growing a table: the doubling rule and the move to a bigger zero-filled block.
#include "search/tabulka.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

long long DvojnasobnaDlzka(long long miest, long long potreba)
{
    const long long kNajmenej = 64;
    long long nova = 2 * miest;
    if (nova < kNajmenej) nova = kNajmenej;
    if (nova > INT_MAX) nova = INT_MAX;
    return nova < potreba ? potreba : nova;
}

void* VacsiBlok(const void* tabulka, long long miest, long long nove, size_t velkost)
{
    if (nove <= 0 || (unsigned long long)nove > SIZE_MAX / velkost) return nullptr;
    void* blok = calloc((size_t)nove, velkost);
    if (blok && tabulka && miest > 0) memcpy(blok, tabulka, (size_t)miest * velkost);
    return blok;
}

int ZvacsiTabulku(void** tabulka, long long* miest, long long potreba, long long nove, size_t velkost)
{
    if (*miest >= potreba) return 1;
    void* blok = VacsiBlok(*tabulka, *miest, nove, velkost);
    if (!blok) return 0;
    free(*tabulka);
    *tabulka = blok;
    *miest = nove;
    return 1;
}
