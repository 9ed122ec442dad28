// Reading an image as a desktop snapshot: the whole file into memory, then the decoder.
#include "search/scan_obraz.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "search/scan_dekoder.h"

COLORREF* CitajObrazZPamate(const unsigned char* data, size_t dlzka, const char* meno, long long max_pixelov,
                            int* w, int* h, char* chyba, size_t miesto)
{
    int sirka = 0, vyska = 0;
    const char* dovod = "";
    unsigned char* rgb = DekodujRgb(data, dlzka, &sirka, &vyska, &dovod);
    if (!rgb) {
        snprintf(chyba, miesto, "%s: not a readable PNG, BMP, PPM/PGM, TGA or JPEG image (%s)", meno, dovod);
        return nullptr;
    }
    const long long pixelov = (long long)sirka * vyska;
    const char* zle = nullptr;
    if (sirka <= 0 || vyska <= 0) zle = "the image has no pixels";
    else if (max_pixelov > 0 && pixelov > max_pixelov) zle = "the image is over the pixel limit (--max-pixels)";
    // The search sizes its lists (w + 5) x (h + 5), which must stay a signed 32-bit count.
    else if (((long long)sirka + 5) * ((long long)vyska + 5) > INT_MAX) zle = "the image is too large";
    if (zle) {
        UvolniRgb(rgb);
        snprintf(chyba, miesto, "%s: %s (%d x %d)", meno, zle, sirka, vyska);
        return nullptr;
    }
    size_t pocet = (size_t)pixelov;
    COLORREF* farby = (COLORREF*)malloc(pocet * sizeof(COLORREF));
    if (!farby) {
        UvolniRgb(rgb);
        snprintf(chyba, miesto, "%s: not enough memory for a %d x %d image", meno, sirka, vyska);
        return nullptr;
    }
    for (size_t k = 0; k < pocet; k++) farby[k] = RGB(rgb[3 * k], rgb[3 * k + 1], rgb[3 * k + 2]);
    UvolniRgb(rgb);
    *w = sirka;
    *h = vyska;
    return farby;
}

COLORREF* CitajObraz(const char* subor, long long max_pixelov, int* w, int* h, char* chyba, size_t miesto)
{
    struct stat info;
    if (stat(subor, &info) != 0) {
        snprintf(chyba, miesto, "%s: %s", subor, strerror(errno));
        return nullptr;
    }
    if (S_ISDIR(info.st_mode)) {
        snprintf(chyba, miesto, "%s: is a directory, not an image", subor);
        return nullptr;
    }
    FILE* f = fopen(subor, "rb");
    if (!f) {
        snprintf(chyba, miesto, "%s: %s", subor, strerror(errno));
        return nullptr;
    }
    size_t dlzka = 0;
    unsigned char* data = CitajCelySubor(f, &dlzka);
    const bool chyba_citania = ferror(f) != 0;
    fclose(f);
    if (!data || chyba_citania) {
        free(data);
        snprintf(chyba, miesto, "%s: %s", subor, data ? "cannot be read" : "not enough memory to read it");
        return nullptr;
    }
    COLORREF* farby = CitajObrazZPamate(data, dlzka, subor, max_pixelov, w, h, chyba, miesto);
    free(data);
    return farby;
}

unsigned char* CitajCelySubor(FILE* f, size_t* dlzka)
{
    size_t miest = 65536, precitane = 0;
    unsigned char* data = (unsigned char*)malloc(miest);
    while (data) {
        precitane += fread(data + precitane, 1, miest - precitane, f);
        if (precitane < miest) break;
        unsigned char* vacsie = miest <= SIZE_MAX / 2 ? (unsigned char*)realloc(data, miest * 2) : nullptr;
        if (!vacsie) free(data);
        data = vacsie;
        miest *= 2;
    }
    *dlzka = precitane;
    return data;
}
