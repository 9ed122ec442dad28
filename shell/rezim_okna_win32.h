// Putting the control window into one of its two modes.
#pragma once
#include <windows.h>

// Applies the mode of `sledovanie` to the window: z-order and size (position kept), then the style.
void NastavRezimOkna(HWND okno, DWORD sledovanie);
