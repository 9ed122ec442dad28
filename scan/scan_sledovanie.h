// --watch and --until: the live screen searched again whenever it changes.
#pragma once
#include <cstddef>
#include <cstdio>

#include "scan/plocha.h"
#include "scan/scan_volby.h"
#include "search/hladanie.h"

const int kVyprsalo = -2;  // CakajNaObjekty: the time ran out (or the wait was stopped) first

// --watch: searches the screen, and again after each change, and writes to `out` the objects that
// appeared and vanished since the search before, until the time runs out or the watch is stopped
// (a signal, `out` closed). Returns the exit status: 0, or 2 when the screen cannot be read.
int SledujObrazovku(const ScanVolby& v, FILE* out, FILE* err);

// --until: searches the screen, and again after each change, until at least v.az objects are kept,
// as HladajNaMonitore does with the same arguments. Returns their count, -1 with the reason in
// chyba when the screen cannot be read, kVyprsalo when the time runs out first.
int CakajNaObjekty(const ScanVolby& v, StavHladania* stav, Plocha* plocha, std::vector<int>* monitory, char* chyba,
                   size_t miesto);
