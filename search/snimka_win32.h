// The desktop snapshot of the Windows build: one copy of the screen, read back in one bulk transfer.
#pragma once
#include <windows.h>

// Copies the top-left w x h pixels of the screen into `farby` (w x h COLORREF values, rows from the
// top). 1 on success; 0 when the copy or the read failed, and then every value is CLR_INVALID.
int SnimkaPlochy(int w, int h, COLORREF* farby);
