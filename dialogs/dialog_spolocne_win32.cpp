// What the two dialogs share: initialisation, fitting, painting, colours, freeing and closing.
#include "dialogs/dialog_spolocne_win32.h"
#include "dialogs/rozmer_dlg.h"
#include "render/pismo_win32.h"
#include "resources/resource.h"
#include "shell/okno_win32.h"

// Pixels kept free right of and below the content.
static const int OKRAJ = 6;

// A pattern brush from bitmap `id`; the bitmap goes to *bitmapa, to be freed with the brush.
static HBRUSH VzorovyStetec(int id, HBITMAP* bitmapa)
{
    *bitmapa = LoadBitmapA(g_hInstance, MAKEINTRESOURCEA(id));
    return CreatePatternBrush(*bitmapa);
}

static void UpravTriedu(HWND dlg)
{
    // The pointer-sized forms: the same calls in the 32-bit program, whole handles in a 64-bit build.
    SetClassLongPtrA(dlg, GCLP_HCURSOR, (LONG_PTR)LoadCursorA(g_hInstance, MAKEINTRESOURCEA(IDC_KURZOR_SIPKA)));
    SetClassLongPtrA(dlg, GCLP_HICONSM, (LONG_PTR)LoadIconA(g_hInstance, MAKEINTRESOURCEA(IDI_IKONA_DIALOGU)));
    SetClassLongA(dlg, GCL_STYLE, CS_DROPSHADOW);
}

static HFONT PismoTlacidiel(int vyska, const char* pismo)
{
    LOGFONTA lf;
    PopisPisma(&lf, pismo, vyska);
    return CreateFontIndirectA(&lf);
}

// The initialisation both dialogs share, in its order: brush, class, frame, the buttons' font.
static void Zacni(HWND dlg, Dialog* d)
{
    *d->pozadie = VzorovyStetec(d->id_bitmapy, &d->bitmapa);
    UpravTriedu(dlg);
    SetWindowLongA(dlg, GWL_STYLE, WS_POPUP);
    SetWindowLongA(dlg, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    d->tlacidla = PismoTlacidiel(d->vyska_pisma, d->pismo);
    SendDlgItemMessageA(dlg, IDOK, WM_SETFONT, (WPARAM)d->tlacidla, 1);
    if (d->tlacidiel == 2) SendDlgItemMessageA(dlg, IDCANCEL, WM_SETFONT, (WPARAM)d->tlacidla, 1);
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

// Lets the platform recompute the frame that the initialisation changed, puts the dialog's corner
// where the template put its client area, and widens and lengthens the dialog as far as needed to
// show its controls and what `kresba` paints, with a small margin.
static void PrisposobDialog(HWND dlg, void (*kresba)(HDC, RECT*))
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

static void Maluj(HWND dlg, void (*maluj)(HDC))
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(dlg, &ps);
    maluj(hdc);
    EndPaint(dlg, &ps);
}

// Text over the pattern: a transparent background, and the brush the platform erases with.
static INT_PTR Farba(HDC hdc, const Dialog* d)
{
    SetBkMode(hdc, TRANSPARENT);
    return (INT_PTR)*d->pozadie;
}

// The dialog no longer erases with the brush: this opening's brush and bitmap can go.
static void Uvolni(Dialog* d)
{
    if (*d->pozadie) DeleteObject(*d->pozadie);
    if (d->bitmapa) DeleteObject(d->bitmapa);
    *d->pozadie = NULL;
    d->bitmapa = NULL;
}

INT_PTR SpravaDialogu(HWND dlg, UINT sprava, WPARAM wParam, Dialog* d)
{
    INT_PTR vysledok = 0;
    switch (sprava) {
    case WM_INITDIALOG:
        Zacni(dlg, d);
        if (d->dokonci) d->dokonci(dlg);
        PrisposobDialog(dlg, d->kresba);
        break;
    case WM_PAINT:
        Maluj(dlg, d->maluj);
        break;
    case WM_CTLCOLORDLG:
        vysledok = Farba((HDC)wParam, d);
        break;
    case WM_CTLCOLORSTATIC:
        if (d->aj_staticke) vysledok = Farba((HDC)wParam, d);
        break;
    case WM_DESTROY:
        Uvolni(d);
        break;
    default:
        break;
    }
    return vysledok;
}

void ZatvorDialog(HWND dlg, Dialog* d, INT_PTR vysledok)
{
    RedrawWindow(g_hwnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    DeleteObject(d->tlacidla);
    d->tlacidla = NULL;
    EndDialog(dlg, vysledok);
}

