// The control window's picture: settings, object line, status and key help drawn onto the canvas.
#pragma once
#include "common/wintypes.h"

extern HDC g_hdcMemWindow; // canvas of the latest repaint, made by initscreen; empty until the first

// Draws the whole content of the control window onto *platno from the control state; changes nothing.
void OnWM_PAINT(HDC* platno, HWND okno);
