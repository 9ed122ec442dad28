// Reading an image file as a desktop snapshot, through stb_image.
#include "search/scan_obraz.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "stb_image.h"

COLORREF* CitajObraz(const char* subor, int* w, int* h, char* chyba, size_t miesto)
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
    int sirka = 0, vyska = 0, zlozky = 0;
    unsigned char* rgb = stbi_load_from_file(f, &sirka, &vyska, &zlozky, 3);
    fclose(f);
    if (!rgb) {
        snprintf(chyba, miesto, "%s: not a readable PNG, BMP, PPM/PGM, TGA or JPEG image (%s)", subor,
                 stbi_failure_reason());
        return nullptr;
    }
    if (sirka <= 0 || vyska <= 0) {
        stbi_image_free(rgb);
        snprintf(chyba, miesto, "%s: the image has no pixels", subor);
        return nullptr;
    }
    // The search sizes its lists (w + 5) x (h + 5), which must stay a signed 32-bit count.
    if (((long long)sirka + 5) * ((long long)vyska + 5) > INT_MAX) {
        stbi_image_free(rgb);
        snprintf(chyba, miesto, "%s: the image is too large (%d x %d)", subor, sirka, vyska);
        return nullptr;
    }
    size_t pixelov = (size_t)sirka * (size_t)vyska;
    COLORREF* farby = (COLORREF*)malloc(pixelov * sizeof(COLORREF));
    if (!farby) {
        stbi_image_free(rgb);
        snprintf(chyba, miesto, "%s: not enough memory for a %d x %d image", subor, sirka, vyska);
        return nullptr;
    }
    for (size_t k = 0; k < pixelov; k++) farby[k] = RGB(rgb[3 * k], rgb[3 * k + 1], rgb[3 * k + 2]);
    stbi_image_free(rgb);
    *w = sirka;
    *h = vyska;
    return farby;
}
