// The About dialog's procedure and its background brush (Windows build).
#pragma once
#include <windows.h>

extern HBRUSH g_pozadieDlg; // background pattern brush of the About dialog (bitmap 202)

// Closes on OK, on ESC and on a left click anywhere on its surface.
INT_PTR CALLBACK ProceduraDialogu(HWND dlg, UINT sprava, WPARAM wParam, LPARAM lParam);
