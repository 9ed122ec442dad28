// The entry: common controls, background brush, window class, settings, the control window in
// its mode, and the message loop.
#include "common/wintypes.h"

#include <commctrl.h>

#include "resources/resource.h"
#include "search/vysledky_win32.h"
#include "shell/nastavenia_win32.h"
#include "shell/okno_win32.h"
#include "shell/rezim_okna_win32.h"
#include "shell/stav.h"

HINSTANCE g_hInstance = NULL;
HWND g_hwnd = NULL;
HBRUSH g_pozadie = NULL;

static const char* const TRIEDA = "WindowClass";

static void Chyba(const char* text)
{
    MessageBoxA(NULL, text, "Error!", MB_ICONEXCLAMATION | MB_OK);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    // The resources are loaded from this instance; the show command is not applied, as the window is
    // created visible and then put into its saved mode.
    g_hInstance = hInstance;
    // The result lists sized for the desktop before the first search; without the memory the
    // searches grow them by what they find.
    VysledkyPodlaPlochy();

    // The manifest asks for version 6 of the common controls, whose classes the dialogs' controls
    // need registered; a program that could not show its dialogs ends here.
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_WIN95_CLASSES;
    if (!InitCommonControlsEx(&icc)) return 0;

    // One brush of bitmap 201, shared by the window class and every repaint's canvas.
    g_pozadie = CreatePatternBrush(LoadBitmapA(hInstance, MAKEINTRESOURCEA(IDB_POZADIE)));

    // The drop shadow and full redraw on resize; the program's own arrow cursor and icon.
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DROPSHADOW;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(hInstance, MAKEINTRESOURCEA(IDC_KURZOR_SIPKA));
    wc.hbrBackground = g_pozadie;
    wc.lpszClassName = TRIEDA;
    wc.hIcon = LoadIconA(hInstance, MAKEINTRESOURCEA(IDI_IKONA));
    wc.hIconSm = LoadIconA(hInstance, MAKEINTRESOURCEA(IDI_IKONA));

    // Without its class no window can be made: say so and end.
    if (!RegisterClassExA(&wc)) {
        Chyba("Window Registration Failed!");
        return 0;
    }

    // The settings come before the window, whose position and mode they give; a position saved on a
    // bigger screen is moved onto this one.
    ReadRegistry();
    OknoNaPlochu();

    // The menu (Settings, About, close) is the window's own, given at creation.
    HMENU menu = LoadMenuA(hInstance, MAKEINTRESOURCEA(IDM_MENU));

    // Each half of the stored position is an unsigned 16-bit number.
    HWND okno = CreateWindowExA(WS_EX_CLIENTEDGE, TRIEDA, " Objekty", WS_VISIBLE | WS_SYSMENU,
                                (int)LOWORD(g_dwWindowPos), (int)HIWORD(g_dwWindowPos),
                                hl_okno_sirka, hl_okno_vyska, NULL, menu, hInstance, NULL);

    // Without the window there is nothing to run: say so and end.
    if (!okno) {
        Chyba("Window Creation Failed!");
        return 0;
    }

    // The dialogs repaint and re-mode the control window through g_hwnd.
    g_hwnd = okno;

    // The saved mode decides the window's height and z-order (topmost while tracking).
    NastavRezimOkna(g_hwnd, sledovanie_kurzora);

    // One thread: the window's messages come through this loop (a modal dialog runs its own while it
    // is open) until WM_QUIT or an error.
    MSG msg = {};
    BOOL r;
    while ((r = GetMessageA(&msg, NULL, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    // The code posted with WM_QUIT (0); a loop ended by an error has nothing left to report and exits
    // with 0 as well.
    return r == 0 ? (int)msg.wParam : 0;
}
