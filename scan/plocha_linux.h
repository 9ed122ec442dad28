// The ways the native build reads the live desktop, each in a file of its own (plocha_linux.cpp
// picks one): the X display, a wlroots compositor's screencopy, the desktop portal.
#pragma once
#include <cstddef>

#include "scan/plocha.h"

// Whether the way `sposob` names (nullptr: the session's own choice) is the X display.
bool SposobX11(const char* sposob);

// X11 (monitory_x11.cpp): the RandR monitors of the display in DISPLAY, one for the root window
// where the server has none.
int MonitoryX11(Plocha* plocha, char* chyba, size_t miesto);

// X11 (snimka_x11.cpp): searches the whole screen as HladajSoStavom searches an image, with the state's results; the
// screen's size goes to *w and *h and the way it was read to *sposob. Returns the count kept, or -1
// with a one-line reason (no line end) in chyba when the screen cannot be read (no reachable display
// among them) or memory runs out.
int HladajNaObrazovke(StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento, int* w, int* h,
                      const char** sposob, char* chyba, size_t miesto);


// Wayland (plocha_wayland.cpp): the compositor's outputs; the search copies each through
// zwlr_screencopy_manager_v1. On failure *nedostupne says whether the compositor could not be reached
// or offers no screencopy (another way may still read the screen) rather than failed on the way.
int MonitoryWayland(Plocha* plocha, char* chyba, size_t miesto);
int HladajWayland(StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento, Plocha* plocha,
                  bool* nedostupne, char* chyba, size_t miesto);

// The desktop portal (plocha_portal.cpp): org.freedesktop.portal.Screenshot on the session bus, the
// whole desktop as one monitor.
int HladajPortalom(StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento, Plocha* plocha,
                   char* chyba, size_t miesto);
