// The program's entry, minimal for now: it keeps the instance handle and ends; the control window
// and its message loop come with the window procedure.
#include <windows.h>

#include "shell/okno.h"

HINSTANCE g_hInstance = NULL;
HWND g_hwnd = NULL;
HBRUSH g_pozadie = NULL;

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    g_hInstance = hInstance;
    return 0;
}
