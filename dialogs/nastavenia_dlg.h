// Settings dialog: its painting (platform-free) and, in the Windows build, its dialog procedure.
#pragma once
#include "common/wintypes.h"

// Paints the check box's label and its note straight onto the dialog's paint context.
void OnWM_PAINTDLG2(HDC hdc);
// The same painting; *obsah gets the rectangle it covers (right and bottom exclusive).
void KresbaNastavenia(HDC hdc, RECT* obsah);

#ifdef _WIN32
extern HBRUSH g_pozadieDlg2; // background pattern brush of the Settings dialog (bitmap 203)
INT_PTR CALLBACK ProceduraDialogu2(HWND dlg, UINT sprava, WPARAM wParam, LPARAM lParam);
#endif
