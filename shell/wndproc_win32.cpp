// The control window's procedure: messages become events of the control state, whose actions it
// carries out; it paints off screen, keeps timer 1, opens the dialogs and saves on closing.
#include "common/dpi_win32.h"
#include "dialogs/nastavenia_dlg_win32.h"
#include "dialogs/o_programe_win32.h"
#include "render/kit.h"
#include "render/okno_kresba.h"
#include "resources/resource.h"
#include "search/stredy_subor.h"
#include "search/zentrivo_win32.h"
#include "shell/nastavenia_win32.h"
#include "shell/obraz_okna.h"
#include "shell/okno_win32.h"
#include "shell/ovladanie.h"
#include "shell/stav.h"
#include "shell/vykonaj_akcie.h"
#include "tracking/sledovanie_win32.h"

static const UINT_PTR CASOVAC = 1;

static ObrazOkna s_posledny_obraz;  // what the last repaint showed
static int s_obraz_nakresleny;      // 1 once a repaint has shown a picture

static void Prekresli(HWND okno)
{
    RedrawWindow(okno, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}

// The centres are in physical pixels, as the search saw the screen.
static void PresunKurzor(int x, int y)
{
    DpiKurzorNa(x, y);
}

static void PoziadajZatvorit(HWND okno)
{
    SendMessageA(okno, WM_CLOSE, 0, 0);
}

// Canvas, content, readout when tracking, then one block transfer to the window. What it showed is
// kept for the timer ticks.
static void Vykresli(HWND okno, RECT klient)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(okno, &ps);
    initscreen(okno, &g_hdcMemWindow, g_pozadie);
    OnWM_PAINT(&g_hdcMemWindow, okno);
    POINT kurzor = {0, 0};
    COLORREF farba = 0;
    if (sledovanie_kurzora == 1) PohybMysiDesktop(okno, &g_hdcMemWindow, &kurzor, &farba);
    BitBlt(hdc, 0, 0, klient.right, klient.bottom, g_hdcMemWindow, 0, 0, SRCCOPY);
    EndPaint(okno, &ps);
    s_posledny_obraz = ObrazTeraz(klient.right, klient.bottom, kurzor, farba);
    s_obraz_nakresleny = 1;
}

// A tick while tracking reads the cursor and the colour under it; 1 when the picture they and the
// control state give differs from the one shown.
static int ZmenaObrazu(RECT klient)
{
    if (sledovanie_kurzora != 1) return 0;
    POINT kurzor;
    COLORREF farba;
    KurzorAFarba(&kurzor, &farba);
    const ObrazOkna teraz = ObrazTeraz(klient.right, klient.bottom, kurzor, farba);
    return !s_obraz_nakresleny || !RovnakyObraz(&teraz, &s_posledny_obraz);
}

// How the control state's actions are carried out on this window, the same for every message.
static const Vykonavac VYKONAVAC = {Prekresli, Zentrivo, PointPoleDoTxt, PresunKurzor, PoziadajZatvorit};

static INT_PTR OtvorDialog(HWND okno, int sablona, DLGPROC procedura)
{
    return DialogBoxParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(sablona), okno, procedura, 0);
}

static void Prikaz(HWND okno, WORD id)
{
    switch (id) {
    case IDM_NASTAVENIA:
        // OK has set the mode up; what Wine held back while the dialog was open is completed now.
        if (OtvorDialog(okno, IDD_NASTAVENIA, ProceduraDialogu2) == IDOK) DokonciRezimOkna(okno);
        break;
    case IDM_O_PROGRAME:
        OtvorDialog(okno, IDD_O_PROGRAME, ProceduraDialogu);
        break;
    case IDM_KONIEC:
        PoziadajZatvorit(okno);
        break;
    default:
        break;
    }
}

LRESULT CALLBACK WndProc(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam)
{
    RECT klient;
    GetClientRect(okno, &klient);

    Akcie akcie;
    akcie.pocet = 0;
    switch (sprava) {
    case WM_CREATE:
        SetTimer(okno, CASOVAC, g_cas_timera, NULL);
        UdalostStart(&akcie);
        break;
    case WM_PAINT:
        Vykresli(okno, klient);
        break;
    case WM_TIMER:
        UdalostCasovac(&akcie, (UINT)wParam, wParam == CASOVAC && ZmenaObrazu(klient));
        break;
    case WM_KEYDOWN: {
        // The minimum size's bound is the width of the desktop that the search sees.
        const RECT plocha = DpiPlocha();
        UdalostKlavesa(&akcie, (UINT)wParam, (DWORD)(plocha.right - plocha.left));
        break;
    }
    case WM_LBUTTONDOWN:
        UdalostLaveTlacidlo(&akcie);
        break;
    case WM_COMMAND:
        Prikaz(okno, LOWORD(wParam));
        break;
    case WM_CLOSE:
        // Saved here, before the default processing below destroys the window.
        WriteRegistry(okno);
        break;
    case WM_DESTROY:
        KillTimer(okno, CASOVAC);
        PostQuitMessage(0);
        break;
    default:
        break;
    }
    VykonajAkcie(okno, &akcie, &VYKONAVAC);
    return DefWindowProcA(okno, sprava, wParam, lParam);
}
