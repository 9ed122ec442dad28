// Wine test of the desktop snapshot, of Zentrivo on the virtual display and of replacing the centres
// file. The display's root window shows tests/data/win_plocha.png (tools/wine_testy.sh paints it).
#include <windows.h>

#include <gtest/gtest.h>

#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "reference/hladaj_objekty.h"
#include "search/hladanie.h"
#include "search/snimka_win32.h"
#include "search/stredy_subor.h"
#include "search/vysledky.h"
#include "search/vysledky_win32.h"
#include "search/zentrivo_win32.h"

struct Obrazok { int w = 0, h = 0; std::vector<COLORREF> farby; };

static const Obrazok& TestovaciaPlocha()
{
    static Obrazok o;
    if (o.farby.empty()) {
        int kanaly = 0;
        unsigned char* p = stbi_load(ZENTRIVO_TESTOVACIA_PLOCHA, &o.w, &o.h, &kanaly, 3);
        if (p) {
            for (size_t i = 0; i < (size_t)o.w * o.h; i++) o.farby.push_back(RGB(p[3 * i], p[3 * i + 1], p[3 * i + 2]));
            stbi_image_free(p);
        }
    }
    return o;
}

static void VelkostPlochy(int* w, int* h)
{
    RECT r = {};
    GetClientRect(GetDesktopWindow(), &r);
    *w = r.right - r.left;
    *h = r.bottom - r.top;
}

static double Teraz()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)f.QuadPart;
}

TEST(Snimka, PlochaUkazujeTestovaciObrazok)
{
    const Obrazok& o = TestovaciaPlocha();
    ASSERT_FALSE(o.farby.empty()) << "cannot read " << ZENTRIVO_TESTOVACIA_PLOCHA;
    int w, h;
    VelkostPlochy(&w, &h);
    ASSERT_EQ(w, o.w);
    ASSERT_EQ(h, o.h);
    std::vector<COLORREF> snimka((size_t)w * h, 0x12345678);
    ASSERT_EQ(SnimkaPlochy(w, h, snimka.data()), 1);
    size_t zle = 0, prvy = 0;
    for (size_t i = 0; i < snimka.size(); i++)
        if (snimka[i] != o.farby[i] && zle++ == 0) prvy = i;
    EXPECT_EQ(zle, 0u) << "the snapshot differs from the picture first at (" << prvy % w << ", " << prvy / w
                       << "): " << std::hex << snimka[prvy] << " for " << o.farby[prvy]
                       << ". Is the picture on the root window? tools/wine_testy.sh paints it.";
}

// The bulk read gives what W x H GetPixel calls on the copied desktop give; both are timed.
TEST(Snimka, RovnakeHodnotyAkoGetPixel)
{
    int w, h;
    VelkostPlochy(&w, &h);
    std::vector<COLORREF> snimka((size_t)w * h);
    const int kola = 10;
    double najlepsi = 1e9, spolu = 0;
    for (int k = 0; k < kola; k++) {
        double t0 = Teraz();
        ASSERT_EQ(SnimkaPlochy(w, h, snimka.data()), 1);
        double t = Teraz() - t0;
        spolu += t;
        if (t < najlepsi) najlepsi = t;
    }

    HDC obrazovka = GetDC(NULL);
    HDC pamat = CreateCompatibleDC(obrazovka);
    HBITMAP bitmapa = CreateCompatibleBitmap(obrazovka, w, h);
    HGDIOBJ povodna = SelectObject(pamat, bitmapa);
    double t0 = Teraz();
    BitBlt(pamat, 0, 0, w, h, obrazovka, 0, 0, SRCCOPY);
    size_t zle = 0;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            if (GetPixel(pamat, x, y) != snimka[(size_t)y * w + x]) zle++;
    double getpixel = Teraz() - t0;
    SelectObject(pamat, povodna);
    DeleteObject(bitmapa);
    DeleteDC(pamat);
    ReleaseDC(NULL, obrazovka);
    EXPECT_EQ(zle, 0u);

    std::printf("snapshot of %d x %d (BitBlt + GetDIBits): best %.1f ms, mean %.1f ms of %d; "
                "BitBlt + %d GetPixel calls: %.1f ms\n",
                w, h, najlepsi, spolu / kola, kola, w * h, getpixel);
}

struct Vysledok { std::vector<POINT> stredy; std::vector<RECT> obdlzniky; };

static Vysledok Zoznamy(int pocet)
{
    Vysledok v;
    for (int i = 0; i < pocet; i++) {
        v.stredy.push_back(centers[i]);
        v.obdlzniky.push_back(objekty[i]);
    }
    return v;
}

static bool Zhoda(const Vysledok& a, const Vysledok& b)
{
    return a.stredy.size() == b.stredy.size() &&
           std::memcmp(a.stredy.data(), b.stredy.data(), a.stredy.size() * sizeof(POINT)) == 0 &&
           std::memcmp(a.obdlzniky.data(), b.obdlzniky.data(), a.obdlzniky.size() * sizeof(RECT)) == 0;
}

static void Rovnake(const Vysledok& a, const Vysledok& b)
{
    ASSERT_EQ(a.stredy.size(), b.stredy.size());
    for (size_t i = 0; i < a.stredy.size(); i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a.stredy[i].x, b.stredy[i].x);
        EXPECT_EQ(a.stredy[i].y, b.stredy[i].y);
        EXPECT_EQ(a.obdlzniky[i].left, b.obdlzniky[i].left);
        EXPECT_EQ(a.obdlzniky[i].top, b.obdlzniky[i].top);
        EXPECT_EQ(a.obdlzniky[i].right, b.obdlzniky[i].right);
        EXPECT_EQ(a.obdlzniky[i].bottom, b.obdlzniky[i].bottom);
    }
}

