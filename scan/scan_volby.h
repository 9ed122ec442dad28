// The command line of zentrivo-scan: its options, their defaults and ranges.
#pragma once
#include <cstddef>
#include <vector>

#include "common/wintypes.h"
#include "scan/scan_obraz.h"
#include "search/predvolby.h"

struct ScanVolby {
    int stupen = kPredvolenyStupen;     // --band: grey band 0 to 7
    int min_velkost = kPredvolenaMinVelkost;  // --min: smallest width and height
    int percento = kPredvolenePercento; // --fill: smallest fill percent
    RECT vylucene = {0, 0, -1, -1};     // --exclude, bounds inclusive; this one leaves out nothing
    bool obdlzniky = false;             // --rects
    bool json = false;                  // --json: one JSON object a line
    bool cas = false;                   // --time: the search's own time on standard error
    long long max_pixelov = kPredvoleneMaxPixelov;  // --max-pixels: largest image read; 0 no limit
    long long max_bajtov = 0;           // --max-bytes: most bytes of an image read; 0 what its header allows
    int vlakna = 0;                     // -j: threads; 0 one for each processor
    bool obrazovka = false;             // --screen: the live screen instead of image files
    const char* sposob = nullptr;       // --screen=x11|wayland|portal; nullptr the platform's choice
    const char* monitor = nullptr;      // --monitor N|NAME|primary|all; nullptr all
    bool monitory = false;              // --list-monitors
    const char* vystup = nullptr;       // --out: the centres file
    std::vector<const char*> obrazy;    // the images in argument order; "-" is standard input
    // The watch, the wait and the colour (scan_volby_sledovanie.cpp).
    bool sledovat = false;              // --watch: print the changes of the screen until stopped
    int az = 0;                         // --until: search until this many objects are kept; 0 once
    long long limit_ms = -1;            // --timeout in milliseconds; -1 none
    int interval_ms = -1;               // --interval: least time between two searches; -1 the platform's
    bool farebne = false;               // --colour given: the pixels of `farba`, not a grey band
    COLORREF farba = 0;                 // --colour R,G,B
    int tolerancia = 0;                 // --tolerance: the most each channel may differ from farba's
    bool tolerancia_zadana = false;     // --tolerance given
    bool pasmo_zadane = false;          // --band given
    bool pomoc = false;                 // --help
    bool verzia = false;                // --version
};

extern const char* const kScanPouzitie;  // the --help text

// Reads the arguments after the program name. On bad usage or a value out of range returns 0 and
// writes a one-line reason (no line end) to chyba; otherwise 1.
int CitajVolby(int argc, const char* const* argv, ScanVolby* volby, char* chyba, size_t miesto);
