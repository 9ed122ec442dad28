// Reading an image as a desktop snapshot: one colour value per pixel.
#pragma once
#include <cstddef>

#include "common/wintypes.h"
#include "scan/scan_formaty.h"

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

// The header's size against the pixel limit and the program's largest image: 0 with the one-line
// reason naming `meno` in chyba when the image is refused.
int SkontrolujRozmer(const HlavickaObrazu& hl, const char* meno, long long max_pixelov, char* chyba, size_t miesto);
