// The About dialog's procedure: textured, caption-less, closed by OK, ESC or a click anywhere.
#include "dialogs/dialog_spolocne.h"
#include "dialogs/o_programe.h"
#include "resources/resource.h"
#include "shell/okno.h"

HBRUSH g_pozadieDlg = NULL;

static HBITMAP s_bitmapa = NULL; // bitmap behind g_pozadieDlg, freed with it
static HFONT s_pismo = NULL;     // the OK button's font, for the life of the dialog

static void Inicializuj(HWND dlg)
{
    g_pozadieDlg = VzorovyStetec(IDB_POZADIE_O_PROGRAME, &s_bitmapa);
    UpravTriedu(dlg);
    BezRamu(dlg);
    s_pismo = PismoTlacidiel(-12, "Segoe UI");
    SendDlgItemMessageA(dlg, IDOK, WM_SETFONT, (WPARAM)s_pismo, 1);
    PrisposobDialog(dlg, KresbaOPrograme);
}

static void Zatvor(HWND dlg, WPARAM wParam)
{
    RedrawWindow(g_hwnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    DeleteObject(s_pismo);
    s_pismo = NULL;
    EndDialog(dlg, LOWORD(wParam));
}

INT_PTR CALLBACK ProceduraDialogu(HWND dlg, UINT sprava, WPARAM wParam, LPARAM lParam)
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
        OnWM_PAINTDLG(hdc);
        EndPaint(dlg, &ps);
        break;
    }
    case WM_CTLCOLORDLG:
        SetBkMode((HDC)wParam, TRANSPARENT);
        vysledok = (INT_PTR)g_pozadieDlg;
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) Zatvor(dlg, wParam);
        break;
    case WM_LBUTTONDOWN:
        Zatvor(dlg, wParam);
        break;
    case WM_DESTROY:
        // The dialog no longer erases with the brush: this opening's brush and bitmap can go.
        UvolniStetec(&g_pozadieDlg, &s_bitmapa);
        break;
    default:
        break;
    }
    return vysledok;
}
