// The search on the live desktop: one snapshot, then the platform-free search.
#pragma once
#include "common/wintypes.h"

#ifdef _WIN32
int Zentrivo(HWND okno, int stupne_sedi, int velkost_objektu, int percento_vyplne);
#endif
