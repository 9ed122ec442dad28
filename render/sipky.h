// Glyph geometry of the arrow keys: the six polygon points of an arrow centred in its square key.
#pragma once
#include "common/wintypes.h"

enum SmerSipky { SIPKA_VPRAVO, SIPKA_VLAVO, SIPKA_HORE, SIPKA_DOLE };

// Points of the arrow in a key of side `velkost` at (x, y): start of the shaft, base of the head,
// head corner, tip, other head corner, base again.
void BodySipky(int smer, int velkost, int x, int y, POINT body[6]);
