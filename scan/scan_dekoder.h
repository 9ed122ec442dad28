// Decoding an image held in memory to 8-bit RGB: stb_image built in with only the formats the scan
// command reads, every block it allocates zero-filled.
#pragma once
#include <cstddef>

#include "scan/scan_formaty.h"

// The reason DekodujObraz gives when memory runs out (the decoder's own word for it).
const char* const kBezPamate = "outofmem";

// Returns a new block of w x h pixels of *zloziek bytes each (1 grey, 2 grey and alpha, 3 RGB, 4 RGBA),
// row-major, or nullptr with the decoder's reason in *dovod. The pixels come in the image's own
// components; samples of more or fewer than 8 bits are scaled to 8 by one rounding rule
// (scan_vzorky.h). Expects data the format checks have passed, hl as they read it.
unsigned char* DekodujObraz(const unsigned char* data, size_t dlzka, const HlavickaObrazu& hl, int* w, int* h,
                            int* zloziek, const char** dovod);
void UvolniObraz(unsigned char* pixely);
