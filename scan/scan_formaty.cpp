// The layout of the image formats the scan command reads: which one a file is, and the walks of the
// PPM/PGM, BMP and TGA layouts. Each format is parsed the way the decoder (stb_image) parses it, so
// that the offsets found here are the ones it will read from: the decoder itself gives zeros or
// leaves pixels unset where a file ends early, and says nothing.
#include "scan/scan_formaty.h"
#include "scan/scan_formaty_spolocne.h"

#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>

int Dovod(char* dovod, size_t miesto, const char* format, ...)
{
    va_list zoznam;
    va_start(zoznam, format);
    vsnprintf(dovod, miesto, format, zoznam);
    va_end(zoznam);
    return 0;
}

const char* const kBezPixelov = "the image has no pixels";

// --- PPM/PGM: "P5" or "P6", width, height and largest value in text, then the samples ---

struct PnmCitac {  // the decoder's byte reader: 0 past the end
    const unsigned char* d;
    size_t n, pos;
};
static int Bajt(PnmCitac* c) { return c->pos < c->n ? c->d[c->pos++] : 0; }
static bool NaKonci(const PnmCitac* c) { return c->pos >= c->n; }
static bool PnmMedzera(int z) { return z == ' ' || z == '\t' || z == '\n' || z == '\v' || z == '\f' || z == '\r'; }

static void PnmPreskoc(PnmCitac* c, int* z)
{
    for (;;) {
        while (!NaKonci(c) && PnmMedzera(*z)) *z = Bajt(c);
        if (NaKonci(c) || *z != '#') break;
        while (!NaKonci(c) && *z != '\n' && *z != '\r') *z = Bajt(c);
    }
}

// 0 for a number of more than nine digits, which would overflow the decoder's int.
static int PnmCislo(PnmCitac* c, int* z, long long* hodnota)
{
    int cifier = 0;
    *hodnota = 0;
    while (!NaKonci(c) && *z >= '0' && *z <= '9') {
        if (++cifier > 9) return 0;
        *hodnota = *hodnota * 10 + (*z - '0');
        *z = Bajt(c);
    }
    return 1;
}

static int Pnm(const unsigned char* d, size_t n, HlavickaObrazu* hl, bool aj_data, char* dovod, size_t miesto)
{
    PnmCitac c = {d, n, 2};
    const int zloziek = d[1] == '6' ? 3 : 1;
    int z = Bajt(&c);
    long long max_hodnota = 0;
    PnmPreskoc(&c, &z);
    int ok = PnmCislo(&c, &z, &hl->w);
    PnmPreskoc(&c, &z);
    ok = ok && PnmCislo(&c, &z, &hl->h);
    PnmPreskoc(&c, &z);
    ok = ok && PnmCislo(&c, &z, &max_hodnota);
    hl->malo = NaKonci(&c);
    if (!ok) return Dovod(dovod, miesto, "the PPM/PGM image is damaged (a number in its header is too long)");
    if (max_hodnota > 65535) return Dovod(dovod, miesto, "the PPM/PGM image is damaged (largest value over 65535)");
    if (max_hodnota == 0) return Dovod(dovod, miesto, "the PPM/PGM image is damaged (largest value 0)");
    if (hl->w == 0 || hl->h == 0) return Dovod(dovod, miesto, "%s", kBezPixelov);
    // The samples start right after the character that ends the largest value.
    hl->max_hodnota = max_hodnota;
    hl->pixely_od = c.pos;
    const unsigned long long potreba =
        (unsigned long long)hl->w * (unsigned long long)hl->h * zloziek * (max_hodnota > 255 ? 2 : 1);
    hl->najviac = c.pos + potreba + kPriestorZaPixelmi;
    if (!aj_data) return 1;
    if (n - c.pos < potreba)
        return Dovod(dovod, miesto, "the PPM/PGM image is cut short (its header promises %llu bytes of pixels, %llu follow it)",
                     potreba, (unsigned long long)(n - c.pos));
    return 1;
}

// --- BMP: file header, info header of 12 to 124 bytes, palette, rows from the pixel offset ---

