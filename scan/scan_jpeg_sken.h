// The JPEG scans walked code by code, as the decoder (stb_image) will read them: every block of every
// scan there, and no DC value past what 8-bit samples give.
#pragma once
#include <cstddef>
#include <cstdint>

struct JpegHuffman {
    bool definovana;
    unsigned char rychla[512];  // the code's first 9 bits: the value's index, 255 for a longer code
    unsigned char dlzky[257];   // each value's code length, 0 after the last
    uint32_t maxkod[18];        // one past the largest code of each length, shifted to 16 bits
    int posun[17];              // from a code of each length to its value's index
    unsigned char hodnoty[256];
    // An AC table's code with its value's bits in the first 9 bits at once: the zeros it skips times
    // 256 and the bits it takes; 0 for others.
    unsigned short rychla_ac[512];
};

struct JpegZlozka {
    int id, h, v, tq;       // from the frame header: sampling factors and quantisation table
    int hd, ha;             // the DC and AC Huffman tables of the current scan
    int x, y;               // the component's own size in pixels
    int blokov_x, blokov_y; // its blocks as the decoder keeps them (whole MCUs)
    uint64_t* nenulove;     // progressive: each block's coefficients that are not 0, in zigzag order
    signed char bit[64];    // each coefficient's lowest bit coded so far, -1 none yet
};

struct JpegStav {
    JpegHuffman dc[4], ac[4];
    unsigned q0[4];   // the DC quantiser of each quantisation table
    int interval;     // MCUs between restart markers, 0 none
    bool ramec;       // a frame the decoder takes: its scans are walked
    bool progresivny;
    int zloziek, hmax, vmax, mcu_x, mcu_y;
    JpegZlozka z[4];
};

void JpegZacni(JpegStav* s);
void JpegUvolni(JpegStav* s);

// A DHT, DQT or DRI segment's data (after its length), marker m: 0 with a reason when damaged.
int JpegTabulky(JpegStav* s, int m, const unsigned char* p, size_t dlzka, char* dovod, size_t miesto);

// The frame header's data: a frame the decoder refuses leaves the scans unwalked (it says why).
// 0 with a reason only when memory for the walk runs out.
int JpegRamec(JpegStav* s, int m, const unsigned char* p, size_t dlzka, char* dovod, size_t miesto);

// The scan whose header's data are at d + hlavicka, its coded data from *pos: walks every block the
// decoder will read and moves *pos to where the coded data stop. 0 with a reason when they end
// before the scan's last block, hold a code no table has, or a DC value overflows.
int JpegSken(JpegStav* s, const unsigned char* d, size_t n, size_t hlavicka, size_t* pos, char* dovod, size_t miesto);

// At the end marker: every coefficient of every component coded to its last bit (a progressive
// image that lost its later scans is not).
int JpegKoniec(const JpegStav* s, char* dovod, size_t miesto);
