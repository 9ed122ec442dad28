// Wine test of the two dialog procedures on the real templates and resources: what initialisation
// sets up, that the caption-less dialog shows all it paints and its buttons, and what closing does.
// The dialogs are made modeless here (CreateDialogParamA) so that the test can look at them open.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "dialogs/nastavenia_dlg.h"
#include "dialogs/nastavenia_dlg_win32.h"
#include "dialogs/o_programe.h"
#include "dialogs/o_programe_win32.h"
#include "resources/resource.h"
#include "shell/okno_win32.h"
#include "shell/stav.h"

HINSTANCE g_hInstance = NULL;
HWND g_hwnd = NULL;
HBRUSH g_pozadie = NULL;

static int s_prekreslenia = 0; // WM_PAINTs of the stand-in control window

static LRESULT CALLBACK SkusobneOkno(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam)
{
    if (sprava == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(okno, &ps);
        EndPaint(okno, &ps);
        s_prekreslenia++;
        return 0;
    }
    return DefWindowProcA(okno, sprava, wParam, lParam);
}

// A visible stand-in for the control window, in the normal mode.
static void NoveOkno()
{
    static bool trieda = false;
    if (!trieda) {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = SkusobneOkno;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "SkusobneOkno";
        RegisterClassExA(&wc);
        trieda = true;
    }
    g_hInstance = GetModuleHandleA(NULL);
    g_hwnd = CreateWindowExA(WS_EX_CLIENTEDGE, "SkusobneOkno", " Objekty", 0x10CA0000, 40, 30, 224, 242, NULL,
                             NULL, g_hInstance, NULL);
    UpdateWindow(g_hwnd);
}

class Dialogy : public ::testing::Test {
protected:
    void SetUp() override
    {
        sledovanie_kurzora = 0;
        NoveOkno();
        s_prekreslenia = 0;
    }
    void TearDown() override
    {
        if (dlg) DestroyWindow(dlg);
        DestroyWindow(g_hwnd);
        g_hwnd = NULL;
    }
    HWND Otvor(int sablona, DLGPROC procedura)
    {
        dlg = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(sablona), g_hwnd, procedura, 0);
        return dlg;
    }
    HWND dlg = NULL;
};

static RECT Klient(HWND okno)
{
    RECT r;
    GetClientRect(okno, &r);
    return r;
}

static RECT OkrajOvladaca(HWND dlg, int id)
{
    RECT r;
    GetWindowRect(GetDlgItem(dlg, id), &r);
    MapWindowPoints(NULL, dlg, (POINT*)&r, 2);
    return r;
}

static bool Vnutri(RECT vnutorny, RECT vonkajsi)
{
    return vnutorny.left >= vonkajsi.left && vnutorny.top >= vonkajsi.top && vnutorny.right <= vonkajsi.right &&
           vnutorny.bottom <= vonkajsi.bottom;
}

// What the painter covers, measured on a context of the dialog.
static RECT Kresba(HWND dlg, void (*kresba)(HDC, RECT*))
{
    HDC hdc = GetDC(dlg);
    RECT obsah;
    kresba(hdc, &obsah);
    ReleaseDC(dlg, hdc);
    return obsah;
}

static LOGFONTA PismoOvladaca(HWND dlg, int id)
{
    LOGFONTA lf = {};
    HFONT f = (HFONT)SendDlgItemMessageA(dlg, id, WM_GETFONT, 0, 0);
    GetObjectA(f, sizeof lf, &lf);
    return lf;
}

static void OcakavajSpolocnuUpravu(HWND dlg)
{
    // The platform keeps WS_CLIPSIBLINGS on every top-level window.
    EXPECT_EQ((DWORD)GetWindowLongA(dlg, GWL_STYLE) & ~(WS_VISIBLE | WS_CLIPSIBLINGS), (DWORD)WS_POPUP);
    EXPECT_EQ((DWORD)GetWindowLongA(dlg, GWL_EXSTYLE), (DWORD)WS_EX_CLIENTEDGE);
    EXPECT_EQ((DWORD)GetClassLongA(dlg, GCL_STYLE), (DWORD)CS_DROPSHADOW);
    EXPECT_EQ((HCURSOR)GetClassLongPtrA(dlg, GCLP_HCURSOR), LoadCursorA(g_hInstance, MAKEINTRESOURCEA(IDC_KURZOR_SIPKA)));
    EXPECT_TRUE(GetClassLongPtrA(dlg, GCLP_HICONSM) != 0);
}

