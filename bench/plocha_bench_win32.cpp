// Times Zentrivo on the live desktop: the snapshot and the search apart, then the whole call, each
// a number of times; prints the best and the median in milliseconds. A copy into a DIB section shows
// how much of the snapshot is the screen copy itself. Usage: zentrivo_bench_plocha [RUNS] [BAND]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "common/dib_win32.h"
#include "search/hladanie.h"
#include "reference/hladaj_objekty.h"
#include "search/snimka_win32.h"
#include "search/zentrivo_win32.h"

static double Teraz()
{
    static LARGE_INTEGER frekvencia;
    if (!frekvencia.QuadPart) QueryPerformanceFrequency(&frekvencia);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)frekvencia.QuadPart;
}

// The same copy taken straight into a 32-bit top-down DIB section (no GetDIBits read-back), then
// converted to COLORREF: how much of the snapshot the read-back costs.
static int SnimkaDoDib(int w, int h, COLORREF* farby, double* kopia_ms)
{
    HDC obrazovka = GetDC(NULL);
    HDC pamat = CreateCompatibleDC(obrazovka);
    BITMAPINFO bi = InfoDib32(w, h);
    void* bity = NULL;
    HBITMAP dib = CreateDIBSection(obrazovka, &bi, DIB_RGB_COLORS, &bity, NULL, 0);
    HGDIOBJ povodna = SelectObject(pamat, dib);
    const double t0 = Teraz();
    BOOL ok = dib && BitBlt(pamat, 0, 0, w, h, obrazovka, 0, 0, SRCCOPY);
    GdiFlush();
    *kopia_ms = Teraz() - t0;
    SelectObject(pamat, povodna);
    if (ok) {
        const DWORD* z = (const DWORD*)bity;
        const size_t n = (size_t)w * (size_t)h;
        for (size_t i = 0; i < n; i++) {
            const DWORD v = z[i];
            farby[i] = ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
        }
    }
    if (dib) DeleteObject(dib);
    DeleteDC(pamat);
    ReleaseDC(NULL, obrazovka);
    return ok ? 1 : 0;
}

static void Vypis(const char* co, std::vector<double> casy)
{
    std::sort(casy.begin(), casy.end());
    std::printf("%-24s best %8.3f ms   median %8.3f ms   (%d runs)\n", co, casy.front(), casy[casy.size() / 2],
                (int)casy.size());
}

int main(int argc, char** argv)
{
    const int behov = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 20;
    const int stupen = argc > 2 ? std::atoi(argv[2]) : 0;
    const int velkost = 20, percento = 70;  // the program's initial settings

    RECT plocha = {};
    GetClientRect(GetDesktopWindow(), &plocha);
    const int w = plocha.right - plocha.left, h = plocha.bottom - plocha.top;
    std::printf("desktop %d x %d, band %d, minimum size %d, fill %d %%\n", w, h, stupen, velkost, percento);
    if (w <= 0 || h <= 0) return 1;

    std::vector<COLORREF> farby((size_t)w * (size_t)h), dib((size_t)w * (size_t)h);
    const RECT nic = {-1, -1, -1, -1};
    std::vector<double> snimka, hladanie, snimka_dib, kopia, spolu, plocha_a_okno;
    int najdene = 0;
    // Untimed first: Wine and the X server set up their side of the copy on the first calls.
    for (int i = 0; i < 5; i++) SnimkaPlochy(w, h, farby.data());
    // The ways of timing take turns, so that what else the machine does falls on all of them alike.
    for (int i = 0; i < behov; i++) {
        double t0 = Teraz();
        SnimkaPlochy(w, h, farby.data());
        double t1 = Teraz();
        najdene = HladajObjekty(w, h, farby.data(), nic, stupen, velkost, percento);
        double t2 = Teraz();
        snimka.push_back(t1 - t0);
        hladanie.push_back(t2 - t1);

        double k = 0;
        t0 = Teraz();
        SnimkaDoDib(w, h, dib.data(), &k);
        snimka_dib.push_back(Teraz() - t0);
        kopia.push_back(k);

        t0 = Teraz();
        Zentrivo(NULL, stupen, velkost, percento);  // no control window: nothing left out
        t1 = Teraz();
        RECT r;
        GetClientRect(GetDesktopWindow(), &r);
        GetWindowRect(NULL, &r);
        spolu.push_back(t1 - t0);
        plocha_a_okno.push_back(Teraz() - t1);
    }
    HladajObjekty(w, h, farby.data(), nic, stupen, velkost, percento);
    const PoctyHladania p = PoslednePocty();
    const bool rovnake = dib == farby;
    Vypis("snapshot (SnimkaPlochy)", snimka);
    Vypis("snapshot into a DIB", snimka_dib);
    Vypis("  of it the BitBlt", kopia);
    std::printf("  (the same pixels as SnimkaPlochy: %s)\n", rovnake ? "yes" : "NO");
    Vypis("search (HladajObjekty)", hladanie);
    Vypis("Zentrivo, whole call", spolu);
    Vypis("  its two rectangle calls", plocha_a_okno);
    std::printf("grey pixels %lld, cycles %d, objects kept %d\n", p.sive_body, p.cykly, najdene);
    return 0;
}
