// Per-thread DPI awareness, looked up at run time: user32 has SetThreadDpiAwarenessContext from
// Windows 10 1607 on, and the per-monitor version 2 context from 1703 on.
#include "common/dpi_win32.h"

typedef HANDLE(WINAPI* NastavKontext)(HANDLE kontext);

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE.
static const HANDLE PER_MONITOR_V2 = (HANDLE)(INT_PTR)-4;
static const HANDLE PER_MONITOR = (HANDLE)(INT_PTR)-3;

static NastavKontext Nastav()
{
    static const NastavKontext funkcia =
        (NastavKontext)(void*)GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext");
    return funkcia;
}

HANDLE DpiFyzickeZaciatok()
{
    NastavKontext nastav = Nastav();
    if (!nastav) return NULL;
    // An invalid or unknown context leaves the thread as it was and answers NULL.
    HANDLE predosly = nastav(PER_MONITOR_V2);
    if (!predosly) predosly = nastav(PER_MONITOR);
    return predosly;
}

void DpiFyzickeKoniec(HANDLE predosly)
{
    if (predosly) Nastav()(predosly);
}

void DpiFyzickeVlakno()
{
    if (!DpiFyzickeZaciatok() && !IsProcessDPIAware()) SetProcessDPIAware();
}

RECT DpiPlocha()
{
    RECT plocha = {};
    HANDLE predosly = DpiFyzickeZaciatok();
    GetClientRect(GetDesktopWindow(), &plocha);
    DpiFyzickeKoniec(predosly);
    return plocha;
}

void DpiKurzorNa(int x, int y)
{
    HANDLE predosly = DpiFyzickeZaciatok();
    SetCursorPos(x, y);
    DpiFyzickeKoniec(predosly);
}
