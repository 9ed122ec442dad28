// Desktop-like scenes for the search benchmarks, generated from a fixed seed.
#pragma once
#include <vector>
#include "common/wintypes.h"

// One desktop snapshot: w x h colour values, row after row, and the band the scene is searched in.
struct Scena {
  int w;
  int h;
  int stupen;
  std::vector<COLORREF> farby;
};

// Dark strokes (grey 0 to 31) with light anti-aliased neighbours on white; searched in band 0.
Scena ScenaText(int w, int h);
// 10 x 10 grey tiles 4 pixels apart on a coloured background; band 4.
Scena ScenaDlazdice(int w, int h);
// The text page searched for its white: one huge object full of holes; band 7.
Scena ScenaBielaStrana(int w, int h);
// Every pixel grey in band 4 with probability one half, otherwise a random colour; band 4.
Scena ScenaSum(int w, int h);
// Smooth near-grey gradients with one exactly grey pixel in fifty; band 4.
Scena ScenaPrechody(int w, int h);

// The generator of the scene called nazov (text, tiles, white_page, half_noise, gradients); null when
// there is none.
typedef Scena (*GeneratorSceny)(int w, int h);
GeneratorSceny ScenaPodlaMena(const char* nazov);

// Number of pixels of the scene that are exactly grey in its band.
long long SiveBody(const Scena& s);