TEST_F(Dialogy, SettingsInitialisation)
{
    struct Pripad { DWORD sledovanie; LRESULT zaskrtnute; };
    for (Pripad p : {Pripad{0, BST_UNCHECKED}, Pripad{1, BST_CHECKED}, Pripad{2, BST_UNCHECKED}}) {
        SCOPED_TRACE(p.sledovanie);
        sledovanie_kurzora = p.sledovanie;
        ASSERT_TRUE(Otvor(IDD_NASTAVENIA, ProceduraDialogu2) != NULL);
        OcakavajSpolocnuUpravu(dlg);
        EXPECT_EQ(SendDlgItemMessageA(dlg, IDC_SLEDOVAT_KURZOR, BM_GETCHECK, 0, 0), p.zaskrtnute);
        for (int id : {IDOK, IDCANCEL}) {
            LOGFONTA lf = PismoOvladaca(dlg, id);
            EXPECT_EQ(lf.lfHeight, -10);
            EXPECT_STREQ(lf.lfFaceName, "Tahoma");
        }
        EXPECT_TRUE(g_pozadieDlg2 != NULL);
        DestroyWindow(dlg);
        dlg = NULL;
        EXPECT_TRUE(g_pozadieDlg2 == NULL) << "the brush goes with the dialog";
    }
}

TEST_F(Dialogy, SettingsColourMessagesGiveThePatternBrush)
{
    ASSERT_TRUE(Otvor(IDD_NASTAVENIA, ProceduraDialogu2) != NULL);
    HDC hdc = GetDC(dlg);
    for (UINT sprava : {(UINT)WM_CTLCOLORDLG, (UINT)WM_CTLCOLORSTATIC}) {
        SCOPED_TRACE(sprava);
        SetBkMode(hdc, OPAQUE);
        INT_PTR r = ProceduraDialogu2(dlg, sprava, (WPARAM)hdc, (LPARAM)GetDlgItem(dlg, IDC_SLEDOVAT_KURZOR));
        EXPECT_EQ((HBRUSH)r, g_pozadieDlg2);
        EXPECT_EQ(GetBkMode(hdc), TRANSPARENT);
    }
    EXPECT_EQ(ProceduraDialogu2(dlg, WM_CTLCOLORBTN, (WPARAM)hdc, 0), 0);
    ReleaseDC(dlg, hdc);
}

TEST_F(Dialogy, BothDialogsShowEverythingWithoutTheirCaption)
{
    struct Pripad { const char* meno; int sablona; DLGPROC procedura; void (*kresba)(HDC, RECT*); std::vector<int> ovladace; };
    const Pripad pripady[] = {
        {"About", IDD_O_PROGRAME, ProceduraDialogu, KresbaOPrograme, {IDOK}},
        {"Settings", IDD_NASTAVENIA, ProceduraDialogu2, KresbaNastavenia, {IDOK, IDCANCEL, IDC_SLEDOVAT_KURZOR}},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.meno);
        ASSERT_TRUE(Otvor(p.sablona, p.procedura) != NULL);
        RECT k = Klient(dlg);
        for (int id : p.ovladace) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(Vnutri(OkrajOvladaca(dlg, id), k));
        }
        RECT obsah = Kresba(dlg, p.kresba);
        EXPECT_TRUE(Vnutri(obsah, k)) << "painted " << obsah.right << " x " << obsah.bottom << ", client "
                                      << k.right << " x " << k.bottom;
        // No caption or frame is left: the client area is the window less the sunken edge.
        RECT w;
        GetWindowRect(dlg, &w);
        EXPECT_EQ(w.right - w.left - k.right, 2 * GetSystemMetrics(SM_CXEDGE));
        EXPECT_EQ(w.bottom - w.top - k.bottom, 2 * GetSystemMetrics(SM_CYEDGE));
        // It still opens at the owner's client origin (the About template asks for 0, 0).
        if (p.sablona == IDD_O_PROGRAME) {
            POINT o = {0, 0};
            ClientToScreen(g_hwnd, &o);
            EXPECT_EQ(w.left, o.x);
            EXPECT_EQ(w.top, o.y);
        }
        DestroyWindow(dlg);
        dlg = NULL;
    }
}

