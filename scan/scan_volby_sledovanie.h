// The options of the watch, the wait and the colour: --watch, --until, --timeout, --interval,
// --colour and --tolerance, read beside the others of scan_volby.cpp.
#pragma once
#include <cstddef>

#include "scan/scan_volby.h"

// Reads the value h of the option a, one of these: 1 read, 0 bad (a one-line reason in chyba).
int CitajHodnotuSledovania(const char* a, const char* h, ScanVolby* v, char* chyba, size_t miesto);

// The rules between these options and the others, once all are read; 0 with the reason in chyba.
int SkontrolujSledovanie(const ScanVolby* v, char* chyba, size_t miesto);
