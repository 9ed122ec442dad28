// The Settings dialog's procedure: the cursor-tracking check box, OK switching the window mode.
#include "dialogs/dialog_spolocne.h"
#include "dialogs/nastavenia_dlg.h"
#include "resources/resource.h"
#include "shell/okno.h"
#include "shell/rezim_okna.h"
#include "shell/stav.h"

HBRUSH g_pozadieDlg2 = NULL;

static HBITMAP s_bitmapa = NULL; // bitmap behind g_pozadieDlg2, freed with it
static HFONT s_pismo = NULL;     // the buttons' font, for the life of the dialog

static void Inicializuj(HWND dlg)
{
    g_pozadieDlg2 = VzorovyStetec(IDB_POZADIE_NASTAVENIA, &s_bitmapa);
    UpravTriedu(dlg);
    BezRamu(dlg);
    s_pismo = PismoTlacidiel(-10, "Tahoma");
    SendDlgItemMessageA(dlg, IDOK, WM_SETFONT, (WPARAM)s_pismo, 1);
    SendDlgItemMessageA(dlg, IDCANCEL, WM_SETFONT, (WPARAM)s_pismo, 1);
    SendDlgItemMessageA(dlg, IDC_SLEDOVAT_KURZOR, BM_SETCHECK,
                        sledovanie_kurzora == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    PrisposobDialog(dlg, KresbaNastavenia);
}

static void Skonci(HWND dlg, INT_PTR vysledok)
{
    RedrawWindow(g_hwnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    DeleteObject(s_pismo);
    s_pismo = NULL;
    EndDialog(dlg, vysledok);
}

// OK sets the mode up every time, also when the box was not changed.
static void Ok(HWND dlg)
{
    LRESULT stav = SendDlgItemMessageA(dlg, IDC_SLEDOVAT_KURZOR, BM_GETCHECK, 0, 0);
    sledovanie_kurzora = stav == BST_CHECKED ? 1 : 0;
    NastavRezimOkna(g_hwnd, sledovanie_kurzora);
    Skonci(dlg, 1);
}

INT_PTR CALLBACK ProceduraDialogu2(HWND dlg, UINT sprava, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    INT_PTR vysledok = 0;
    switch (sprava) {
    case WM_INITDIALOG:
        Inicializuj(dlg);
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(dlg, &ps);
        OnWM_PAINTDLG2(hdc);
        EndPaint(dlg, &ps);
        break;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        SetBkMode((HDC)wParam, TRANSPARENT);
        vysledok = (INT_PTR)g_pozadieDlg2;
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) Ok(dlg);
        else if (LOWORD(wParam) == IDCANCEL) Skonci(dlg, 2);
        break;
    case WM_DESTROY:
        // The dialog no longer erases with the brush: this opening's brush and bitmap can go.
        UvolniStetec(&g_pozadieDlg2, &s_bitmapa);
        break;
    default:
        break;
    }
    return vysledok;
}
