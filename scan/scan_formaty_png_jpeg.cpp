// The walks of the PNG layout (chunks and their CRCs up to IEND) and of the JPEG layout (segments,
// scans and their coded data up to the end marker, scan_jpeg_sken.cpp walking the codes), as the
// decoder (stb_image) reads them.
#include <cstdint>

#include "scan/scan_formaty.h"
#include "scan/scan_formaty_spolocne.h"
#include "scan/scan_jpeg_sken.h"

// --- PNG: signature, then chunks (length, type, data, CRC) from IHDR to IEND ---

struct TabulkaCrc {
    uint32_t t[256];
};

static constexpr TabulkaCrc ZostavTabulkuCrc()
{
    TabulkaCrc tabulka = {};
    for (uint32_t k = 0; k < 256; k++) {
        uint32_t c = k;
        for (int b = 0; b < 8; b++) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tabulka.t[k] = c;
    }
    return tabulka;
}

// Made by the compiler: threads reading images at once find it complete, where a table filled on
// the first call would be read half-filled by a second thread.
static constexpr TabulkaCrc kTabulkaCrc = ZostavTabulkuCrc();

static uint32_t Crc(const unsigned char* p, size_t dlzka)
{
    uint32_t c = 0xFFFFFFFFu;
    for (size_t k = 0; k < dlzka; k++) c = kTabulkaCrc.t[(c ^ p[k]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

int RozoberPng(const unsigned char* d, size_t n, HlavickaObrazu* hl, bool aj_data, char* dovod, size_t miesto)
{
    if (n < 33) return Dovod(dovod, miesto, "the PNG image is cut short (in its header)");
    if (Be32(d + 8) != 13 || Be32(d + 12) != Be32((const unsigned char*)"IHDR"))
        return Dovod(dovod, miesto, "the PNG image is damaged (it does not start with its header chunk)");
    hl->w = Be32(d + 16);
    hl->h = Be32(d + 20);
    if (hl->w > 0x7FFFFFFF || hl->h > 0x7FFFFFFF) return Dovod(dovod, miesto, "the PNG image is damaged (in its header)");
    if (hl->w == 0 || hl->h == 0) return Dovod(dovod, miesto, "%s", kBezPixelov);
    {
        // The filtered rows: a filter byte and the samples of each row, each of the 7 passes of an
        // interlaced image adding its own (two bytes a row at most). Deflate codes a byte in 15 bits at
        // worst: twice the rows hold them with the blocks' headers; chunks and text take the room.
        static const int kZloziek[7] = {1, 0, 3, 1, 2, 0, 4};
        const int druh = d[25], zloziek = druh < 7 && kZloziek[druh] ? kZloziek[druh] : 4;
        const unsigned long long bitov = (unsigned long long)(d[24] ? d[24] : 16) * zloziek;
        const unsigned long long riadky =
            (unsigned long long)hl->h * (((unsigned long long)hl->w * bitov + 7) / 8 + 1 + (d[28] ? 14 : 0));
        hl->najviac = 2 * riadky + kPriestorPriloh;
    }
    if (!aj_data) return 1;
    size_t pos = 8;
    for (;;) {
        if (n - pos < 12) return Dovod(dovod, miesto, "the PNG image is cut short (no IEND chunk)");
        const uint32_t dlzka = Be32(d + pos);
        if (dlzka > 0x7FFFFFFF) return Dovod(dovod, miesto, "the PNG image is damaged (a chunk longer than 2 GB)");
        if (n - pos - 12 < dlzka) return Dovod(dovod, miesto, "the PNG image is cut short (no IEND chunk)");
        if (Crc(d + pos + 4, 4 + (size_t)dlzka) != Be32(d + pos + 8 + dlzka))
            return Dovod(dovod, miesto, "the PNG image is damaged (a chunk fails its CRC)");
        if (Be32(d + pos + 4) == Be32((const unsigned char*)"IEND")) return 1;
        pos += 12 + (size_t)dlzka;
    }
}

// --- JPEG: markers and their segments, entropy-coded data after each scan header, to EOI ---

// The next marker from pos on: fill bytes 0xFF skipped; junk before the marker is allowed only while
// `volne` (the decoder skips it between the header's segments). Returns the marker, or -1 when the
// data end first and -2 for junk where a marker must be.
static int Marker(const unsigned char* d, size_t n, size_t* pos, bool volne)
{
    while (*pos < n && d[*pos] != 0xFF) {
        if (!volne) return -2;
        ++*pos;
    }
    while (*pos < n && d[*pos] == 0xFF) ++*pos;
    return *pos < n ? d[(*pos)++] : -1;
}

static bool JeSof(int m) { return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC; }

// The Huffman tables of one DHT segment's data: each a class and number byte, 16 code counts and
// as many values, all within the segment. The decoder keeps at most 256 codes a table and writes
// past its arrays when the counts add up to more.
static bool HuffmanOk(const unsigned char* p, size_t dlzka)
{
    size_t pos = 0;
    while (pos < dlzka) {
        if (dlzka - pos < 17) return false;
        int kodov = 0;
        for (int k = 1; k <= 16; k++) kodov += p[pos + k];
        if (kodov > 256 || dlzka - pos - 17 < (size_t)kodov) return false;
        pos += 17 + (size_t)kodov;
    }
    return true;
}

// The JPEG layout: the header up to the frame header, and with stav the tables, the scans and their
// coded data, code by code, to the end marker.
static int Jpeg(const unsigned char* d, size_t n, HlavickaObrazu* hl, JpegStav* stav, char* dovod, size_t miesto)
{
    const char* const kSkrateny = "the JPEG image is cut short (it ends before its end marker)";
    size_t pos = 0;
    Marker(d, n, &pos, false);  // the start marker, already recognised
    int m;
    // The header: segments up to the frame header, which gives the size.
    for (;;) {
        m = Marker(d, n, &pos, true);
        hl->malo = m < 0 || n - pos < 2 || n - pos < Be16(d + pos);
        if (m < 0) return Dovod(dovod, miesto, "%s", kSkrateny);
        if (m == 0xD9 || (m >= 0xD0 && m <= 0xD8) || m == 0x01)
            return Dovod(dovod, miesto, "the JPEG image is damaged (no frame header)");
        if (n - pos < 2) return Dovod(dovod, miesto, "%s", kSkrateny);
        if (Be16(d + pos) < 2) return Dovod(dovod, miesto, "the JPEG image is damaged (a segment length)");
        if (n - pos < Be16(d + pos)) return Dovod(dovod, miesto, "%s", kSkrateny);
        if (JeSof(m)) break;
        if (m == 0xC4 && !HuffmanOk(d + pos + 2, Be16(d + pos) - 2))
            return Dovod(dovod, miesto, "the JPEG image is damaged (its Huffman tables)");
        if (stav && (m == 0xC4 || m == 0xDB || m == 0xDD) &&
            !JpegTabulky(stav, m, d + pos + 2, Be16(d + pos) - 2, dovod, miesto))
            return 0;
        pos += Be16(d + pos);
    }
    if (m != 0xC0 && m != 0xC1 && m != 0xC2)
        return Dovod(dovod, miesto, "the JPEG image is of a kind that is not read (lossless or arithmetic-coded)");
    if (Be16(d + pos) < 8) return Dovod(dovod, miesto, "the JPEG image is damaged (its frame header)");
    hl->h = Be16(d + pos + 3);
    hl->w = Be16(d + pos + 5);
    if (hl->w == 0 || hl->h == 0) return Dovod(dovod, miesto, "%s", kBezPixelov);
    {
        // Blocks of 8 x 8 of each component, MCUs of up to 32 x 32 pixels padding the edges. A block
        // codes 64 coefficients in a 16-bit code and 16 bits of value each at most, every byte of it
        // possibly stuffed: 512 bytes, and a restart marker. The scans of a progressive image code a
        // coefficient's bits in several passes: four times that.
        const unsigned long long blokov = (unsigned long long)d[pos + 7] * ((unsigned long long)hl->w / 8 + 4) *
                                          ((unsigned long long)hl->h / 8 + 4);
        hl->najviac = blokov * (m == 0xC2 ? 4 * 514 : 514) + kPriestorPriloh;
    }
    if (!stav) return 1;
    if (!JpegRamec(stav, m, d + pos + 2, Be16(d + pos) - 2, dovod, miesto)) return 0;
    pos += Be16(d + pos);

    // After the frame header: tables, scans and their coded data, until the end marker.
    bool sken = false;
    for (;;) {
        m = Marker(d, n, &pos, false);
        if (m == -1) return Dovod(dovod, miesto, "%s", kSkrateny);
        if (m == 0xD9) {
            if (!sken) return Dovod(dovod, miesto, "the JPEG image is damaged (no scan)");
            return JpegKoniec(stav, dovod, miesto);
        }
        const bool segment = m == 0xC4 || m == 0xDB || m == 0xDD || m == 0xDA || m == 0xDC || (m >= 0xE0 && m <= 0xEF) ||
                             m == 0xFE;
        if (!segment) return Dovod(dovod, miesto, "the JPEG image is damaged (an unexpected marker or byte)");
        if (n - pos < 2 || n - pos < Be16(d + pos)) return Dovod(dovod, miesto, "%s", kSkrateny);
        if (Be16(d + pos) < 2) return Dovod(dovod, miesto, "the JPEG image is damaged (a segment length)");
        if (m == 0xC4 && !HuffmanOk(d + pos + 2, Be16(d + pos) - 2))
            return Dovod(dovod, miesto, "the JPEG image is damaged (its Huffman tables)");
        if ((m == 0xC4 || m == 0xDB || m == 0xDD) && !JpegTabulky(stav, m, d + pos + 2, Be16(d + pos) - 2, dovod, miesto))
            return 0;
        const size_t hlavicka = pos;
        pos += Be16(d + pos);
        if (m != 0xDA) continue;
        sken = true;
        // The scan's blocks, code by code; then whatever the coded data hold past its last block.
        if (!JpegSken(stav, d, n, hlavicka, &pos, dovod, miesto)) return 0;
        // Coded data: a 0xFF is followed by 0 (a data byte) or a restart marker, else a marker begins.
        for (;;) {
            while (pos < n && d[pos] != 0xFF) pos++;
            size_t za = pos;
            while (za < n && d[za] == 0xFF) za++;
            if (za >= n) return Dovod(dovod, miesto, "%s", kSkrateny);
            if (d[za] != 0 && (d[za] < 0xD0 || d[za] > 0xD7)) break;
            pos = za + 1;
        }
    }
}

int RozoberJpeg(const unsigned char* d, size_t n, HlavickaObrazu* hl, bool aj_data, char* dovod, size_t miesto)
{
    if (!aj_data) return Jpeg(d, n, hl, nullptr, dovod, miesto);
    JpegStav stav;
    JpegZacni(&stav);
    const int ok = Jpeg(d, n, hl, &stav, dovod, miesto);
    JpegUvolni(&stav);
    return ok;
}
