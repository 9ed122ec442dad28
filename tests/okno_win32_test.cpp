// Wine test of the control window's procedure on a real window with the real resources: creation,
// timer repaints only while tracking, keys and clicks, the paint sequence, closing by every path
// with the settings saved before the window goes, and default processing of every message.
#include <windows.h>

#include <gtest/gtest.h>

#include "render/okno_kresba.h"
#include "resources/resource.h"
#include "shell/okno_win32.h"
#include "shell/rezim_okna_win32.h"
#include "shell/stav.h"

HINSTANCE g_hInstance = NULL;
HWND g_hwnd = NULL;
HBRUSH g_pozadie = NULL;

static const char* const KLUC = "Software\\Zentrivo";

static int s_kresby = 0;    // WM_PAINTs that reached the procedure
static int s_tiky = 0;      // WM_TIMERs with id 1
static int s_koniec = -1;   // exit code of the last WM_QUIT seen, -1 none

// Counts what the procedure is given and hands everything on unchanged.
static LRESULT CALLBACK Pocitadlo(HWND okno, UINT sprava, WPARAM wParam, LPARAM lParam)
{
    if (sprava == WM_PAINT) s_kresby++;
    if (sprava == WM_TIMER && wParam == 1) s_tiky++;
    return WndProc(okno, sprava, wParam, lParam);
}

// Dispatches the thread's messages until podmienka holds or 5 seconds have passed.
template <typename F>
static bool PumpujKym(F podmienka)
{
    DWORD zaciatok = GetTickCount();
    while (!podmienka()) {
        if (GetTickCount() - zaciatok > 5000) return false;
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) s_koniec = (int)msg.wParam;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(2);
    }
    return true;
}

static bool CitajDWORD(const char* meno, DWORD* hodnota)
{
    DWORD velkost = sizeof(DWORD);
    return RegGetValueA(HKEY_CURRENT_USER, KLUC, meno, RRF_RT_ANY, NULL, hodnota, &velkost) == ERROR_SUCCESS;
}

class Okno : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, KLUC);
        g_hInstance = GetModuleHandleA(NULL);
        static bool trieda = false;
        if (!trieda) {
            g_pozadie = CreatePatternBrush(LoadBitmapA(g_hInstance, MAKEINTRESOURCEA(IDB_POZADIE)));
            WNDCLASSEXA wc = {};
            wc.cbSize = sizeof wc;
            wc.style = CS_VREDRAW | CS_HREDRAW;
            wc.lpfnWndProc = Pocitadlo;
            wc.hInstance = g_hInstance;
            wc.hbrBackground = g_pozadie;
            wc.lpszClassName = "OknoTest";
            ASSERT_NE(RegisterClassExA(&wc), 0);
            trieda = true;
        }
        NastavPociatocnyStav();
        s_koniec = -1;
    }
    void Vytvor()
    {
        okno = CreateWindowExA(WS_EX_CLIENTEDGE, "OknoTest", " Objekty", WS_VISIBLE | WS_SYSMENU, 60, 40,
                               hl_okno_sirka, hl_okno_vyska, NULL,
                               LoadMenuA(g_hInstance, MAKEINTRESOURCEA(IDM_MENU)), g_hInstance, NULL);
        ASSERT_TRUE(okno != NULL);
        g_hwnd = okno;
        NastavRezimOkna(okno, sledovanie_kurzora);
        UpdateWindow(okno);
        s_kresby = 0;
        s_tiky = 0;
    }
    void TearDown() override
    {
        if (okno && IsWindow(okno)) {
            DestroyWindow(okno);
            PumpujKym([] { return s_koniec != -1; }); // the quit message it posted
        }
        RegDeleteKeyA(HKEY_CURRENT_USER, KLUC);
    }
    HWND okno = NULL;
};

TEST_F(Okno, CreationTurnsAStoredLine4Into2)
{
    volba = 4;
    Vytvor();
    EXPECT_EQ(volba, 2u);
}

