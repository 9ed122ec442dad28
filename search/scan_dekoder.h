// Decoding an image held in memory to 8-bit RGB: stb_image built in with only the formats the scan
// command reads, every block it allocates zero-filled.
#pragma once
#include <cstddef>

// Returns a new block of w x h RGB triples, row-major, or nullptr with the decoder's reason in
// *dovod. Expects data the format checks have passed.
unsigned char* DekodujRgb(const unsigned char* data, size_t dlzka, int* w, int* h, const char** dovod);
void UvolniRgb(unsigned char* rgb);
