// What one picture of the control window shows: OnWM_PAINT draws these values, and a timer tick
// repaints only when a new picture would differ from the last one.
#pragma once
#include "common/wintypes.h"

struct ObrazOkna {
    DWORD stupne_sedi, velkost_objektu, percento_vyplne, volba;
    int pocet_objektov, cislo_objektu, status;
    RECT objekt;        // the current object's rectangle while the object line is shown, else zeros
    DWORD sledovanie;   // 1: the readout strip is drawn
    LONG sirka, vyska;  // the client area
    POINT kurzor;       // the readout: the cursor and the colour under it; zeros without the strip
    COLORREF farba;
};

// The picture that the control state gives for a client area sirka x vyska, with the readout's
// cursor position and colour.
ObrazOkna ObrazTeraz(LONG sirka, LONG vyska, POINT kurzor, COLORREF farba);
// 1 when the two pictures are the same.
int RovnakyObraz(const ObrazOkna* a, const ObrazOkna* b);
