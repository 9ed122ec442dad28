// The watch on Windows: no notice of changes reaches a GDI program, so the desktop is copied every
// --interval (100 ms unless told) and searched only when the copy differs from the one before;
// Ctrl+C, Ctrl+Break and closing the console end it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scan/sledovanie_platforma.h"
#include "scan/plocha_win32.h"

static HANDLE g_zastav = nullptr;        // set when the watch is to end
static COLORREF* g_snimka = nullptr;     // the copy searched last
static COLORREF* g_nova = nullptr;       // the copy being compared with it
static int g_w = 0, g_h = 0;             // their size; 0 before the first copy

static BOOL WINAPI Zastav(DWORD udalost)
{
    if (udalost != CTRL_C_EVENT && udalost != CTRL_BREAK_EVENT && udalost != CTRL_CLOSE_EVENT) return FALSE;
    SetEvent(g_zastav);  // the watch ends at its next wait, after the lines it is writing
    return TRUE;
}

void ZacniZmeny(int, const char*)
{
    g_zastav = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(Zastav, TRUE);
}

void SkonciZmeny()
{
    SetConsoleCtrlHandler(Zastav, FALSE);
    if (g_zastav) CloseHandle(g_zastav);
    g_zastav = nullptr;
    free(g_snimka);
    free(g_nova);
    g_snimka = g_nova = nullptr;
    g_w = g_h = 0;
}

int PredvolenyInterval() { return 100; }

int CakajNaZmenu(long long) { return g_zastav && WaitForSingleObject(g_zastav, 0) == WAIT_OBJECT_0 ? -1 : 1; }

int Spi(long long ms)
{
    if (!g_zastav) {
        Sleep((DWORD)ms);
        return 1;
    }
    return WaitForSingleObject(g_zastav, ms < 0 ? INFINITE : (DWORD)ms) != WAIT_OBJECT_0;
}

int HladajZmenenu(const char* sposob, StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento,
                  Plocha* plocha, char* chyba, size_t miesto)
{
    // The virtual screen in physical pixels, as --screen reads it.
    if (!ZistiMonitory(sposob, plocha, chyba, miesto)) return -1;
    plocha->sposob = "BitBlt";
    const int sirka = plocha->w, vyska = plocha->h;
    const size_t bajtov = (size_t)sirka * (size_t)vyska * sizeof(COLORREF);
    if (sirka != g_w || vyska != g_h) {
        // A new size: the next copy is searched whatever it holds.
        free(g_snimka);
        free(g_nova);
        g_snimka = (COLORREF*)malloc(bajtov);
        g_nova = (COLORREF*)malloc(bajtov);
        g_w = g_h = 0;
        if (!g_snimka || !g_nova) {
            snprintf(chyba, miesto, "screen: not enough memory for a %d x %d desktop", sirka, vyska);
            return -1;
        }
    }
    if (!KopirujPlochu(*plocha, g_nova)) {
        snprintf(chyba, miesto, "screen: the desktop could not be copied");
        return -1;
    }
    if (g_w == sirka && g_h == vyska && memcmp(g_nova, g_snimka, bajtov) == 0) return kNezmenene;
    COLORREF* const hladana = g_nova;
    g_nova = g_snimka;
    g_snimka = hladana;
    g_w = sirka;
    g_h = vyska;
    const int pocet =
        HladajSoStavom(stav, sirka, vyska, hladana, VObraze(vylucene, *plocha), stupen, min_velkost, percento);
    if (pocet < 0) {
        g_w = g_h = 0;  // the results are gone: the next copy is searched
        snprintf(chyba, miesto, "screen: not enough memory to search a %d x %d desktop", sirka, vyska);
    }
    return pocet;
}