TEST_F(Dialogy, SettingsOkSwitchesTheWindowMode)
{
    struct Pripad {
        const char* meno;
        DWORD pred;
        bool zaskrtni;
        DWORD po;
        int vyska;
        bool navrchu;
        bool minimalizacia;
    };
    const Pripad pripady[] = {
        {"on", 0, true, 1, 259, true, false},
        {"on again", 1, true, 1, 259, true, false},
        {"off after on", 1, false, 0, 242, false, true},
        {"odd stored value", 2, false, 0, 242, false, true},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.meno);
        sledovanie_kurzora = p.pred;
        if (p.pred == 1) SetWindowPos(g_hwnd, HWND_TOPMOST, 0, 0, 224, 259, SWP_NOMOVE);
        RECT pred;
        GetWindowRect(g_hwnd, &pred);
        ASSERT_TRUE(Otvor(IDD_NASTAVENIA, ProceduraDialogu2) != NULL);
        HFONT pismo = (HFONT)SendDlgItemMessageA(dlg, IDOK, WM_GETFONT, 0, 0);
        SendDlgItemMessageA(dlg, IDC_SLEDOVAT_KURZOR, BM_SETCHECK, p.zaskrtni ? BST_CHECKED : BST_UNCHECKED, 0);
        s_prekreslenia = 0;
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);

        EXPECT_EQ(sledovanie_kurzora, p.po);
        RECT r;
        GetWindowRect(g_hwnd, &r);
        EXPECT_EQ(r.left, pred.left);
        EXPECT_EQ(r.top, pred.top);
        EXPECT_EQ(r.right - r.left, 224);
        EXPECT_EQ(r.bottom - r.top, p.vyska);
        LONG styl = GetWindowLongA(g_hwnd, GWL_STYLE);
        EXPECT_EQ((DWORD)styl & ~WS_CLIPSIBLINGS, p.minimalizacia ? 0x10CA0000u : 0x10C80000u);
        EXPECT_EQ(s_prekreslenia, 1) << "the control window is repainted once";
        EXPECT_FALSE(IsWindowVisible(dlg)) << "the dialog has ended";
        EXPECT_EQ(GetObjectType(pismo), 0u) << "the button font is deleted";
        if (!p.navrchu) {
            EXPECT_EQ(GetWindowLongA(g_hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
        }
        DestroyWindow(dlg);
        dlg = NULL;
        // Wine, unlike Windows, does not make a window topmost while it owns a popup (the popup
        // becomes topmost instead); the window procedure completes the placement after the dialog.
        DokonciRezimOkna(g_hwnd);
        EXPECT_EQ((GetWindowLongA(g_hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, p.navrchu);
        GetWindowRect(g_hwnd, &r);
        EXPECT_EQ(r.bottom - r.top, p.vyska);
    }
}

TEST_F(Dialogy, SettingsCancelChangesNothingButRepaints)
{
    ASSERT_TRUE(Otvor(IDD_NASTAVENIA, ProceduraDialogu2) != NULL);
    SendDlgItemMessageA(dlg, IDC_SLEDOVAT_KURZOR, BM_SETCHECK, BST_CHECKED, 0);
    s_prekreslenia = 0;
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(sledovanie_kurzora, 0u);
    RECT r;
    GetWindowRect(g_hwnd, &r);
    EXPECT_EQ(r.bottom - r.top, 242);
    EXPECT_EQ((DWORD)GetWindowLongA(g_hwnd, GWL_STYLE) & ~WS_CLIPSIBLINGS, 0x10CA0000u);
    EXPECT_EQ(GetWindowLongA(g_hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(s_prekreslenia, 1);
    EXPECT_FALSE(IsWindowVisible(dlg));
}

TEST_F(Dialogy, SettingsIgnoresOtherCommands)
{
    ASSERT_TRUE(Otvor(IDD_NASTAVENIA, ProceduraDialogu2) != NULL);
    ShowWindow(dlg, SW_SHOWNA);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_SLEDOVAT_KURZOR, BN_CLICKED), 0);
    SendMessageA(dlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 60));
    EXPECT_TRUE(IsWindowVisible(dlg));
    EXPECT_EQ(s_prekreslenia, 0);
}

TEST_F(Dialogy, AboutInitialisation)
{
    ASSERT_TRUE(Otvor(IDD_O_PROGRAME, ProceduraDialogu) != NULL);
    OcakavajSpolocnuUpravu(dlg);
    LOGFONTA lf = PismoOvladaca(dlg, IDOK);
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_STREQ(lf.lfFaceName, "Segoe UI");
    HDC hdc = GetDC(dlg);
    SetBkMode(hdc, OPAQUE);
    EXPECT_EQ((HBRUSH)ProceduraDialogu(dlg, WM_CTLCOLORDLG, (WPARAM)hdc, (LPARAM)dlg), g_pozadieDlg);
    EXPECT_EQ(GetBkMode(hdc), TRANSPARENT);
    ReleaseDC(dlg, hdc);
    EXPECT_TRUE(g_pozadieDlg != NULL);
}

TEST_F(Dialogy, AboutClosesOnOkEscAndAClick)
{
    struct Pripad { const char* meno; UINT sprava; WPARAM w; };
    const Pripad pripady[] = {
        {"OK", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)},
        {"ESC", WM_COMMAND, MAKEWPARAM(IDCANCEL, 0)},
        {"click on the text", WM_LBUTTONDOWN, MK_LBUTTON},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.meno);
        ASSERT_TRUE(Otvor(IDD_O_PROGRAME, ProceduraDialogu) != NULL);
        ShowWindow(dlg, SW_SHOWNA);
        HFONT pismo = (HFONT)SendDlgItemMessageA(dlg, IDOK, WM_GETFONT, 0, 0);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_SLEDOVAT_KURZOR, BN_CLICKED), 0); // not its command
        EXPECT_TRUE(IsWindowVisible(dlg));
        s_prekreslenia = 0;
        SendMessageA(dlg, p.sprava, p.w, MAKELPARAM(30, 30));
        EXPECT_FALSE(IsWindowVisible(dlg));
        EXPECT_EQ(s_prekreslenia, 1);
        EXPECT_EQ(GetObjectType(pismo), 0u);
        DestroyWindow(dlg);
        dlg = NULL;
        EXPECT_TRUE(g_pozadieDlg == NULL);
    }
}
