// Reading an image from a file or a stream no further than its header allows.
#pragma once
#include <cstddef>
#include <cstdio>

#include "common/wintypes.h"

// Reads the image from f: the first bytes until its header is read (at most kPriestorPriloh bytes,
// or max_bajtov), its size against max_pixelov, then the rest up to the most bytes an image of that
// size can take in its format, or max_bajtov when it is over 0. Data going on past that are refused
// at once, whether f is a file, a pipe or a device; a regular file is read in one step. Then decodes
// as CitajObrazZPamate does: nullptr with a one-line reason naming `meno` in chyba on failure.
COLORREF* CitajObrazZPrudu(FILE* f, const char* meno, long long max_pixelov, long long max_bajtov, int* w, int* h,
                           char* chyba, size_t miesto);

// The bytes CitajObrazZPrudu would decode, in a new malloc'd block of *dlzka bytes, kept by a caller
// that may decode them again; nullptr with the one-line reason in chyba.
unsigned char* CitajBajtyObrazu(FILE* f, const char* meno, long long max_pixelov, long long max_bajtov, size_t* dlzka,
                                char* chyba, size_t miesto);

// The file `subor` (its name in UTF-8), read as CitajObrazZPrudu reads a stream.
COLORREF* CitajObrazSuboru(const char* subor, long long max_pixelov, long long max_bajtov, int* w, int* h,
                           char* chyba, size_t miesto);
