// Shared initialisation steps of the two dialogs and the fitting of the caption-less dialog.
#include "dialogs/dialog_spolocne.h"
#include "dialogs/rozmer_dlg.h"
#include "resources/resource.h"
#include "shell/okno.h"

// Pixels kept free right of and below the content.
static const int OKRAJ = 6;

HBRUSH VzorovyStetec(int id, HBITMAP* bitmapa)
{
    *bitmapa = LoadBitmapA(g_hInstance, MAKEINTRESOURCEA(id));
    return CreatePatternBrush(*bitmapa);
}

void UvolniStetec(HBRUSH* stetec, HBITMAP* bitmapa)
{
    if (*stetec) DeleteObject(*stetec);
    if (*bitmapa) DeleteObject(*bitmapa);
    *stetec = NULL;
    *bitmapa = NULL;
}

void UpravTriedu(HWND dlg)
{
    // The pointer-sized forms: the same calls in the 32-bit program, whole handles in a 64-bit build.
    SetClassLongPtrA(dlg, GCLP_HCURSOR, (LONG_PTR)LoadCursorA(g_hInstance, MAKEINTRESOURCEA(IDC_KURZOR_SIPKA)));
    SetClassLongPtrA(dlg, GCLP_HICONSM, (LONG_PTR)LoadIconA(g_hInstance, MAKEINTRESOURCEA(IDI_IKONA_DIALOGU)));
    SetClassLongA(dlg, GCL_STYLE, CS_DROPSHADOW);
}

void BezRamu(HWND dlg)
{
    SetWindowLongA(dlg, GWL_STYLE, WS_POPUP);
    SetWindowLongA(dlg, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
}

HFONT PismoTlacidiel(int vyska, const char* pismo)
{
    LOGFONTA lf;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTA), &lf);
    lf.lfHeight = vyska;
    lstrcpyA(lf.lfFaceName, pismo);
    return CreateFontIndirectA(&lf);
}

// The rectangle that `kresba` paints, measured on a scratch context in the dialog's format.
static RECT ZmerajKresbu(HWND dlg, void (*kresba)(HDC, RECT*))
{
    HDC okno = GetDC(dlg);
    HDC mer = CreateCompatibleDC(okno);
    HBITMAP bmp = CreateCompatibleBitmap(okno, 1, 1);
    HGDIOBJ stara = SelectObject(mer, bmp);
    RECT obsah;
    kresba(mer, &obsah);
    SelectObject(mer, stara);
    DeleteObject(bmp);
    DeleteDC(mer);
    ReleaseDC(dlg, okno);
    return obsah;
}

void PrisposobDialog(HWND dlg, void (*kresba)(HDC, RECT*))
{
    // The template placed the client area at its position; the caption-less dialog starts there.
    POINT roh = {0, 0};
    ClientToScreen(dlg, &roh);
    // Without this the caption and modal frame of the template keep their room.
    SetWindowPos(dlg, NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

    RECT obsah = ZmerajKresbu(dlg, kresba);
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(NULL, dlg, (POINT*)&r, 2);
        ZahrnObdlznik(&obsah, r.left, r.top, r.right - r.left, r.bottom - r.top);
    }

    RECT k;
    GetClientRect(dlg, &k);
    SIZE klient = {k.right, k.bottom};
    SIZE chyba = ChybajuciRozmer(klient, obsah, OKRAJ);
    RECT w;
    GetWindowRect(dlg, &w);
    SetWindowPos(dlg, NULL, roh.x, roh.y, w.right - w.left + chyba.cx, w.bottom - w.top + chyba.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}