TEST_F(Okno, TicksRepaintNothingWithoutTracking)
{
    Vytvor();
    ASSERT_TRUE(PumpujKym([] { return s_tiky >= 10; })) << "timer 1 runs";
    EXPECT_EQ(s_kresby, 0);
}

// Waits for the next tick of timer 1.
static bool DalsiTik()
{
    const int tiky = s_tiky;
    return PumpujKym([tiky] { return s_tiky > tiky; });
}

// While tracking, every tick reads the cursor and the colour under it, and repaints exactly when the
// picture would change: a moved cursor, a changed colour under it, a changed control state.
TEST_F(Okno, TicksWhileTrackingRepaintWhatChanged)
{
    sledovanie_kurzora = 1;
    SetCursorPos(700, 600);  // away from the window
    Vytvor();
    ASSERT_TRUE(DalsiTik());
    s_kresby = 0;
    s_tiky = 0;
    ASSERT_TRUE(PumpujKym([] { return s_tiky >= 10; }));
    EXPECT_EQ(s_kresby, 0) << "pointer and screen still: nothing to repaint";

    s_kresby = 0;
    for (int i = 1; i <= 10; i++) {
        SetCursorPos(700 + i, 600);
        ASSERT_TRUE(DalsiTik());
    }
    EXPECT_EQ(s_kresby, 10) << "one repaint for each move";

    // A window of another colour appears under the still cursor.
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = g_hInstance;
    wc.hbrBackground = CreateSolidBrush(RGB(200, 30, 90));
    wc.lpszClassName = "OknoTestFarba";
    RegisterClassA(&wc);
    s_kresby = 0;
    HWND farebne = CreateWindowExA(WS_EX_TOPMOST, "OknoTestFarba", "", WS_POPUP | WS_VISIBLE, 690, 590, 40, 20,
                                   NULL, NULL, g_hInstance, NULL);
    ASSERT_TRUE(farebne != NULL);
    UpdateWindow(farebne);
    EXPECT_TRUE(PumpujKym([] { return s_kresby >= 1; })) << "the colour under the cursor changed";
    DestroyWindow(farebne);
    PumpujKym([] { return s_kresby >= 2; });  // and changed back

    // The control state changed without a repaint of its own.
    ASSERT_TRUE(DalsiTik());
    s_kresby = 0;
    status = 5;
    ASSERT_TRUE(DalsiTik());
    ASSERT_TRUE(DalsiTik());
    EXPECT_EQ(s_kresby, 1);

    // Tracking switched off at run time: the ticks go on and repaint nothing.
    sledovanie_kurzora = 0;
    ASSERT_TRUE(DalsiTik());
    s_tiky = 0;
    s_kresby = 0;
    SetCursorPos(300, 600);
    ASSERT_TRUE(PumpujKym([] { return s_tiky >= 10; }));
    EXPECT_EQ(s_kresby, 0);
}

TEST_F(Okno, KeysAndTheLeftButtonRepaintAtOnce)
{
    Vytvor();
    struct Pripad { const char* meno; UINT sprava; WPARAM w; DWORD stupen, riadok; int stav; };
    status = 3;
    const Pripad pripady[] = {
        {"RIGHT raises the band", WM_KEYDOWN, VK_RIGHT, 1, 1, 3},
        {"DOWN selects line 2", WM_KEYDOWN, VK_DOWN, 1, 2, 3},
        {"left button brings back the hint", WM_LBUTTONDOWN, MK_LBUTTON, 1, 2, 0},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.meno);
        s_kresby = 0;
        SendMessageA(okno, p.sprava, p.w, 0);
        EXPECT_EQ(stupne_sedi, p.stupen);
        EXPECT_EQ(volba, p.riadok);
        EXPECT_EQ(status, p.stav);
        EXPECT_EQ(s_kresby, 1) << "repainted before the message returned";
    }
    s_kresby = 0;
    SendMessageA(okno, WM_KEYDOWN, 'A', 0);
    SendMessageA(okno, WM_KEYDOWN, VK_TAB, 0); // no objects yet: nothing
    EXPECT_EQ(s_kresby, 0);
}

