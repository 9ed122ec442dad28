// The drawing kit: off-screen canvas, labels, key caps, arrow keys, boxes and lines.
// GDI in the Windows build; the native tests link a recording double instead.
#pragma once
#include "common/wintypes.h"
#include "render/sipky.h"

// Replaces *platno with a new canvas of the window's client size, filled with `pozadie`.
void initscreen(HWND okno, HDC* platno, HBRUSH pozadie);
// Formats `format` with `hodnota`, draws it at (x, y) and stores its extent in *rozmer.
void Napis(HDC hdc, SIZE* rozmer, const char* format, int hodnota, int x, int y, COLORREF farba,
           int vyska, int hrube, int zvisle, const char* pismo);
// Key cap sized to its caption; *rozmer gets the caption's extent.
void KlavesaMala(HDC hdc, SIZE* rozmer, const char* popis, int roh, int x, int y);
// Arrow key: a square key of side `velkost` at (x, y) with an arrow pointing `smer` (SmerSipky).
void Sipka(HDC hdc, int smer, int velkost, int x, int y);
inline void SipkaVpravo(HDC hdc, int velkost, int x, int y) { Sipka(hdc, SIPKA_VPRAVO, velkost, x, y); }
inline void SipkaVlavo(HDC hdc, int velkost, int x, int y) { Sipka(hdc, SIPKA_VLAVO, velkost, x, y); }
inline void SipkaHore(HDC hdc, int velkost, int x, int y) { Sipka(hdc, SIPKA_HORE, velkost, x, y); }
inline void SipkaDole(HDC hdc, int velkost, int x, int y) { Sipka(hdc, SIPKA_DOLE, velkost, x, y); }
// Framed box with rounded corners, right and bottom edges excluded.
void Okienko(HDC hdc, COLORREF obrys, COLORREF vypln, int roh, int x, int y, int sirka, int vyska);
void Usecka(HDC hdc, COLORREF farba, int hrubka, int x1, int y1, int x2, int y2);
