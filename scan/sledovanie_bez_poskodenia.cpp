// The watch in a native build without libxdamage-dev: no notice of changes, so the screen is
// searched every 100 ms unless --interval says otherwise.
#include "scan/sledovanie_linux.h"

void ZacniZmeny(int vystup, const char*) { PripravZastavenie(vystup); }

void SkonciZmeny() { PustiZastavenie(); }

int PredvolenyInterval() { return 100; }

int CakajNaZmenu(long long) { return CakajNaDeskriptor(-1, 0) < 0 ? -1 : 1; }
