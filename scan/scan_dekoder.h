// Decoding an image held in memory to 8-bit RGB: stb_image built in with only the formats the scan
// command reads, every block it allocates zero-filled.
#pragma once
#include <cstddef>

// Returns a new block of w x h pixels of *zloziek bytes each (1 grey, 2 grey and alpha, 3 RGB, 4 RGBA),
// row-major, or nullptr with the decoder's reason in *dovod. The pixels come in the image's own
// components, since the decoder's own conversion of a 16-bit grey PGM to RGB reads past its buffer.
// Expects data the format checks have passed.
unsigned char* DekodujObraz(const unsigned char* data, size_t dlzka, int* w, int* h, int* zloziek, const char** dovod);
void UvolniObraz(unsigned char* pixely);