TEST_F(Okno, PaintCopiesTheWholeCanvasToTheWindow)
{
    for (DWORD sledovanie : {0u, 1u}) {
        SCOPED_TRACE(sledovanie);
        sledovanie_kurzora = sledovanie;
        Vytvor();
        RedrawWindow(okno, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        RECT k;
        GetClientRect(okno, &k);
        ASSERT_TRUE(g_hdcMemWindow != NULL);
        BITMAP bm = {};
        GetObjectA(GetCurrentObject(g_hdcMemWindow, OBJ_BITMAP), sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, k.right);
        EXPECT_EQ(bm.bmHeight, k.bottom);
        HDC hdc = GetDC(okno);
        const POINT body[] = {{0, 0}, {k.right - 1, 0}, {k.right / 2, k.bottom / 2}, {3, k.bottom - 3},
                              {k.right - 1, k.bottom - 1}};
        for (POINT b : body) {
            SCOPED_TRACE(testing::Message() << b.x << "," << b.y);
            EXPECT_EQ(GetPixel(hdc, b.x, b.y), GetPixel(g_hdcMemWindow, b.x, b.y));
        }
        ReleaseDC(okno, hdc);
        // The readout strip, grey 170 inside its frame, only while tracking.
        int sive = 0;
        for (int x = 2; x < 9; x++) sive += GetPixel(g_hdcMemWindow, x, k.bottom - 2) == RGB(170, 170, 170);
        EXPECT_EQ(sive == 7, sledovanie == 1) << sive << " of 7 pixels grey 170";
        DestroyWindow(okno);
        okno = NULL;
        PumpujKym([] { return s_koniec != -1; });
        s_koniec = -1;
    }
}

TEST_F(Okno, EveryCloseSavesBeforeTheWindowGoes)
{
    struct Pripad { const char* meno; UINT sprava; WPARAM w; };
    const Pripad pripady[] = {
        {"system close", WM_CLOSE, 0},
        {"ESC", WM_KEYDOWN, VK_ESCAPE},
        {"menu 404", WM_COMMAND, IDM_KONIEC},
    };
    DWORD stupen = 2;
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.meno);
        RegDeleteKeyA(HKEY_CURRENT_USER, KLUC);
        Vytvor();
        stupne_sedi = ++stupen;
        SendMessageA(okno, p.sprava, p.w, 0);
        EXPECT_FALSE(IsWindow(okno)) << "the default processing destroyed it";
        DWORD ulozene = 0;
        EXPECT_TRUE(CitajDWORD("StupneSedi", &ulozene));
        EXPECT_EQ(ulozene, stupen);
        DWORD sirka_vyska = 0;
        EXPECT_TRUE(CitajDWORD("WindowSize", &sirka_vyska));
        EXPECT_EQ(sirka_vyska, (DWORD)(224 | (242 << 16))) << "saved while the window still existed";
        EXPECT_TRUE(PumpujKym([] { return s_koniec != -1; }));
        EXPECT_EQ(s_koniec, 0);
        s_koniec = -1;
        okno = NULL;
    }
}

TEST_F(Okno, EveryMessageReachesTheDefaultProcessing)
{
    Vytvor();
    SendMessageA(okno, WM_SETTEXT, 0, (LPARAM) " Iny");
    char text[16] = {};
    GetWindowTextA(okno, text, sizeof text);
    EXPECT_STREQ(text, " Iny");
    // A point on the caption: the default hit test answers, and its answer is returned.
    RECT w;
    GetWindowRect(okno, &w);
    LRESULT kde = SendMessageA(okno, WM_NCHITTEST, 0, MAKELPARAM(w.left + 60, w.top + 8));
    EXPECT_EQ(kde, HTCAPTION);
    // Commands that are not the menu's do nothing.
    SendMessageA(okno, WM_COMMAND, 999, 0);
    EXPECT_TRUE(IsWindow(okno));
}
