// The About dialog's procedure: textured, caption-less, closed by OK, ESC or a click anywhere.
#include "dialogs/o_programe_win32.h"
#include "dialogs/dialog_spolocne_win32.h"
#include "dialogs/o_programe.h"
#include "resources/resource.h"

HBRUSH g_pozadieDlg = NULL;

static Dialog s_dialog = {OnWM_PAINTDLG, &g_pozadieDlg, 0, NULL, NULL};

static void Inicializuj(HWND dlg)
{
    ZacniDialog(dlg, &s_dialog, IDB_POZADIE_O_PROGRAME, -12, "Segoe UI");
    SendDlgItemMessageA(dlg, IDOK, WM_SETFONT, (WPARAM)s_dialog.pismo, 1);
    PrisposobDialog(dlg, KresbaOPrograme);
}

INT_PTR CALLBACK ProceduraDialogu(HWND dlg, UINT sprava, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    INT_PTR vysledok = 0;
    switch (sprava) {
    case WM_INITDIALOG:
        Inicializuj(dlg);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) ZatvorDialog(dlg, &s_dialog, LOWORD(wParam));
        break;
    case WM_LBUTTONDOWN:
        ZatvorDialog(dlg, &s_dialog, LOWORD(wParam));
        break;
    default:
        vysledok = SpravaDialogu(dlg, sprava, wParam, &s_dialog);
        break;
    }
    return vysledok;
}
