// The control window's procedure: messages become events of the control state, whose actions it
// carries out; it paints off screen, keeps timer 1, opens the dialogs and saves on closing.
#include "dialogs/nastavenia_dlg_win32.h"
#include "dialogs/o_programe_win32.h"
#include "render/kit.h"
#include "render/okno_kresba.h"
#include "resources/resource.h"
#include "search/stredy_subor.h"
#include "search/zentrivo.h"
#include "shell/nastavenia.h"
#include "shell/okno.h"
#include "shell/ovladanie.h"
#include "shell/stav.h"
#include "shell/vykonaj_akcie.h"
#include "tracking/sledovanie.h"

static const UINT_PTR CASOVAC = 1;

static void Prekresli(HWND okno)
{
    RedrawWindow(okno, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}

static void PresunKurzor(int x, int y)
{
    SetCursorPos(x, y);
}

static void PoziadajZatvorit(HWND okno)
{
    SendMessageA(okno, WM_CLOSE, 0, 0);
}

// Canvas, content, readout when tracking, then one block transfer to the window.
static void Vykresli(HWND okno, RECT klient)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(okno, &ps);
    initscreen(okno, &g_hdcMemWindow, g_pozadie);
    OnWM_PAINT(&g_hdcMemWindow, okno);
    if (sledovanie_kurzora == 1) PohybMysiDesktop(okno, &g_hdcMemWindow);
    BitBlt(hdc, 0, 0, klient.right, klient.bottom, g_hdcMemWindow, 0, 0, SRCCOPY);
    EndPaint(okno, &ps);
}

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

static void Vykonaj(HWND okno, const Akcie* akcie)
{
    Vykonavac v;
    v.okno = okno;
    v.prekresli = Prekresli;
    v.hladaj = Zentrivo;
    v.zapis_stredy = PointPoleDoTxt;
    v.kurzor = PresunKurzor;
    v.zatvor = PoziadajZatvorit;
    VykonajAkcie(akcie, &v);
}

LRESULT CALLBACK WndProc(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam)
{
    RECT klient, plocha;
    GetClientRect(okno, &klient);
    GetClientRect(GetDesktopWindow(), &plocha);

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
        UdalostCasovac(&akcie, (UINT)wParam);
        break;
    case WM_KEYDOWN:
        UdalostKlavesa(&akcie, (UINT)wParam, (DWORD)(plocha.right - plocha.left));
        break;
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
    Vykonaj(okno, &akcie);
    return DefWindowProcA(okno, sprava, wParam, lParam);
}
