// Arrow glyph points: shaft 7, head half-width 4, tip at 7 x 1.9 in single precision, truncated toward zero.
#include "render/sipky.h"

static const int DRIEK = 7;
static const int POL_HROT = 4;

// Rounds to single precision even where the FPU keeps intermediates wider (x87 in the 32-bit build).
static float Jednoducha(float v)
{
    volatile float r = v;
    return r;
}

static void Bod(POINT* p, int x, int y)
{
    p->x = x;
    p->y = y;
}

void BodySipky(int smer, int velkost, int x, int y, POINT body[6])
{
    const float hrot = Jednoducha(DRIEK * Jednoducha(1.9f));
    const float okraj = Jednoducha(Jednoducha(velkost - hrot) / 2);
    const bool vodorovna = smer == SIPKA_VPRAVO || smer == SIPKA_VLAVO;
    const int m = vodorovna ? y + velkost / 2 : x + velkost / 2;
    const int zaciatok = vodorovna ? x : y;
    // Right and down run from the low edge, left and up from the high edge back.
    const bool dopredu = smer == SIPKA_VPRAVO || smer == SIPKA_DOLE;
    int s, zaklad, spic;
    if (dopredu) {
        s = (int)Jednoducha(zaciatok + okraj);
        zaklad = s + DRIEK;
        spic = (int)Jednoducha(s + hrot);
    } else {
        s = (int)Jednoducha((zaciatok + velkost) - okraj);
        zaklad = s - DRIEK;
        spic = (int)Jednoducha(s - hrot);
    }
    const int along[6] = {s, zaklad, zaklad, spic, zaklad, zaklad};
    const int across[6] = {m, m, m + POL_HROT, m, m - POL_HROT, m};
    for (int i = 0; i < 6; ++i) {
        if (vodorovna) Bod(&body[i], along[i], across[i]);
        else Bod(&body[i], across[i], along[i]);
    }
}
