// zentrivo-scan's platform ends in a native build made without the X11 libraries: no screen to read.
#include <malloc.h>

#include <cstdio>

#include "search/scan_platforma.h"

// The C library would hand every image's buffers back to the system and take them again for the
// next image, paying a page fault for every 4 KB of them, more than the decoding costs: the blocks
// come from the heap instead and stay there until the process ends.
void PripravProces()
{
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
}

int HladajNaObrazovke(StavHladania*, RECT, int, int, int, int*, int*, const char**, char* chyba, size_t miesto)
{
    snprintf(chyba, miesto, "screen: this build reads no screen (it was made without libx11-dev and libxext-dev)");
    return -1;
}
