// The settings store on Windows: gathers the desktop and the window placement, then loads or saves.
#include <windows.h>
#include "shell/nastavenia_win32.h"
#include "shell/nastavenia.h"

int ReadRegistry()
{
    RECT desktop = {};
    GetClientRect(GetDesktopWindow(), &desktop);
    return ReadRegistryPre(desktop);
}

int OknoNaPlochu()
{
    RECT desktop = {};
    GetClientRect(GetDesktopWindow(), &desktop);
    return OknoNaPlochuPre(desktop);
}

int WriteRegistry(HWND okno)
{
    RECT desktop = {};
    GetClientRect(GetDesktopWindow(), &desktop);
    WINDOWPLACEMENT umiestnenie = {};
    umiestnenie.length = 44;
    GetWindowPlacement(okno, &umiestnenie);
    RECT r = {};
    GetWindowRect(okno, &r);
    return WriteRegistryPre(desktop, r, umiestnenie.showCmd);
}
