// Test scenes for the search: a desktop of colour values, shapes drawn on it, and the search's result.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "common/wintypes.h"

struct Scena {
    int w = 0;
    int h = 0;
    std::vector<COLORREF> farby;  // row-major, w a row
};

const COLORREF kPozadie = RGB(0, 90, 160);  // not grey in any band
const RECT kNicNevylucit = {0, 0, -1, -1};  // excludes no pixel

Scena NovaScena(int w, int h, COLORREF pozadie = kPozadie);
void Bod(Scena* s, int x, int y, COLORREF c);                               // off the desktop: ignored
void Obdlznik(Scena* s, int lavy, int horny, int pravy, int dolny, COLORREF c);  // bounds inclusive
void Kruh(Scena* s, int cx, int cy, int polomer, COLORREF c);               // distance at most polomer
void Trojuholnik(Scena* s, int vrchol_x, int vrchol_y, int riadkov, COLORREF c);  // row k: x +- k
void Trojuholnik(Scena* s, POINT a, POINT b, POINT c, COLORREF farba);      // filled, any corners
void Usecka(Scena* s, POINT a, POINT b, int hrubka, COLORREF c);            // hrubka x hrubka pen

// Square k (from 0) of a grid of 3 x 3 squares 5 pixels apart, row by row, on a desktop w wide; and
// a w x h desktop holding the first `pocet` of them in grey 128 (band 4), each an object at size 3.
RECT Stvorcek(int w, int k);
Scena Stvorceky(int w, int h, int pocet);

// The product search on a scene, with its entries copied out of the result lists.
struct Najdene {
    int pocet = 0;
    std::vector<POINT> centers;
    std::vector<RECT> objekty;
};
Najdene Hladaj(const Scena& s, RECT vylucene, int stupen, int min_velkost, int percento);

// "x,y,left,top,right,bottom" lines, LF ends: the scan command's --rects output.
std::string AkoRiadky(const std::vector<POINT>& centers, const std::vector<RECT>& objekty);

bool operator==(const POINT& a, const POINT& b);
bool operator==(const RECT& a, const RECT& b);
std::ostream& operator<<(std::ostream& os, const POINT& p);
std::ostream& operator<<(std::ostream& os, const RECT& r);
