// The control window's two modes: tracking (topmost, tall, no minimise box) and normal.
#pragma once
#include "common/wintypes.h"

struct RezimOkna {
    int navrchu;  // 1: topmost; 0: at the top of the windows that are not topmost
    int sirka;    // outer width
    int vyska;    // outer height
    DWORD styl;   // window style set after the size
};

// The mode that `sledovanie` selects: exactly 1 is tracking, anything else normal.
RezimOkna RezimPreSledovanie(DWORD sledovanie);
