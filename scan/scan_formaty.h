// The layout of the image formats the scan command reads: which one a file is, its size from the
// header, and whether the file holds everything the header promises, before anything is decoded.
#pragma once
#include <cstddef>

enum DruhObrazu { kPng, kJpeg, kBmp, kPnm, kTga };

struct HlavickaObrazu {
    DruhObrazu druh;
    const char* nazov;  // "PNG", "JPEG", "BMP", "PPM/PGM", "TGA"
    long long w, h;     // as the header gives them; 1 or more once read
    // The most bytes a w x h image can take in this format as the header describes it: the exact
    // count of PPM/PGM, BMP and plain TGA (and a trailer's room), the worst case of the compressed
    // formats, and the room their ancillary data may take.
    unsigned long long najviac = 0;
    bool malo = false;  // the header's walk met the end of the data: more data may change its answer
    // PPM/PGM only: the largest sample value, and where the samples start.
    long long max_hodnota = 0;
    size_t pixely_od = 0;
};

// The room that ancillary data may take besides the pixels (PNG chunks, JPEG segments: text, colour
// profiles, camera data), and a header's largest size before the image is refused.
const unsigned long long kPriestorPriloh = 4ull << 20;
// The room after the pixels of PPM/PGM, BMP and TGA: a final line end, a TGA's footer and tables.
const unsigned long long kPriestorZaPixelmi = 64ull << 10;

// Recognises the format from the first bytes and reads the width and height. 0 with a reason (no
// line end, the file not named) when the data are none of the formats, the header is cut short or
// damaged, or the image has no pixels.
int CitajHlavicku(const unsigned char* data, size_t dlzka, HlavickaObrazu* hl, char* dovod, size_t miesto);

// Walks the data as the decoder will read them: 1 when every byte the header promises is there and
// the layout holds; 0 with a reason when the file is cut short or damaged (a PNG chunk failing its
// CRC, a JPEG that never reaches its end marker, a palette index past the palette).
int SkontrolujCelistvost(const unsigned char* data, size_t dlzka, const HlavickaObrazu& hl, char* dovod,
                         size_t miesto);
