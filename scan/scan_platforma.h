// What zentrivo-scan needs from the platform: the live screen, standard streams that carry bytes
// unchanged, and whether two names are one file. The X11 screen natively (snimka_x11.cpp); the
// desktop of every platform is plocha.h's.
#pragma once
#include <cstddef>

#include "common/wintypes.h"
#include "search/hladanie.h"

// Sets the process up before any image: standard input and output pass bytes through as they are
// (LF line ends on every platform, images read whole from standard input), and the large buffers of
// one image are kept for the next one where the C library would give them back to the system.
void PripravProces();

// X11: searches the whole screen as HladajSoStavom searches an image, with the state's results; the
// screen's size goes to *w and *h and the way it was read to *sposob. Returns the count kept, or -1
// with a one-line reason (no line end) in chyba when the screen cannot be read (no reachable display
// among them) or memory runs out.
int HladajNaObrazovke(StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento, int* w, int* h,
                      const char** sposob, char* chyba, size_t miesto);

// Whether the names a and b both lead to one existing file, whatever the path, links or letter case
// say: the centres file must not overwrite the image.
bool TenIstySubor(const char* a, const char* b);
