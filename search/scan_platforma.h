// What zentrivo-scan needs from the platform: the live screen, and standard streams that carry bytes
// unchanged. X11 natively (snimka_x11.cpp), the program's own snapshot on Windows.
#pragma once
#include <cstddef>

#include "common/wintypes.h"

// Sets standard input and output to pass bytes through as they are (LF line ends on every platform,
// images read whole from standard input).
void PripravStdio();

// Copies the whole screen into a new malloc'd block of w x h COLORREF values, row-major, and names
// the way it was read in *sposob. On failure (no reachable display among them) returns nullptr with
// a one-line reason (no line end) in chyba.
COLORREF* CitajObrazovku(int* w, int* h, const char** sposob, char* chyba, size_t miesto);
