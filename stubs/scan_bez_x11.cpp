// zentrivo-scan's X11 end in a native build made without the X11 libraries: no screen to read.
#include <cstdio>

#include "scan/plocha_linux.h"

int HladajNaObrazovke(StavHladania*, RECT, int, int, int, int*, int*, const char**, char* chyba, size_t miesto)
{
    snprintf(chyba, miesto, "screen: this build reads no screen (it was made without libx11-dev and libxext-dev)");
    return -1;
}

int MonitoryX11(Plocha*, char* chyba, size_t miesto)
{
    snprintf(chyba, miesto, "this build reads no X display (it was made without libx11-dev and libxext-dev)");
    return 0;
}
