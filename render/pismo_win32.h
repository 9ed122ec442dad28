// Fonts of the kit: the stock default GUI font's description with only the named fields changed.
#pragma once
#include <windows.h>

// Fills *popis from DEFAULT_GUI_FONT, copies the face (cut to 31 characters so it always fits the
// 32-byte field) and, when vyska is not 0, sets the height; every other field stays the stock font's.
void PopisPisma(LOGFONTA* popis, const char* pismo, int vyska);
