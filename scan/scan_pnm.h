// The samples of a binary PPM/PGM read by the program itself: the decoder takes a 16-bit sample's
// bytes in the machine's order and leaves largest values other than 255 unscaled.
#pragma once
#include "scan/scan_formaty.h"

// A new malloc'd block of hl.w x hl.h pixels of *zloziek bytes (1 for PGM, 3 for PPM), each sample
// scaled from 0 to hl.max_hodnota to 0 to 255; 16-bit samples (largest value over 255) are
// big-endian. Expects data the PPM/PGM walk has passed (hl from it). nullptr when memory runs out.
unsigned char* DekodujPnm(const unsigned char* data, const HlavickaObrazu& hl, int* zloziek);