// The program's start-up step sizes the lists for the desktop.
TEST(Zentrivo, ZoznamyMajuVelkostPlochy)
{
    ASSERT_EQ(VysledkyPodlaPlochy(), 1);
    int w, h;
    VelkostPlochy(&w, &h);
    EXPECT_EQ(poloziek_dskt_point_pola, (h + 5) * (w + 5));
    EXPECT_EQ(poloziek_dskt_rect_pola, (h + 5) * (w + 5));
    ASSERT_TRUE(centers != NULL);
    ASSERT_TRUE(objekty != NULL);
}

// Zentrivo on the display finds what the platform-free search finds in the same picture with the
// same rectangle (the control window's) left out.
TEST(Zentrivo, NajdeToCoHladanieVTomIstomObrazku)
{
    const Obrazok& o = TestovaciaPlocha();
    ASSERT_FALSE(o.farby.empty());
    // Hidden: its rectangle is left out, its pixels are never drawn. It covers part of a square.
    HWND okno = CreateWindowExA(0, "STATIC", "", WS_POPUP, 950, 150, 224, 259, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(okno != NULL);
    RECT r = {};
    ASSERT_TRUE(GetWindowRect(okno, &r));
    const RECT nic = {-1, -1, -1, -1};

    // okno_meni: the square half under the window is kept without the window, and its remains are not
    // (at fill 5 they span the same rectangle, so the result is the same either way).
    struct { int stupen, velkost, percento; bool okno_meni; } pripady[] = {
        {4, 20, 50, true}, {3, 20, 50, false}, {4, 1, 5, false}, {4, 30, 90, true}, {12, 20, 50, true},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(testing::Message() << "band " << c.stupen << ", size " << c.velkost << ", fill " << c.percento);
        double t0 = Teraz();
        int n = Zentrivo(okno, c.stupen, c.velkost, c.percento);
        double t = Teraz() - t0;
        Vysledok zo_snimky = Zoznamy(n);
        int m = HladajObjekty(o.w, o.h, o.farby.data(), r, c.stupen, c.velkost, c.percento);
        Vysledok z_obrazka = Zoznamy(m);
        EXPECT_GT(m, 0);  // the picture has objects of every case
        Rovnake(zo_snimky, z_obrazka);
        std::printf("band %d, size %d, fill %d: %d objects, Zentrivo %.1f ms\n", c.stupen, c.velkost, c.percento, n, t);

        // The rectangle matters: left out, it changes what is found.
        int bez = HladajObjekty(o.w, o.h, o.farby.data(), nic, c.stupen, c.velkost, c.percento);
        Vysledok bez_okna = Zoznamy(bez);
        if (c.okno_meni) {
            EXPECT_FALSE(Zhoda(bez_okna, z_obrazka));
        }
    }
    DestroyWindow(okno);
}

// Without a window (its rectangle cannot be read) nothing is left out.
TEST(Zentrivo, BezOknaNicNevynecha)
{
    const Obrazok& o = TestovaciaPlocha();
    ASSERT_FALSE(o.farby.empty());
    int n = Zentrivo(NULL, 4, 20, 50);
    Vysledok zo_snimky = Zoznamy(n);
    int m = HladajObjekty(o.w, o.h, o.farby.data(), RECT{-1, -1, -1, -1}, 4, 20, 50);
    Rovnake(zo_snimky, Zoznamy(m));
}

// The centres file on Windows: MoveFileExA replaces an existing file whole; a folder of that name
// cannot be replaced, the failure is reported and no temporary file stays behind.
TEST(StredySubor, NahradiSaCelyAleniePriecinok)
{
    char adresar[MAX_PATH];
    GetTempPathA(MAX_PATH, adresar);
    strcat(adresar, "zentrivo_stredy");
    CreateDirectoryA(adresar, NULL);
    const std::string subor = std::string(adresar) + "\\Stredy.txt";
    const POINT body[] = {{24, 24}, {64, 24}};
    DeleteFileA(subor.c_str());
    RemoveDirectoryA(subor.c_str());
    FILE* f = std::fopen(subor.c_str(), "wb");
    ASSERT_TRUE(f != NULL);
    std::fputs("stary obsah", f);
    std::fclose(f);
    EXPECT_EQ(PointPoleDoTxt(subor.c_str(), body, 2), 0);
    char obsah[64] = {};
    f = std::fopen(subor.c_str(), "rb");
    ASSERT_TRUE(f != NULL);
    std::fread(obsah, 1, sizeof obsah - 1, f);
    std::fclose(f);
    EXPECT_STREQ(obsah, "24,24\r\n64,24\r\n");
    EXPECT_EQ(GetFileAttributesA((subor + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);

    DeleteFileA(subor.c_str());
    ASSERT_TRUE(CreateDirectoryA(subor.c_str(), NULL));
    EXPECT_NE(PointPoleDoTxt(subor.c_str(), body, 2), 0);
    EXPECT_NE(GetFileAttributesA(subor.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u) << "the folder is still there";
    EXPECT_EQ(GetFileAttributesA((subor + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    RemoveDirectoryA(subor.c_str());
    RemoveDirectoryA(adresar);
}
