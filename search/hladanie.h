// The object search proper: platform-free, on a snapshot of the desktop held in memory.
#pragma once
#include "common/wintypes.h"
#include "search/behy.h"
#include "search/hladanie_pocty.h"

struct Rozsah;  // a row's columns lo to hi (hladanie.cpp)

// Which pixels the search takes: all zero (the default) the grey band each search is given; with
// `farebne` the pixels whose red, green and blue each lie within `tolerancia` (0 to 255) of those of
// `farba`, whatever band the search is given. The rest of the search is the same.
struct VyberBodov {
    bool farebne;
    COLORREF farba;
    int tolerancia;
};

// The work tables and the results of one search at a time, owned by whoever runs it: searches on
// several threads each take a state of their own. All zero (StavHladania{}) is an empty state; the
// tables grow for a bigger desktop and are kept for the next search, until UvolniStav.
struct StavHladania {
    Behy behy;                  // the grey pixels still in the list
    Rozsah* rozsahy;            // the chain's extent on each row it followed
    long long miest_riadkov;    // entries of rozsahy
    POINT* centers;             // centre of each object kept, in the order found
    RECT* objekty;              // its rectangle, all four bounds inclusive
    long long* bodov;           // the pixels its fill test counted
    long long miest_vysledkov;  // entries of each of the three result arrays
    PoctyHladania pocty;        // counts of the latest search
    VyberBodov vyber;           // the pixels searched for: the grey band unless set
};

// Finds the objects of exactly-grey pixels of band `stupen` in the w x h desktop `farby`
// (row-major, w colour values a row), leaving out `vylucene` (all four bounds inclusive).
// Keeps those at least `min_velkost` wide and high and filled to `percento` of their rectangle,
// fills the state's result arrays from entry 0 and returns how many were kept; -1 when memory ran
// out (nothing is found then).
int HladajSoStavom(StavHladania* stav, int w, int h, const COLORREF* farby, RECT vylucene, int stupen,
                   int min_velkost, int percento);

// The same search on a desktop handed over a strip of rows at a time, as the live screen is read:
// ZacniHladanie for a w x h desktop (0 when memory runs out), PridajRiadky for every row once, each
// call with rows od to od + riadkov - 1 (`farby` holds those rows only), then DokonciHladanie, which
// returns what HladajSoStavom returns.
int ZacniHladanie(StavHladania* stav, int w, int h);
void PridajRiadky(StavHladania* stav, int w, int od, int riadkov, const COLORREF* farby, RECT vylucene, int stupen);
int DokonciHladanie(StavHladania* stav, int h, int min_velkost, int percento);

// Makes the state's work tables ready for a w x h desktop (the search does it too); 1 on success, 0
// when memory runs out.
int PripravStav(StavHladania* stav, int w, int h);

// Frees the state's tables and results; it is empty again, searching for the same pixels.
void UvolniStav(StavHladania* stav);

// The same search, its results copied into the program's lists centers and objekty (vysledky.h),
// which keep their size while the objects fit and otherwise grow by what was found; the entries after
// the count keep what they held. Returns how many were kept; -1 when the search cannot run: its work
// tables, or room in the lists for every object kept, cannot be had (the lists stay as they were).
int HladajDoZoznamov(StavHladania* stav, int w, int h, const COLORREF* farby, RECT vylucene, int stupen,
                     int min_velkost, int percento);

