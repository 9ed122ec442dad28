// The control window (Windows build): its window procedure and the handles that the entry sets up.
#pragma once
#include <windows.h>

extern HINSTANCE g_hInstance; // the module instance, set by WinMain
extern HWND g_hwnd;           // the control window, set by WinMain
extern HBRUSH g_pozadie;      // background pattern brush of the control window (bitmap 201)

LRESULT CALLBACK WndProc(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam);
