// What the About and Settings dialogs share: the class, style and font steps of their
// initialisation, their pattern brushes, and fitting the caption-less dialog to its content.
#pragma once
#include "common/wintypes.h"

#ifdef _WIN32
// A pattern brush from bitmap `id`; the bitmap goes to *bitmapa, to be freed with the brush.
HBRUSH VzorovyStetec(int id, HBITMAP* bitmapa);
// Frees a brush made by VzorovyStetec and its bitmap; both handles become empty.
void UvolniStetec(HBRUSH* stetec, HBITMAP* bitmapa);
// The class that all dialogs share: cursor 302, small icon 102, drop shadow as its only style.
void UpravTriedu(HWND dlg);
// No caption, system menu or frame: a popup with a sunken edge.
void BezRamu(HWND dlg);
// The stock GUI font with the given height and face.
HFONT PismoTlacidiel(int vyska, const char* pismo);
// Lets the platform recompute the frame that BezRamu changed, puts the dialog's corner where the
// template put its client area, and widens and lengthens the dialog as far as needed to show its
// controls and what `kresba` paints, with a small margin.
void PrisposobDialog(HWND dlg, void (*kresba)(HDC, RECT*));
#endif
