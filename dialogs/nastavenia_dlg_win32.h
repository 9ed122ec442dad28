// The Settings dialog's procedure, its background brush, and what its owner does after it (Windows build).
#pragma once
#include <windows.h>

extern HBRUSH g_pozadieDlg2; // background pattern brush of the Settings dialog (bitmap 203)

// OK stores the check box in sledovanie_kurzora and sets the control window's mode up; Cancel
// changes nothing.
INT_PTR CALLBACK ProceduraDialogu2(HWND dlg, UINT sprava, WPARAM wParam, LPARAM lParam);
// Called by the owner once the dialog has ended with OK: completes the topmost placement that OK
// asked for where the platform refused it while the dialog was open; otherwise changes nothing.
void DokonciRezimOkna(HWND okno);
