// Decoding an image held in memory through stb_image (Debian's libstb-dev header), compiled here
// with only PNG, BMP, PPM/PGM, TGA and JPEG, so that no other format's code is reachable, and its
// functions kept static to this file.
#include "scan/scan_dekoder.h"

#include <climits>
#include <cstdlib>

// The decoder leaves a buffer partly unwritten where its input runs short (a PPM/PGM or TGA row it
// cannot read): zero-filled blocks keep every pixel defined should a case get past the checks made
// before decoding.
#define STBI_MALLOC(velkost) calloc(1, velkost)
#define STBI_REALLOC(blok, velkost) realloc(blok, velkost)
#define STBI_FREE(blok) free(blok)
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_PNM
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

unsigned char* DekodujObraz(const unsigned char* data, size_t dlzka, int* w, int* h, int* zloziek, const char** dovod)
{
    if (dlzka > INT_MAX) {
        *dovod = "the file is over 2 GB";
        return nullptr;
    }
    unsigned char* pixely = stbi_load_from_memory(data, (int)dlzka, w, h, zloziek, 0);
    if (!pixely) *dovod = stbi_failure_reason();
    return pixely;
}

void UvolniObraz(unsigned char* pixely) { stbi_image_free(pixely); }