static int Bmp(const unsigned char* d, size_t n, HlavickaObrazu* hl, bool aj_data, char* dovod, size_t miesto)
{
    const uint32_t velkost = n >= 18 ? Le32(d + 14) : 0;
    if (n < 18 || n < 14 + (size_t)velkost) return Dovod(dovod, miesto, "the BMP image is cut short (in its header)");
    if (velkost != 12 && velkost != 40 && velkost != 56 && velkost != 108 && velkost != 124)
        return Dovod(dovod, miesto, "the BMP image has a header of %u bytes, a kind that is not read", velkost);
    const int ofset = (int32_t)Le32(d + 10);
    const bool os2 = velkost == 12;
    long long h;
    uint32_t bitov, kompresia = 0;
    if (os2) {
        hl->w = Le16(d + 18);
        h = Le16(d + 20);
        bitov = Le16(d + 24);
    } else {
        hl->w = (int32_t)Le32(d + 18);
        h = (int32_t)Le32(d + 22);
        bitov = Le16(d + 28);
        kompresia = Le32(d + 30);
    }
    if (Le16(d + (os2 ? 22 : 26)) != 1 || ofset < 0)
        return Dovod(dovod, miesto, "the BMP image is damaged (in its header)");
    if (kompresia == 1 || kompresia == 2 || kompresia >= 4)
        return Dovod(dovod, miesto, "the BMP image is compressed, which is not read (only uncompressed BMP is)");
    if (bitov != 1 && bitov != 4 && bitov != 8 && bitov != 16 && bitov != 24 && bitov != 32)
        return Dovod(dovod, miesto, "the BMP image is damaged (%u bits a pixel)", bitov);
    // Rows run bottom up, or top down when the height is negative.
    hl->h = h < 0 ? -h : h;
    if (hl->w <= 0 || hl->h == 0) return Dovod(dovod, miesto, "%s", kBezPixelov);
    {
        // Rows from the pixel offset on (past the header, its masks and a palette of 256 colours at
        // most, or the image is damaged), each padded to 4 bytes; a colour profile may follow them.
        const unsigned long long riadok = ((unsigned long long)hl->w * bitov + 31) / 32 * 4;
        const unsigned long long najdalej = 14ull + velkost + 12 + 256 * 4;
        unsigned long long koniec = ((uint32_t)ofset < najdalej ? (uint32_t)ofset : najdalej) +
                                    riadok * (unsigned long long)hl->h;
        if (velkost == 124) {
            const unsigned long long profil = 14ull + Le32(d + 14 + 112) + Le32(d + 14 + 116);
            if (profil > koniec) koniec = profil < koniec + kPriestorPriloh ? profil : koniec + kPriestorPriloh;
        }
        hl->najviac = koniec + kPriestorZaPixelmi;
    }
    if (!aj_data) return 1;

    // Three colour masks follow the 40- and 56-byte headers of 16- and 32-bit bit-field images.
    const int maskami = kompresia == 3 && (velkost == 40 || velkost == 56) ? 12 : 0;
    const long long za_hlavickou = 14 + (long long)velkost + maskami;
    if ((size_t)za_hlavickou > n) return Dovod(dovod, miesto, "the BMP image is cut short (in its header)");
    int paleta = 0;  // colours in the palette, as the decoder counts them from the pixel offset
    if (os2 && bitov < 24) paleta = (ofset - 14 - 24) / 3;
    if (!os2 && bitov < 16) paleta = (ofset - 14 - (int)velkost) / 4;
    if (bitov < 16 && (paleta <= 0 || paleta > 256))
        return Dovod(dovod, miesto, "the BMP image is damaged (its palette)");
    if (bitov >= 16 && ofset != za_hlavickou)
        return Dovod(dovod, miesto, "the BMP image is damaged (its pixel offset)");

    const long long bajtov = bitov == 1 ? (hl->w + 7) / 8 : bitov == 4 ? (hl->w + 1) / 2 : hl->w * (bitov / 8);
    const long long riadok = (bajtov + 3) / 4 * 4;
    const unsigned long long koniec = (unsigned long long)ofset + (hl->h - 1) * riadok + bajtov;
    if (koniec > n)
        return Dovod(dovod, miesto, "the BMP image is cut short (its header promises %llu bytes, the file holds %llu)",
                     koniec, (unsigned long long)n);
    // A colour index past the palette would be looked up in table entries the decoder never set.
    if (bitov <= 8 && paleta < (1 << bitov)) {
        for (long long y = 0; y < hl->h; y++) {
            const unsigned char* r = d + ofset + y * riadok;
            for (long long x = 0; x < hl->w; x++) {
                const int index = bitov == 8 ? r[x] : bitov == 4 ? (r[x / 2] >> (x % 2 ? 0 : 4)) & 15
                                                                  : (r[x / 8] >> (7 - x % 8)) & 1;
                if (index >= paleta)
                    return Dovod(dovod, miesto, "the BMP image is damaged (colour %d of a palette of %d)", index, paleta);
            }
        }
    }
    return 1;
}

// --- TGA: 18-byte header, image id, palette, pixels plain or run-length coded ---

// The decoder's own test: TGA has no signature, only a header whose fields must make sense.
static bool JeTga(const unsigned char* d, size_t n)
{
    if (n < 18 || d[1] > 1) return false;
    const int druh = d[2], bitov = d[16];
    if (d[1] == 1) {
        if (druh != 1 && druh != 9) return false;
        if (d[7] != 8 && d[7] != 15 && d[7] != 16 && d[7] != 24 && d[7] != 32) return false;
        if (bitov != 8 && bitov != 16) return false;
    } else if (druh != 2 && druh != 3 && druh != 10 && druh != 11) {
        return false;
    }
    if (Le16(d + 12) < 1 || Le16(d + 14) < 1) return false;
    return bitov == 8 || bitov == 15 || bitov == 16 || bitov == 24 || bitov == 32;
}

