// Decoding an image held in memory through stb_image (Debian's libstb-dev header), compiled here
// with only PNG, BMP, PPM/PGM, TGA and JPEG, so that no other format's code is reachable, and its
// functions kept static to this file.
#include "search/scan_dekoder.h"

#include <climits>
#include <cstdlib>

// The decoder leaves some buffers partly unwritten when a file is damaged (a progressive JPEG's
// coefficients without their scans): zero-filled blocks keep such pixels defined.
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
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include "stb_image.h"
#pragma GCC diagnostic pop

unsigned char* DekodujRgb(const unsigned char* data, size_t dlzka, int* w, int* h, const char** dovod)
{
    if (dlzka > INT_MAX) {
        *dovod = "the file is over 2 GB";
        return nullptr;
    }
    int zloziek = 0;
    unsigned char* rgb = stbi_load_from_memory(data, (int)dlzka, w, h, &zloziek, 3);
    if (!rgb) *dovod = stbi_failure_reason();
    return rgb;
}

void UvolniRgb(unsigned char* rgb) { stbi_image_free(rgb); }
