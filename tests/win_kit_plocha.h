// Memory canvases with a known background for the Wine tests of the drawing kit, and a count of live GDI objects.
#pragma once
#include <windows.h>

#include "common/dib_win32.h"

// A memory drawing context with a 32-bit top-down bitmap filled with one colour; pixels readable directly.
struct Plocha {
    HDC hdc;
    HBITMAP bitmapa;
    HGDIOBJ povodna;
    DWORD* pixely;
    int sirka, vyska;
};

inline Plocha NovaPlocha(int sirka, int vyska, COLORREF pozadie)
{
    Plocha p = {};
    BITMAPINFO bi = InfoDib32(sirka, vyska);
    void* bity = nullptr;
    p.hdc = CreateCompatibleDC(NULL);
    p.bitmapa = CreateDIBSection(p.hdc, &bi, DIB_RGB_COLORS, &bity, NULL, 0);
    p.povodna = SelectObject(p.hdc, p.bitmapa);
    p.pixely = (DWORD*)bity;
    p.sirka = sirka;
    p.vyska = vyska;
    HBRUSH stetec = CreateSolidBrush(pozadie);
    RECT r = {0, 0, sirka, vyska};
    FillRect(p.hdc, &r, stetec);
    DeleteObject(stetec);
    return p;
}

// The pixel at (x, y) as a COLORREF.
inline COLORREF Bod(const Plocha& p, int x, int y)
{
    GdiFlush();
    const DWORD v = p.pixely[y * p.sirka + x];
    return RGB((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff);
}

// Pixels of exactly one colour inside [x0, x1) x [y0, y1).
inline int PocetBodov(const Plocha& p, COLORREF farba, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (Bod(p, x, y) == farba) ++n;
    return n;
}

inline void ZrusPlochu(Plocha* p)
{
    SelectObject(p->hdc, p->povodna);
    DeleteObject(p->bitmapa);
    DeleteDC(p->hdc);
}

// Live GDI objects of this process. Wine does not implement GetGuiResources (it answers 0) but
// accepts a handle's table index alone, so there every index is tried; Windows answers directly.
inline int ZiveObjektyGdi()
{
    const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (n != 0) return (int)n;
    int pocet = 0;
    for (UINT_PTR i = 0; i < 0x10000; ++i)
        if (GetObjectType((HGDIOBJ)i)) ++pocet;
    return pocet;
}
