// Reading an image as a desktop snapshot: one colour value per pixel.
#pragma once
#include <cstddef>
#include <cstdio>

#include "common/wintypes.h"

// The default largest image in pixels: the threshold at which Pillow raises its decompression-bomb
// error, familiar to users of image tools.
const long long kPredvoleneMaxPixelov = 178956970;

// Decodes `dlzka` bytes of a PNG, BMP, PPM/PGM, TGA or JPEG image into a new malloc'd block of
// w x h COLORREF values, row-major; grey and palette images are expanded, alpha is dropped. The size
// is read from the header first: an image over `max_pixelov` pixels (0: no limit) is refused before
// any pixel buffer exists. An image that is cut short or damaged, or any other format, is refused.
// On failure returns nullptr with a one-line reason (no line end) naming `meno` in chyba.
COLORREF* CitajObrazZPamate(const unsigned char* data, size_t dlzka, const char* meno, long long max_pixelov,
                            int* w, int* h, char* chyba, size_t miesto);

// Reads the whole file `subor`, then decodes it as CitajObrazZPamate does.
COLORREF* CitajObraz(const char* subor, long long max_pixelov, int* w, int* h, char* chyba, size_t miesto);

// The whole of an open file (standard input too) in a new malloc'd block, its length in *dlzka;
// nullptr when memory runs out. ferror(f) tells a failed read.
unsigned char* CitajCelySubor(FILE* f, size_t* dlzka);
