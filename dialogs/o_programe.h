// The About dialog's picture, platform-free; its procedure is in o_programe_win32.h.
#pragma once
#include "common/wintypes.h"

// Paints the description, the rule and the credit line straight onto the dialog's paint context.
void OnWM_PAINTDLG(HDC hdc);
// The same painting; *obsah gets the rectangle it covers (right and bottom exclusive).
void KresbaOPrograme(HDC hdc, RECT* obsah);

// Lines 1 to 10 of the description, in the order painted; line 11 is painted in three pieces.
extern const char* const RIADKY_O_PROGRAME[10];
