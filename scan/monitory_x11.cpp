// The monitors of the X display in DISPLAY: its RandR monitors (libxrandr-dev) in the server's order,
// or, where the server has none or the build no RandR, one monitor for the whole root window.
#include <X11/Xlib.h>
#ifdef ZENTRIVO_XRANDR
#include <X11/extensions/Xrandr.h>
#endif

#include <cstdio>
#include <cstdlib>

#include "scan/plocha_linux.h"

// The RandR monitors, when the server gives any.
static void MonitoryRandR(Display* d, Window koren, std::vector<Monitor>* m)
{
#ifdef ZENTRIVO_XRANDR
    int kod, udalost, chyba, hlavna = 0, vedlajsia = 0;
    // Asked of the core protocol first: libXrandr keeps a block for a server without the extension.
    if (!XQueryExtension(d, "RANDR", &kod, &udalost, &chyba) || !XRRQueryVersion(d, &hlavna, &vedlajsia)) return;
    if (hlavna * 100 + vedlajsia < 105) return;  // monitors came with RandR 1.5
    int n = 0;
    XRRMonitorInfo* info = XRRGetMonitors(d, koren, True, &n);
    if (!info) return;
    for (int k = 0; k < n; k++) {
        Monitor j;
        char* meno = info[k].name != None ? XGetAtomName(d, info[k].name) : nullptr;
        j.meno = meno ? meno : "monitor" + std::to_string(k + 1);
        if (meno) XFree(meno);
        j.primarny = info[k].primary != 0;
        j.x = info[k].x, j.y = info[k].y, j.sirka = info[k].width, j.vyska = info[k].height;
        if (j.sirka > 0 && j.vyska > 0) m->push_back(j);
    }
    XRRFreeMonitors(info);
#else
    (void)d, (void)koren, (void)m;
#endif
}

int MonitoryX11(Plocha* plocha, char* chyba, size_t miesto)
{
    const char* displej = getenv("DISPLAY");
    if (!displej || !*displej) {
        snprintf(chyba, miesto, "no X display to read (DISPLAY is not set)");
        return 0;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        snprintf(chyba, miesto, "cannot open the X display '%s'", displej);
        return 0;
    }
    const Window koren = DefaultRootWindow(d);
    XWindowAttributes a;
    const bool velkost = XGetWindowAttributes(d, koren, &a) && a.width > 0 && a.height > 0;
    plocha->monitory.clear();
    MonitoryRandR(d, koren, &plocha->monitory);
    if (plocha->monitory.empty() && velkost) {
        Monitor j;
        j.meno = "screen";
        j.primarny = true;
        j.sirka = a.width, j.vyska = a.height;
        plocha->monitory.push_back(j);
    }
    XCloseDisplay(d);
    if (plocha->monitory.empty()) snprintf(chyba, miesto, "the root window of '%s' has no size", displej);
    return !plocha->monitory.empty();
}
