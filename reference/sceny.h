// Scenes for the search's tests and benchmarks: a desktop of colour values, shapes drawn on it,
// desktop-like scenes from fixed seeds, and the search's result.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "common/wintypes.h"

struct Scena {
    int w = 0;
    int h = 0;
    std::vector<COLORREF> farby;  // row-major, w a row
    int stupen = 0;               // the band a desktop-like scene is searched in
};

const COLORREF kPozadie = RGB(0, 90, 160);  // not grey in any band
const COLORREF kSeda = RGB(128, 128, 128);  // band 4
const RECT kNicNevylucit = {0, 0, -1, -1};  // excludes no pixel

Scena NovaScena(int w, int h, COLORREF pozadie = kPozadie);
void Bod(Scena* s, int x, int y, COLORREF c);                               // off the desktop: ignored
void Obdlznik(Scena* s, int lavy, int horny, int pravy, int dolny, COLORREF c);  // bounds inclusive
void Kruh(Scena* s, int cx, int cy, int polomer, COLORREF c);               // distance at most polomer
void Trojuholnik(Scena* s, int vrchol_x, int vrchol_y, int riadkov, COLORREF c);  // row k: x +- k
void Trojuholnik(Scena* s, POINT a, POINT b, POINT c, COLORREF farba);      // filled, any corners
void Usecka(Scena* s, POINT a, POINT b, int hrubka, COLORREF c);            // hrubka x hrubka pen

// The scene's pixels as red, green and blue bytes, row after row, as image files hold them.
std::vector<unsigned char> Rgb(const Scena& s);

// Square k (from 0) of a grid of 3 x 3 squares 5 pixels apart, row by row, on a desktop w wide; and
// a w x h desktop holding the first `pocet` of them in grey 128 (band 4), each an object at size 3.
RECT Stvorcek(int w, int k);
Scena Stvorceky(int w, int h, int pocet);

// Desktop-like scenes of the benchmarks, from fixed seeds, each with the band it is searched in.
Scena ScenaText(int w, int h);         // dark strokes (grey 0 to 31), light anti-aliasing, on white; band 0
Scena ScenaDlazdice(int w, int h);     // 10 x 10 grey tiles 4 pixels apart on a coloured background; band 4
Scena ScenaBielaStrana(int w, int h);  // the text page searched for its white: one huge object full of holes; band 7
Scena ScenaSum(int w, int h);          // each pixel grey in band 4 with probability one half, else a colour
Scena ScenaPrechody(int w, int h);     // smooth near-grey gradients, one exactly grey pixel in fifty; band 4

// The generator of the scene called nazov (text, tiles, white_page, half_noise, gradients); null when
// there is none.
typedef Scena (*GeneratorSceny)(int w, int h);
GeneratorSceny ScenaPodlaMena(const char* nazov);

// The product search on a scene, with its entries copied out of the result lists.
struct Najdene {
    int pocet = 0;
    std::vector<POINT> centers;
    std::vector<RECT> objekty;
};
Najdene Hladaj(const Scena& s, RECT vylucene, int stupen, int min_velkost, int percento);

// Where the program's result lists are and how many entries each has: a search that fails must leave
// this as it was.
struct Zoznamy {
    const POINT* centers;
    const RECT* objekty;
    int bodov, obdlznikov;
};
Zoznamy TerazZoznamy();
bool operator==(const Zoznamy& a, const Zoznamy& b);
std::ostream& operator<<(std::ostream& os, const Zoznamy& z);

// "x,y,left,top,right,bottom" lines, LF ends: the scan command's --rects output.
std::string AkoRiadky(const std::vector<POINT>& centers, const std::vector<RECT>& objekty);

bool operator==(const POINT& a, const POINT& b);
bool operator==(const RECT& a, const RECT& b);
std::ostream& operator<<(std::ostream& os, const POINT& p);
std::ostream& operator<<(std::ostream& os, const RECT& r);
