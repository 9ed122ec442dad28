// The Settings dialog's picture, platform-free; its procedure is in nastavenia_dlg_win32.h.
#pragma once
#include "common/wintypes.h"

// Paints the check box's label and its note straight onto the dialog's paint context.
void OnWM_PAINTDLG2(HDC hdc);
// The same painting; *obsah gets the rectangle it covers (right and bottom exclusive).
void KresbaNastavenia(HDC hdc, RECT* obsah);

