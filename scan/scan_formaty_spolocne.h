// What the format walks share: byte-order readers, the one-line reason, and the walks of the
// compressed formats, which live in a file of their own.
#pragma once
#include <cstddef>
#include <cstdint>

#include "scan/scan_formaty.h"

inline uint32_t Le16(const unsigned char* p) { return (uint32_t)p[0] | (uint32_t)p[1] << 8; }
inline uint32_t Le32(const unsigned char* p) { return Le16(p) | Le16(p + 2) << 16; }
inline uint32_t Be16(const unsigned char* p) { return (uint32_t)p[0] << 8 | p[1]; }
inline uint32_t Be32(const unsigned char* p) { return Be16(p) << 16 | Be16(p + 2); }

// Writes the formatted reason to dovod; returns 0, the walks' answer for a refused image.
int Dovod(char* dovod, size_t miesto, const char* format, ...) __attribute__((format(printf, 3, 4)));

extern const char* const kBezPixelov;  // the reason for a width or height of 0

const unsigned char kPngPodpis[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Read the header (aj_data false) or walk the whole data (true), as the PPM/PGM, BMP and TGA walks do.
int RozoberPng(const unsigned char* d, size_t n, HlavickaObrazu* hl, bool aj_data, char* dovod, size_t miesto);
int RozoberJpeg(const unsigned char* d, size_t n, HlavickaObrazu* hl, bool aj_data, char* dovod, size_t miesto);
