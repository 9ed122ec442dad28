// Which way the native build reads the live desktop: a Wayland session's compositor (screencopy,
// else the desktop portal) when WAYLAND_DISPLAY is set, else the X display, unless --screen=WAY says.
// A Wayland session is never read through XWayland, which shows only the X programs.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scan/plocha_linux.h"
#include "scan/scan_platforma.h"

// The ways this build was made with; the others say so in the one line.
#ifndef ZENTRIVO_WAYLAND
int MonitoryWayland(Plocha*, char* chyba, size_t miesto)
{
    snprintf(chyba, miesto, "this build reads no Wayland screen (it was made without libwayland-dev)");
    return 0;
}
int HladajWayland(StavHladania*, RECT, int, int, int, Plocha*, bool* nedostupne, char* chyba, size_t miesto)
{
    *nedostupne = true;
    MonitoryWayland(nullptr, chyba, miesto);
    return -1;
}
#endif
#ifndef ZENTRIVO_PORTAL
int HladajPortalom(StavHladania*, RECT, int, int, int, Plocha*, char* chyba, size_t miesto)
{
    snprintf(chyba, miesto, "this build calls no desktop portal (it was made without libsystemd-dev)");
    return -1;
}
#endif

static bool Wayland()
{
    const char* w = getenv("WAYLAND_DISPLAY");
    return w && *w;
}

// The way to take: the one asked for, else Wayland in a Wayland session, else X11.
static const char* Sposob(const char* sposob)
{
    if (sposob) return sposob;
    return Wayland() ? "wayland" : "x11";
}

bool SposobX11(const char* sposob) { return strcmp(Sposob(sposob), "x11") == 0; }

// The whole desktop as one monitor, where the way read knows no other.
static void JedenMonitor(Plocha* p, const char* meno)
{
    Monitor m;
    m.meno = meno;
    m.primarny = true;
    m.sirka = p->w;
    m.vyska = p->h;
    p->monitory.assign(1, m);
}

int ZistiMonitory(const char* sposob, Plocha* plocha, char* chyba, size_t miesto)
{
    char dovod[768];
    const char* s = Sposob(sposob);
    // The portal lists no monitors: a Wayland session's outputs are asked of the compositor.
    const int ok = strcmp(s, "x11") == 0 ? MonitoryX11(plocha, dovod, sizeof dovod)
                                         : MonitoryWayland(plocha, dovod, sizeof dovod);
    if (!ok) snprintf(chyba, miesto, "monitors: %s", dovod);
    return ok;
}

int HladajNaPloche(const char* sposob, StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento,
                   Plocha* plocha, char* chyba, size_t miesto)
{
    char dovod[768], dovod_portalu[768];
    const char* s = Sposob(sposob);
    if (strcmp(s, "x11") == 0) {
        // The root window starts at desktop point (0, 0).
        const int pocet = HladajNaObrazovke(stav, vylucene, stupen, min_velkost, percento, &plocha->w, &plocha->h,
                                            &plocha->sposob, chyba, miesto);
        if (pocet >= 0 && !MonitoryX11(plocha, dovod, sizeof dovod)) JedenMonitor(plocha, "screen");
        return pocet;
    }
    int pocet = -1;
    if (strcmp(s, "wayland") == 0) {
        bool nedostupne = false;
        pocet = HladajWayland(stav, vylucene, stupen, min_velkost, percento, plocha, &nedostupne, dovod, sizeof dovod);
        if (pocet >= 0) return pocet;
        if (sposob || !nedostupne) {
            snprintf(chyba, miesto, "screen: %s", dovod);
            return -1;
        }
    }
    // The portal returns one picture of the whole desktop.
    pocet = HladajPortalom(stav, vylucene, stupen, min_velkost, percento, plocha, dovod_portalu, sizeof dovod_portalu);
    if (pocet >= 0) {
        JedenMonitor(plocha, "desktop");
        plocha->sposob = "portal";
    } else if (sposob) {
        snprintf(chyba, miesto, "screen: %s", dovod_portalu);
    } else {
        snprintf(chyba, miesto, "screen: WAYLAND_DISPLAY is set, and neither way reads it: screencopy: %s; portal: %s",
                 dovod, dovod_portalu);
    }
    return pocet;
}
