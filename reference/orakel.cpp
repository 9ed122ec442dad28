// The reference search: every step as the design states it, flags and all, with no shortcuts.
#include "reference/orakel.h"

#include <cstddef>

namespace orakel {

enum Stav { ZIADNY, NASLEDUJE, HOTOVY };

struct Usek {
    int lo, hi;
};

static bool Rovnake(POINT a, int x, int y)
{
    return a.x == x && a.y == y;
}

// Whether the pixel `farba` enters the list: grey of the band g, or of the colour asked for.
struct Ziadost {
    bool farebne;
    int g;
    COLORREF farba;
    int tolerancia;
};

static bool Vyhovuje(COLORREF farba, const Ziadost& z)
{
    if (z.farebne) {
        if (farba >> 24 != 0) return false;
        for (int k = 0; k < 3; k++) {
            const int a = (int)((farba >> (8 * k)) & 0xFF), b = (int)((z.farba >> (8 * k)) & 0xFF);
            if (a - b > z.tolerancia || b - a > z.tolerancia) return false;
        }
        return true;
    }
    for (long long k = 32LL * z.g; k <= 32LL * z.g + 31; k++) {
        unsigned v = (unsigned)(k & 0xFF);
        COLORREF seda_farba = v * 0x010101u;
        if (farba == seda_farba) return true;
    }
    return false;
}

static Vysledok HladajPodla(int W, int H, const COLORREF* farby, RECT vyl, const Ziadost& ziadost, int min_velkost,
                       int percento, Opravy opravy);

Vysledok OrakelHladaj(int W, int H, const COLORREF* farby, RECT vyl, int g, int min_velkost, int percento,
                      Opravy opravy)
{
    return HladajPodla(W, H, farby, vyl, Ziadost{false, g, 0, 0}, min_velkost, percento, opravy);
}

Vysledok OrakelHladajFarbu(int W, int H, const COLORREF* farby, RECT vyl, COLORREF farba, int tolerancia,
                           int min_velkost, int percento)
{
    return HladajPodla(W, H, farby, vyl, Ziadost{true, 0, farba, tolerancia}, min_velkost, percento, Opravy());
}

static Vysledok HladajPodla(int W, int H, const COLORREF* farby, RECT vyl, const Ziadost& ziadost, int min_velkost,
                       int percento, Opravy opravy)
{
    Vysledok vysledok;
    if (W <= 0 || H <= 0) return vysledok;

    // Step 1: the work tables, every entry (-1, -1).
    std::vector<POINT> polohy((std::size_t)(H + 5) * (W + 5), POINT{-1, -1});
    std::vector<Usek> rozsahy((std::size_t)H + 5, Usek{-1, -1});

    // Step 3: the grey pixel list.
    int n = 0;
    for (int y = 0; y < H; y++) {
        for (int x = 0; x < W; x++) {
            if (vyl.left <= x && x <= vyl.right && vyl.top <= y && y <= vyl.bottom) continue;
            if (Vyhovuje(farby[(std::size_t)y * W + x], ziadost)) {
                polohy[n] = POINT{x, y};
                n++;
            }
        }
    }

    auto vyber = [&](int od, int kolko) {
        for (int k = od; k + kolko < n; k++) polohy[k] = polohy[k + kolko];
        n -= kolko;
    };

    // Step 4: the cycles.
    for (;;) {
        // Downward scan.
        bool seed_pending = true, seed_open = false, watching = false, row_hit = false;
        Stav chain = ZIADNY;
        Usek ref = {0, 0};
        Usek ext = {W, -1};
        double collected = 0, tested = 0;
        int s_start = 0, s_end = 0, s_row = 0, s_idx = 0, s_len = 0;
        int chain_end = 0, box_top = 0, box_bottom = 0, box_left = 0, box_right = 0, lead_in = 0;
        int lead_seed_x = 0;  // the lead-in is every entry before (lead_seed_x, box_top) in scan order
        int len = 0;
        bool stopped = false;
        for (int i = 0; i < n; i++) {
            len++;
            POINT p = polohy[i];
            POINT q = i == n - 1 ? POINT{p.x, p.y + 2} : polohy[i + 1];
            int dalsie_i = i;
            if (!Rovnake(q, p.x + 1, p.y)) {
                int start = p.x - len + 1, end = p.x, row = p.y;
                if (seed_pending) {
                    s_start = start;
                    s_end = end;
                    s_row = row;
                    s_idx = i;
                    s_len = len;
                    ref = Usek{start, end};
                    seed_pending = false;
                    seed_open = true;
                }
                if (seed_open) {
                    if (q.y - p.y > 1 && !watching) {
                        seed_pending = true;
                        seed_open = false;
                    }
                    if (watching) {
                        if (start <= ref.hi && end >= ref.lo) {
                            if (start < ext.lo) ext.lo = start;
                            if (end > ext.hi) {
                                ext.hi = end;
                                chain_end = i;
                            }
                            rozsahy[s_row] = Usek{s_start, s_end};
                            box_top = s_row;
                            box_bottom = row;
                            lead_in = s_idx - s_len + 1;
                            lead_seed_x = s_start;
                            row_hit = true;
                        }
                        if (q.y > p.y && row_hit) {
                            rozsahy[row] = ext;
                            ref = ext;
                        }
                        if (q.y - p.y == 1 && !row_hit) {
                            seed_pending = true;
                            seed_open = false;
                            watching = false;
                            dalsie_i = s_idx;
                        }
                        if (q.y - p.y > 1) {
                            seed_pending = true;
                            seed_open = false;
                            watching = false;
                        }
                    }
                    if (q.y - p.y == 1 && seed_open) watching = true;
                }
                len = 0;
            }
            if (q.y > p.y) {
                if (!row_hit && chain == NASLEDUJE) chain = HOTOVY;
                if (row_hit) chain = NASLEDUJE;
                row_hit = false;
                if (chain == HOTOVY) {
                    stopped = true;
                    break;
                }
                ext = Usek{W, -1};
            }
            i = dalsie_i;
        }
        if (!stopped && chain == NASLEDUJE) chain = HOTOVY;
        if (chain != HOTOVY) break;

        // Upward scan.
        bool first_pending = true, just_after_first = false, collecting = false;
        row_hit = false;
        Stav up = ZIADNY;
        len = 0;
        int lead_in_taken = 0;       // lead-in entries the scan collected
        int top_widened = box_top;  // top-most row whose range the scan widened
        for (int i = chain_end; i >= 0; i--) {
            len++;
            POINT p = polohy[i];
            POINT r = i == 0 ? POINT{p.x, p.y - 1} : polohy[i - 1];
            if (!Rovnake(r, p.x - 1, p.y)) {
                int start = p.x, end = p.x + len - 1, row = p.y;
                if (collecting) {
                    if (start <= ref.hi && end >= ref.lo) {
                        Usek& u = rozsahy[row];
                        if (u.lo == -1 && u.hi == -1) {
                            u = Usek{start, end};
                        } else {
                            if (start < u.lo) u.lo = start;
                            if (end > u.hi) u.hi = end;
                        }
                        if (row < top_widened) top_widened = row;
                        collected += len;
                        tested = collected;
                        row_hit = true;
                        for (int k = i; k < i + len; k++)
                            if (polohy[k].y < box_top || (polohy[k].y == box_top && polohy[k].x < lead_seed_x))
                                lead_in_taken++;
                        vyber(i, len);
                    }
                    if (r.y < p.y && row_hit) {
                        ref = rozsahy[row];
                        if (ref.lo < box_left) box_left = ref.lo;
                        if (ref.hi > box_right) box_right = ref.hi;
                    }
                    if (p.y - r.y == 1 && !row_hit && !just_after_first) collecting = false;
                    just_after_first = false;
                    if (p.y - r.y > 1) collecting = false;
                }
                if (first_pending) {
                    ref = rozsahy[row];
                    box_left = ref.lo;
                    box_right = ref.hi;
                    first_pending = false;
                    just_after_first = true;
                    collecting = true;
                    collected = len;
                    vyber(i, len);
                }
                len = 0;
            }
            if (p.y > r.y) {
                if (!row_hit && up == NASLEDUJE) up = HOTOVY;
                if (row_hit) up = NASLEDUJE;
                row_hit = false;
                if (up == HOTOVY || i == 0) {
                    int kolko = opravy.len_zostavajuci_nabeh ? lead_in - lead_in_taken : lead_in;
                    if (kolko > n) kolko = n;
                    vyber(0, kolko);
                    break;
                }
            }
        }

        // End of the cycle.
        int od = opravy.cistit_nad_boxom ? top_widened : box_top;
        for (int y = od; y <= box_bottom; y++) rozsahy[y] = Usek{-1, -1};
        int width = box_right - box_left + 1;
        int height = box_bottom - box_top + 1;
        double area = (double)width * height;
        if (width >= min_velkost && height >= min_velkost && tested >= (double)percento * area / 100) {
            vysledok.centers.push_back(POINT{(box_left + box_right) / 2, (box_top + box_bottom) / 2});
            vysledok.objekty.push_back(RECT{box_left, box_top, box_right, box_bottom});
        }
    }

    for (const Usek& u : rozsahy)
        if (u.lo != -1 || u.hi != -1) vysledok.nastavene_rozsahy++;
    return vysledok;
}

}  // namespace orakel
