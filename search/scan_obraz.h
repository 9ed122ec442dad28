// Reading an image file as a desktop snapshot: one colour value per pixel.
#pragma once
#include <cstddef>

#include "common/wintypes.h"

// Reads `subor` (PNG, BMP, PPM/PGM, TGA or JPEG) into a new malloc'd block of w x h COLORREF values,
// row-major; grey and palette images are expanded, alpha is dropped. On failure returns nullptr with
// a one-line reason (no line end) in chyba.
COLORREF* CitajObraz(const char* subor, int* w, int* h, char* chyba, size_t miesto);
