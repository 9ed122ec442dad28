// The search on the live desktop: one snapshot, then the platform-free search.
#pragma once
#include <windows.h>

// The count of objects kept, or -1 when the search cannot run (no snapshot, no tables, no room for
// the objects it found).
int Zentrivo(HWND okno, int stupne_sedi, int velkost_objektu, int percento_vyplne);
