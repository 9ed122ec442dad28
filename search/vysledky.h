// The result lists of the search: centres and rectangles of the objects kept, in the order found.
#pragma once
#include "common/wintypes.h"

extern POINT* centers;               // centre of each kept object
extern RECT* objekty;                // rectangle of each kept object, all four bounds inclusive
extern int poloziek_dskt_point_pola; // entries of centers
extern int poloziek_dskt_rect_pola;  // entries of objekty

// The entries of a list for a w x h desktop: (h + 5) x (w + 5); 0 when that is not a signed 32-bit count.
int PoloziekZoznamu(long long w, long long h);

// A zero-filled list of PoloziekZoznamu(w, h) entries, its entry count in *pocet (0 and nullptr when
// it cannot be had): the lists' first blocks, at start-up.
POINT* AlokaciaDsktPointPola(int* pocet, int w, int h);
RECT* AlokaciaDsktRectPola(int* pocet, int w, int h);

// Grows both lists, keeping their entries, to at least the entries a w x h desktop gets; both or
// neither. Lists not had yet get their first blocks from the two above. 1 on success, 0 when memory
// runs out (both lists stay as they were).
int RozsirVysledky(int w, int h);

// Makes entry k of both lists exist before the search stores its (k + 1)-th object: a list that is
// too short grows, keeping its entries, by what the search has found (to twice its entries, at least
// k + 1). 1 on success, 0 when memory runs out (both lists stay as they were).
int MiestoPreObjekt(int k);
