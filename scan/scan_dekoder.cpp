// Decoding an image held in memory through stb_image (Debian's libstb-dev header), compiled here
// with only PNG, BMP, TGA and JPEG, so that no other format's code is reachable, and its functions
// kept static to this file; PPM/PGM samples are read by scan_pnm.cpp.
#include "scan/scan_dekoder.h"

#include <climits>
#include <cstdlib>

#include "scan/scan_pnm.h"
#include "scan/scan_vzorky.h"

// The decoder leaves a buffer partly unwritten where its input runs short (a PPM/PGM or TGA row it
// cannot read): zero-filled blocks keep every pixel defined should a case get past the checks made
// before decoding.
#define STBI_MALLOC(velkost) calloc(1, velkost)
#define STBI_REALLOC(blok, velkost) realloc(blok, velkost)
#define STBI_FREE(blok) free(blok)
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#ifndef __clang__
#pragma GCC diagnostic ignored "-Wstringop-overflow"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include "stb_image.h"
#pragma GCC diagnostic pop

// A 16-bit PNG's samples, read whole and reduced in place by the shared rule (the decoder's own
// reduction keeps the high byte only).
static unsigned char* DekodujPng16(const unsigned char* data, int dlzka, int* w, int* h, int* zloziek)
{
    stbi_us* vzorky = stbi_load_16_from_memory(data, dlzka, w, h, zloziek, 0);
    if (!vzorky) return nullptr;
    unsigned char* pixely = (unsigned char*)vzorky;  // byte k lies in a sample already read
    const size_t pocet = (size_t)*w * (size_t)*h * (size_t)*zloziek;
    for (size_t k = 0; k < pocet; k++) pixely[k] = Na8Bitov(vzorky[k], 65535);
    return pixely;
}

unsigned char* DekodujObraz(const unsigned char* data, size_t dlzka, const HlavickaObrazu& hl, int* w, int* h,
                            int* zloziek, const char** dovod)
{
    if (dlzka > INT_MAX) {
        *dovod = "the file is over 2 GB";
        return nullptr;
    }
    unsigned char* pixely;
    if (hl.druh == kPnm) {
        *w = (int)hl.w;
        *h = (int)hl.h;
        pixely = DekodujPnm(data, hl, zloziek);
        if (!pixely) *dovod = kBezPamate;
        return pixely;
    }
    // The inflater gives no reason when its buffer cannot be had: no reason is that one, not one an
    // earlier image left on this thread.
    stbi__g_failure_reason = nullptr;
    if (hl.druh == kPng && stbi_is_16_bit_from_memory(data, (int)dlzka))
        pixely = DekodujPng16(data, (int)dlzka, w, h, zloziek);
    else
        pixely = stbi_load_from_memory(data, (int)dlzka, w, h, zloziek, 0);
    if (!pixely) *dovod = stbi_failure_reason() ? stbi_failure_reason() : kBezPamate;
    return pixely;
}

void UvolniObraz(unsigned char* pixely) { stbi_image_free(pixely); }
