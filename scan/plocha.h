// The live desktop as zentrivo-scan sees it: its monitors in desktop coordinates, the search over it
// on each platform, and the choice of monitors whose objects are printed.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "common/wintypes.h"
#include "scan/scan_volby.h"
#include "search/hladanie.h"

// One monitor, its rectangle in the desktop's own coordinates (negative left of or above the
// primary one) and in the pixels that are read.
struct Monitor {
    std::string meno;
    bool primarny = false;
    int x = 0, y = 0, sirka = 0, vyska = 0;
    double mierka = 1.0;
};

// The desktop a search read: the image searched, w x h pixels whose top-left pixel is desktop point
// (x, y), and its monitors in the platform's order (at least one once read).
struct Plocha {
    int x = 0, y = 0, w = 0, h = 0;
    std::vector<Monitor> monitory;
    const char* sposob = "";  // how it was read, for --time
};

// Platform: the monitors of the desktop the way `sposob` names (nullptr: the platform's own choice;
// "x11", "wayland", "portal" on Linux) reads. 1, or 0 with a one-line reason (no line end) in chyba.
int ZistiMonitory(const char* sposob, Plocha* plocha, char* chyba, size_t miesto);

// Platform: searches the whole desktop as HladajSoStavom searches an image, `vylucene` given in
// desktop coordinates; the state's results are in the image's coordinates (plocha->x, plocha->y
// away from the desktop's). Returns the count kept, or -1 with a one-line reason in chyba.
int HladajNaPloche(const char* sposob, StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento,
                   Plocha* plocha, char* chyba, size_t miesto);

// Rectangle r of the desktop in the coordinates of plocha's image, each bound held within int.
RECT VObraze(RECT r, const Plocha& plocha);

// The monitor `text` names among `m`: its number from 1, its name, "primary", or "all" (*vybrany 0).
// 1, or 0 with a one-line reason in chyba.
int CitajMonitor(const char* text, const std::vector<Monitor>& m, int* vybrany, char* chyba, size_t miesto);

// The monitor (from 1) holding desktop point (x, y), or the nearest one when none does; 0 without monitors.
int MonitorBodu(const std::vector<Monitor>& m, int x, int y);

// Moves the `pocet` results of a search over `plocha` into desktop coordinates and keeps, in order,
// those whose centre lies on monitor `vybrany` (0: all). Each kept result's monitor goes to *monitor;
// returns the count kept.
int NaPlochu(StavHladania* stav, int pocet, const Plocha& plocha, int vybrany, std::vector<int>* monitor);

// NaPlochu for the monitor that `monitor` names (nullptr: all); -1 with the reason in chyba when it
// names none of the desktop's.
int VyberMonitor(const char* monitor, StavHladania* stav, int pocet, const Plocha& plocha, std::vector<int>* monitory,
                 char* chyba, size_t miesto);

// HladajNaPloche with the options' way, rectangle and settings, then VyberMonitor for --monitor: the
// count kept, in desktop coordinates, or -1 with the reason in chyba.
int HladajNaMonitore(const ScanVolby& v, StavHladania* stav, Plocha* plocha, std::vector<int>* monitory, char* chyba,
                     size_t miesto);

// --list-monitors: one JSON line per monitor, numbered from 1.
std::string RiadkyMonitorov(const std::vector<Monitor>& m);

// --list-monitors: the monitors' lines on `out`, or the reason on `err`; the exit status.
int VypisMonitory(const char* sposob, FILE* out, FILE* err);
