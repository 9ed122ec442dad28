// What the watch needs from the platform: notice of the screen's changes where there is one, a
// sleep that a stop ends, and the screen searched. X11 with DAMAGE (sledovanie_x11.cpp), polling
// (sledovanie_bez_poskodenia.cpp) and their shared Linux half (sledovanie_linux.cpp); Windows
// (sledovanie_win32.cpp).
#pragma once
#include <cstddef>

#include "common/wintypes.h"
#include "scan/plocha.h"
#include "search/hladanie.h"

const int kNezmenene = -3;  // HladajZmenenu: the screen is as it was at the last search

// Starts watching the screen read the way `sposob` names (nullptr: the platform's own choice) and
// takes over the stop requests (SIGINT, SIGTERM, Ctrl+C, Ctrl+Break and standard output `vystup`
// closed, a file descriptor). Where no notice of changes can be had (no DAMAGE, a Wayland session),
// the watch polls: CakajNaZmenu then returns at once.
void ZacniZmeny(int vystup, const char* sposob);
void SkonciZmeny();

// The least time between two searches when --interval is not given: 0 where changes are noticed,
// the polling period where they are not.
int PredvolenyInterval();

// Waits up to ms milliseconds (-1: no limit) for the screen to change: 1 it changed (or may have),
// 0 the time ran out, -1 the watch was stopped.
int CakajNaZmenu(long long ms);

// Sleeps ms milliseconds: 1, or 0 when the watch was stopped meanwhile.
int Spi(long long ms);

// Searches the desktop as HladajNaPloche does; kNezmenene where the platform saw that the screen
// has not changed since the last search, whose results the state still holds.
int HladajZmenenu(const char* sposob, StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento,
                  Plocha* plocha, char* chyba, size_t miesto);
