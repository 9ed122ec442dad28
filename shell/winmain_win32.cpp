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
    // 1. The instance; the show command is not applied, the window is created visible.
    g_hInstance = hInstance;
    // The result lists sized for the desktop before the first search; without the memory the
    // searches grow them by what they find.
    VysledkyPodlaPlochy();

    // 2. Common controls.
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_WIN95_CLASSES;
    if (!InitCommonControlsEx(&icc)) return 0;

    // 3. Background brush.
    g_pozadie = CreatePatternBrush(LoadBitmapA(hInstance, MAKEINTRESOURCEA(IDB_POZADIE)));

    // 4. Window class.
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

    // 5. Registration.
    if (!RegisterClassExA(&wc)) {
        Chyba("Window Registration Failed!");
        return 0;
    }

    // 6. Settings and the window's position; a position saved on a bigger screen is moved onto this one.
    ReadRegistry();
    OknoNaPlochu();

    // 7. Menu bar.
    HMENU menu = LoadMenuA(hInstance, MAKEINTRESOURCEA(IDM_MENU));

    // 8. The window; each half of the stored position is an unsigned 16-bit number.
    HWND okno = CreateWindowExA(WS_EX_CLIENTEDGE, TRIEDA, " Objekty", WS_VISIBLE | WS_SYSMENU,
                                (int)LOWORD(g_dwWindowPos), (int)HIWORD(g_dwWindowPos),
                                hl_okno_sirka, hl_okno_vyska, NULL, menu, hInstance, NULL);

    // 9. Creation failed.
    if (!okno) {
        Chyba("Window Creation Failed!");
        return 0;
    }

    // 10.
    g_hwnd = okno;

    // 11. Tracking or normal mode.
    NastavRezimOkna(g_hwnd, sledovanie_kurzora);

    // 12. Message loop, until WM_QUIT or an error.
    MSG msg = {};
    BOOL r;
    while ((r = GetMessageA(&msg, NULL, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    // 13. The code posted with WM_QUIT (0); an ended loop after an error also exits with 0.
    return r == 0 ? (int)msg.wParam : 0;
}
