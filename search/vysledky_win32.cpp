// The result lists of the Windows program sized from the desktop window's client rectangle, so that
// the program keeps its objects in the lists it had from the start as long as they fit.
#include "search/vysledky_win32.h"

#include <windows.h>

#include "common/dpi_win32.h"
#include "search/vysledky.h"

int VysledkyPodlaPlochy()
{
    // In physical pixels, the size the search works on.
    const RECT r = DpiPlocha();
    return RozsirVysledky(r.right - r.left, r.bottom - r.top);
}
