// zentrivo-scan's desktop on Windows: the virtual screen, every monitor in one image whose top-left
// pixel is the desktop point (SM_XVIRTUALSCREEN, SM_YVIRTUALSCREEN), read in physical pixels a strip
// of rows at a time and searched as it comes; its monitors from EnumDisplayMonitors.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/dib_win32.h"
#include "common/dpi_win32.h"
#include "scan/plocha_win32.h"

// Rows copied at a time: the strip's bitmap is a few megabytes even on a wide desktop.
static const int kRiadkovPasu = 64;

typedef HRESULT(WINAPI* DpiMonitora)(HMONITOR, int, UINT*, UINT*);

// A monitor's scale from its effective DPI (shcore.dll, Windows 8.1 and later); 1 where none is given.
static double Mierka(HMONITOR m)
{
    static DpiMonitora dpi = nullptr;
    static bool hladane = false;
    if (!hladane) {
        hladane = true;
        if (HMODULE shcore = LoadLibraryA("shcore.dll"))
            dpi = (DpiMonitora)(void*)GetProcAddress(shcore, "GetDpiForMonitor");
    }
    UINT x = 0, y = 0;
    if (dpi && dpi(m, 0 /* MDT_EFFECTIVE_DPI */, &x, &y) == S_OK && x > 0) return x / 96.0;
    return 1.0;
}

static BOOL CALLBACK PridajMonitor(HMONITOR m, HDC, LPRECT, LPARAM zoznam)
{
    MONITORINFOEXA info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(m, &info)) return TRUE;
    Monitor j;
    j.meno = info.szDevice;
    j.primarny = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    j.x = info.rcMonitor.left, j.y = info.rcMonitor.top;
    j.sirka = info.rcMonitor.right - info.rcMonitor.left, j.vyska = info.rcMonitor.bottom - info.rcMonitor.top;
    j.mierka = Mierka(m);
    ((std::vector<Monitor>*)zoznam)->push_back(j);
    return TRUE;
}

int ZistiMonitory(const char* sposob, Plocha* p, char* chyba, size_t miesto)
{
    if (sposob) {
        snprintf(chyba, miesto, "--screen=%s: Windows reads its desktop one way only", sposob);
        return 0;
    }
    // Physical pixels: the manifest declares the process per-monitor aware; older systems are asked.
    DpiFyzickeVlakno();
    p->x = GetSystemMetrics(SM_XVIRTUALSCREEN), p->y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    p->w = GetSystemMetrics(SM_CXVIRTUALSCREEN), p->h = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    p->monitory.clear();
    EnumDisplayMonitors(nullptr, nullptr, PridajMonitor, (LPARAM)&p->monitory);
    if (p->monitory.empty() && p->w > 0 && p->h > 0) {
        Monitor j;
        j.meno = "desktop", j.primarny = true, j.x = p->x, j.y = p->y, j.sirka = p->w, j.vyska = p->h;
        p->monitory.push_back(j);
    }
    if (p->w > 0 && p->h > 0) return 1;
    snprintf(chyba, miesto, "screen: the desktop has no pixels");
    return 0;
}

// The strips copied from the screen into one top-down DIB section and handed to the search, each
// into `farby`, or with `cela` each to its own rows of `farby`, the whole desktop, and not searched.
static int PrejdiPasy(const Plocha& p, StavHladania* stav, RECT vylucene, int stupen, COLORREF* farby, bool cela)
{
    const int pas = p.h < kRiadkovPasu ? p.h : kRiadkovPasu;
    HDC obrazovka = GetDC(nullptr);
    HDC pamat = CreateCompatibleDC(obrazovka);
    BITMAPINFO bi = InfoDib32(p.w, pas);
    void* bity = nullptr;
    HBITMAP bitmapa = CreateDIBSection(pamat, &bi, DIB_RGB_COLORS, &bity, nullptr, 0);
    HGDIOBJ povodna = bitmapa ? SelectObject(pamat, bitmapa) : nullptr;
    int ok = bitmapa != nullptr;
    for (int y = 0; ok && y < p.h; y += pas) {
        const int riadkov = p.h - y < pas ? p.h - y : pas;
        ok = BitBlt(pamat, 0, 0, p.w, riadkov, obrazovka, p.x, p.y + y, SRCCOPY | CAPTUREBLT) && GdiFlush();
        if (!ok) break;
        // A DIB pixel is blue in the low byte, a COLORREF red; the top byte is unused in both.
        const uint32_t* z = (const uint32_t*)bity;
        COLORREF* ciel = cela ? farby + (size_t)y * (size_t)p.w : farby;
        for (size_t k = 0, n = (size_t)p.w * (size_t)riadkov; k < n; k++)
            ciel[k] = ((z[k] & 0xFF) << 16) | (z[k] & 0xFF00) | ((z[k] >> 16) & 0xFF);
        if (!cela) PridajRiadky(stav, p.w, y, riadkov, farby, vylucene, stupen);
    }
    if (bitmapa) {
        SelectObject(pamat, povodna);
        DeleteObject(bitmapa);
    }
    DeleteDC(pamat);
    ReleaseDC(nullptr, obrazovka);
    return ok;
}

int HladajNaPloche(const char* sposob, StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento,
                   Plocha* p, char* chyba, size_t miesto)
{
    if (!ZistiMonitory(sposob, p, chyba, miesto)) return -1;
    p->sposob = "BitBlt";
    const RECT v = VObraze(vylucene, *p);
    const int pas = p->h < kRiadkovPasu ? p->h : kRiadkovPasu;
    COLORREF* farby = (COLORREF*)malloc((size_t)p->w * (size_t)pas * sizeof(COLORREF));
    int pocet = -1;
    if (!farby || !ZacniHladanie(stav, p->w, p->h))
        snprintf(chyba, miesto, "screen: not enough memory to search a %d x %d desktop", p->w, p->h);
    else if (!PrejdiPasy(*p, stav, v, stupen, farby, false))
        snprintf(chyba, miesto, "screen: the desktop could not be copied");
    else if ((pocet = DokonciHladanie(stav, p->h, min_velkost, percento)) < 0)
        snprintf(chyba, miesto, "screen: not enough memory to search a %d x %d desktop", p->w, p->h);
    free(farby);
    return pocet;
}

int KopirujPlochu(const Plocha& p, COLORREF* farby) { return PrejdiPasy(p, nullptr, RECT{}, 0, farby, true); }
