// The Settings dialog's procedure: the cursor-tracking check box, OK switching the window mode.
#include "dialogs/nastavenia_dlg_win32.h"
#include "dialogs/dialog_spolocne_win32.h"
#include "dialogs/nastavenia_dlg.h"
#include "resources/resource.h"
#include "shell/okno_win32.h"
#include "shell/rezim_okna.h"
#include "shell/rezim_okna_win32.h"
#include "shell/stav.h"

HBRUSH g_pozadieDlg2 = NULL;

// The box shows whether tracking is on: exactly 1.
static void Zaskrtni(HWND dlg)
{
    WPARAM stav = sledovanie_kurzora == 1 ? BST_CHECKED : BST_UNCHECKED;
    SendDlgItemMessageA(dlg, IDC_SLEDOVAT_KURZOR, BM_SETCHECK, stav, 0);
}

// Bitmap 203; OK and Cancel in Tahoma of height -10; the check box erased with the dialog's brush.
static Dialog s_dialog = {IDB_POZADIE_NASTAVENIA, -10, "Tahoma", 2, Zaskrtni, OnWM_PAINTDLG2, KresbaNastavenia,
                          &g_pozadieDlg2, 1, NULL, NULL};

// OK sets the mode up every time, also when the box was not changed.
static void Ok(HWND dlg)
{
    LRESULT stav = SendDlgItemMessageA(dlg, IDC_SLEDOVAT_KURZOR, BM_GETCHECK, 0, 0);
    sledovanie_kurzora = stav == BST_CHECKED ? 1 : 0;
    NastavRezimOkna(g_hwnd, sledovanie_kurzora);
    ZatvorDialog(dlg, &s_dialog, 1);
}

void DokonciRezimOkna(HWND okno)
{
    // Wine does not make a window topmost while it owns a popup (the popup becomes topmost instead);
    // on Windows the window is topmost already and nothing is done.
    const bool navrchu = (GetWindowLongA(okno, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (RezimPreSledovanie(sledovanie_kurzora).navrchu && !navrchu)
        SetWindowPos(okno, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

INT_PTR CALLBACK ProceduraDialogu2(HWND dlg, UINT sprava, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    // Only OK (ENTER) and Cancel (ESC) end it; the check box toggles by itself.
    if (sprava == WM_COMMAND && LOWORD(wParam) == IDOK) Ok(dlg);
    else if (sprava == WM_COMMAND && LOWORD(wParam) == IDCANCEL) ZatvorDialog(dlg, &s_dialog, 2);
    else return SpravaDialogu(dlg, sprava, wParam, &s_dialog);
    return 0;
}
