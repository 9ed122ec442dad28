// The watch's change notice on X11: the DAMAGE extension reports when any part of the root window
// is drawn, so that a still screen costs a process asleep in poll. Without the extension (another
// server) the watch polls.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>

#include "scan/plocha_linux.h"
#include "scan/sledovanie_linux.h"

static Display* g_displej = nullptr;  // the connection that receives the notices; null: polling
static Damage g_poskodenie = 0;
static int g_udalosti = 0;  // the extension's first event code

void ZacniZmeny(int vystup, const char* sposob)
{
    PripravZastavenie(vystup);
    // DAMAGE tells of the X display's root only: a Wayland session's screen is polled.
    if (!SposobX11(sposob)) return;
    g_displej = XOpenDisplay(nullptr);  // none: the search reports why
    int chyby = 0;
    if (g_displej && !XDamageQueryExtension(g_displej, &g_udalosti, &chyby)) {
        XCloseDisplay(g_displej);
        g_displej = nullptr;
    }
    if (!g_displej) return;
    // One notice when the damage becomes non-empty, none after it until it is taken away.
    g_poskodenie = XDamageCreate(g_displej, DefaultRootWindow(g_displej), XDamageReportNonEmpty);
    XSync(g_displej, False);
}

void SkonciZmeny()
{
    if (g_displej) {
        XDamageDestroy(g_displej, g_poskodenie);
        XCloseDisplay(g_displej);
        g_displej = nullptr;
    }
    PustiZastavenie();
}

int PredvolenyInterval() { return g_displej ? 0 : 100; }

int CakajNaZmenu(long long ms)
{
    if (!g_displej) return CakajNaDeskriptor(-1, 0) < 0 ? -1 : 1;
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms > 0 ? ms : 0);
    for (;;) {
        bool zmena = false;
        while (XPending(g_displej)) {
            XEvent udalost;
            XNextEvent(g_displej, &udalost);
            zmena = zmena || udalost.type == g_udalosti + XDamageNotify;
        }
        if (zmena) {
            // Taken away before the screen is read (on a connection of its own, hence the round
            // trip): whatever is drawn after this sends a new notice.
            XDamageSubtract(g_displej, g_poskodenie, None, None);
            XSync(g_displej, False);
            return 1;
        }
        long long zostava = -1;
        if (ms >= 0) {
            zostava = std::chrono::duration_cast<std::chrono::milliseconds>(koniec - std::chrono::steady_clock::now())
                          .count();
            if (zostava < 0) zostava = 0;
        }
        const int r = CakajNaDeskriptor(ConnectionNumber(g_displej), zostava);
        if (r <= 0) return r;
    }
}
