// The About dialog's procedure: textured, caption-less, closed by OK, ESC or a click anywhere.
#include "dialogs/o_programe_win32.h"
#include "dialogs/dialog_spolocne_win32.h"
#include "dialogs/o_programe.h"
#include "resources/resource.h"

HBRUSH g_pozadieDlg = NULL;

// Bitmap 202; the OK button in Segoe UI of height -12.
static Dialog s_dialog = {IDB_POZADIE_O_PROGRAME, -12, "Segoe UI", 1, NULL, OnWM_PAINTDLG, KresbaOPrograme,
                          &g_pozadieDlg, 0, NULL, NULL};

INT_PTR CALLBACK ProceduraDialogu(HWND dlg, UINT sprava, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    // OK and ENTER (command 1), ESC (command 2) and a left click on the surface close it alike.
    const bool prikaz = sprava == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL);
    if (!prikaz && sprava != WM_LBUTTONDOWN) return SpravaDialogu(dlg, sprava, wParam, &s_dialog);
    ZatvorDialog(dlg, &s_dialog, LOWORD(wParam));
    return 0;
}