static int Tga(const unsigned char* d, size_t n, HlavickaObrazu* hl, bool aj_data, char* dovod, size_t miesto)
{
    hl->w = Le16(d + 12);
    hl->h = Le16(d + 14);
    const bool paletovy = d[1] == 1, behy = d[2] >= 8;
    {
        // Header, image id, palette and pixels (a count byte for each pixel at worst when run-length
        // coded), then the footer's room and its table of 4 bytes a row.
        const unsigned long long farba_palety = (d[7] + 7) / 8, bod = (d[16] + 7) / 8;
        const unsigned long long pixelov = (unsigned long long)hl->w * (unsigned long long)hl->h;
        hl->najviac = 18 + (unsigned long long)d[0] + (paletovy ? Le16(d + 3) + Le16(d + 5) * farba_palety : 0) +
                      pixelov * (bod + (behy ? 1 : 0)) + 4 * (unsigned long long)hl->h + kPriestorZaPixelmi;
    }
    if (!aj_data) return 1;
    const int bitov_farby = paletovy ? d[7] : d[16];
    // Bytes of one colour: 15- and 16-bit colours are read as two bytes, grey with alpha too.
    int farba;
    switch (bitov_farby) {
    case 8: farba = 1; break;
    case 15: case 16: farba = 2; break;
    case 24: farba = 3; break;
    case 32: farba = 4; break;
    default: return Dovod(dovod, miesto, "the TGA image is damaged (%d bits a colour)", bitov_farby);
    }
    unsigned long long pos = 18 + (unsigned long long)d[0];
    if (paletovy) {
        if (Le16(d + 5) == 0) return Dovod(dovod, miesto, "the TGA image is damaged (an empty palette)");
        pos += Le16(d + 3) + (unsigned long long)Le16(d + 5) * farba;
        if (pos > n) return Dovod(dovod, miesto, "the TGA image is cut short (in its palette)");
    }
    const int bod = paletovy ? d[16] / 8 : farba;  // bytes read for each pixel
    unsigned long long zostava = (unsigned long long)hl->w * (unsigned long long)hl->h;
    if (!behy) {
        pos += zostava * bod;
    } else {
        // Packets: a count byte, then one pixel repeated or that many pixels.
        while (zostava > 0 && pos < n) {
            const int povel = d[pos++];
            const unsigned long long pocet = (povel & 127) + 1, vezme = pocet < zostava ? pocet : zostava;
            pos += povel & 128 ? bod : vezme * bod;
            zostava -= vezme;
        }
        if (zostava > 0) pos = n + 1;
    }
    if (pos > n) return Dovod(dovod, miesto, "the TGA image is cut short (its pixels end early)");
    return 1;
}

// --- recognising the format ---

static int Rozober(const unsigned char* d, size_t n, HlavickaObrazu* hl, bool aj_data, char* dovod, size_t miesto)
{
    switch (hl->druh) {
    case kPng: return RozoberPng(d, n, hl, aj_data, dovod, miesto);
    case kJpeg: return RozoberJpeg(d, n, hl, aj_data, dovod, miesto);
    case kBmp: return Bmp(d, n, hl, aj_data, dovod, miesto);
    case kPnm: return Pnm(d, n, hl, aj_data, dovod, miesto);
    case kTga: return Tga(d, n, hl, aj_data, dovod, miesto);
    }
    return 0;
}

int CitajHlavicku(const unsigned char* d, size_t n, HlavickaObrazu* hl, char* dovod, size_t miesto)
{
    *hl = HlavickaObrazu{};
    size_t k = 0;
    while (k < n && d[k] == 0xFF) k++;
    if (k > 0 && k < n && d[k] == 0xD8) {
        *hl = HlavickaObrazu{kJpeg, "JPEG", 0, 0, 0, false};
    } else if (n >= 8 && memcmp(d, kPngPodpis, sizeof kPngPodpis) == 0) {
        *hl = HlavickaObrazu{kPng, "PNG", 0, 0, 0, false};
    } else if (n >= 2 && d[0] == 'B' && d[1] == 'M') {
        *hl = HlavickaObrazu{kBmp, "BMP", 0, 0, 0, false};
    } else if (n >= 2 && d[0] == 'P' && (d[1] == '5' || d[1] == '6')) {
        *hl = HlavickaObrazu{kPnm, "PPM/PGM", 0, 0, 0, false};
    } else if (JeTga(d, n)) {
        *hl = HlavickaObrazu{kTga, "TGA", 0, 0, 0, false};
    } else {
        return Dovod(dovod, miesto, "not a PNG, BMP, PPM/PGM, TGA or JPEG image");
    }
    return Rozober(d, n, hl, false, dovod, miesto);
}

int SkontrolujCelistvost(const unsigned char* d, size_t n, const HlavickaObrazu& hl, char* dovod, size_t miesto)
{
    // The walks below count bytes of rows and pixels in 64 bits: fine for any image the search takes.
    if (hl.w * hl.h > INT_MAX) return Dovod(dovod, miesto, "the image is too large (%lld x %lld)", hl.w, hl.h);
    HlavickaObrazu znova = hl;
    return Rozober(d, n, &znova, true, dovod, miesto);
}
