// About dialog: its painting (platform-free) and, in the Windows build, its dialog procedure.
#pragma once
#include "common/wintypes.h"

// Paints the description, the rule and the credit line straight onto the dialog's paint context.
void OnWM_PAINTDLG(HDC hdc);
// The same painting; *obsah gets the rectangle it covers (right and bottom exclusive).
void KresbaOPrograme(HDC hdc, RECT* obsah);

#ifdef _WIN32
extern HBRUSH g_pozadieDlg; // background pattern brush of the About dialog (bitmap 202)
INT_PTR CALLBACK ProceduraDialogu(HWND dlg, UINT sprava, WPARAM wParam, LPARAM lParam);
#endif
