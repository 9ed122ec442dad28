// The object search proper: the two-scan cycles over the runs of grey pixels, on a snapshot in memory.
//
// A cycle's downward scan picks the first run, in scan order, that has a run overlapping it on the
// next row, and follows the chain of row extents down; its upward scan takes the bottom run and then
// the runs overlapping the range of the row below them, until a row yields none; the entries before
// the seed run (the lead-in) leave the list with them. The list is a bit table of the grey pixels
// still in it, so every step works a word (64 columns) at a time on the rows it concerns only:
// the runs under a range of columns are found from the first and the last pixel in the range, and
// taking runs out clears their bits and moves nothing.
#include "search/hladanie.h"

#include <cstdlib>

#include "search/behy.h"
#include "search/hladanie_pocty.h"
#include "search/tabulka.h"

struct Rozsah {  // columns lo to hi
    int lo;
    int hi;
};

// What a cycle leaves to the next one.
struct Pokracovanie {
    int riadok, stlpec;  // the list holds nothing before this place: the last seed's row and first column
    bool semeno;         // that place is the last seed's (not the list's start)
    int zmenene_od;      // the top-most row the last cycle took runs from: the seed's chain keeps its
                         // extents on the rows above that one
};

// What the downward scan hands to the upward scan.
struct Retaz {
    int horny;          // box top: the seed row
    int dolny;          // box bottom: the last hit row
    int semeno_od;      // the seed's first column
};

static int DalsiRiadokSBehmi(const Behy& b, int y, int h)
{
    while (y < h && b.bodov_v_riadku[y] == 0) y++;
    return y;
}

// The seed search: from column x of row y on, the first run with a run overlapping it on the next
// row. A seed whose next row has no overlapping run is given up and the walk goes on with the run
// after it; but when the row after that next row is empty, the walk goes on past that gap, and when
// the next row itself is empty, past it. Sets *riadok and *zaciatok to the seed's row and first
// column; 0 when there is none and the search is over.
static int HladajSemeno(const Behy& b, int h, int y, int x, int* riadok, int* zaciatok)
{
    const int posledny_stlpec = PoslednyStlpecSlov(b);
    for (;;) {
        if (y >= h) return 0;
        const int a = b.bodov_v_riadku[y] ? PrvyBod(b, y, x, posledny_stlpec) : kZiadny;  // the next run
        if (a == kZiadny) {
            y++;
            x = 0;
            continue;
        }
        if (b.bodov_v_riadku[y + 1] == 0) {
            y = DalsiRiadokSBehmi(b, y + 2, h);
            x = 0;
            continue;
        }
        if (b.bodov_v_riadku[y + 2] > 0) {
            // Each run of the row is tried in turn: the first sharing a column with a run below wins;
            // when none does, the walk goes on with the next row's first run.
            const int c = PrvySpolocny(b, y, a);
            if (c != kZiadny) {
                *riadok = y;
                *zaciatok = ZaciatokBehu(b, y, c);
                return 1;
            }
            y++;
            x = 0;
            continue;
        }
        // A gap after the next row: this run is the only one tried before the walk jumps over it.
        if (PrvyBod(b, y + 1, a, KoniecBehu(b, y, a)) != kZiadny) {
            *riadok = y;
            *zaciatok = a;
            return 1;
        }
        y = DalsiRiadokSBehmi(b, y + 3, h);
        x = 0;
    }
}

// The row extent of the runs of row y that overlap lo to hi: from the first one's start to the last
// one's end, gaps included. 0 when no run overlaps.
// Inlined into its three callers: it is the search's innermost step.
static inline __attribute__((always_inline)) int Zasah(const Behy& b, int y, int lo, int hi, Rozsah* r)
{
    const int k = lo >> 6;
    if (k == hi >> 6) {
        // Most ranges lie within one word, and so do the ends of the runs that overlap them.
        const uint64_t slovo = Riadok(b, y)[k];
        const uint64_t m = slovo & (~0ull << (lo & 63)) & (~0ull >> (63 - (hi & 63)));
        if (m == 0) return 0;
        const int prvy = __builtin_ctzll(m), posledny = 63 - __builtin_clzll(m);
        const uint64_t pred = ~slovo & ((1ull << prvy) - 1), za = ~slovo & (~0ull << posledny);
        r->lo = pred ? (k << 6) + 64 - __builtin_clzll(pred) : ZaciatokBehu(b, y, (k << 6) + prvy);
        r->hi = za ? (k << 6) + __builtin_ctzll(za) - 1 : KoniecBehu(b, y, (k << 6) + posledny);
        return 1;
    }
    const int prvy = PrvyBod(b, y, lo, hi);
    if (prvy == kZiadny) return 0;
    r->lo = ZaciatokBehu(b, y, prvy);
    r->hi = KoniecBehu(b, y, PoslednyBod(b, y, prvy, hi));
    return 1;
}

// Downward scan: the seed, then the chain of row extents down from it, each row's hits being the
// runs that overlap the previous row's extent; it ends at the first row without a hit or at a gap of
// rows. Fills rozsahy of the chain rows. 0 when no run of the list has a seed's overlap: the search
// is over.
static int HladajRetaz(const Behy& b, Rozsah* rozsahy, int h, const Pokracovanie& p, Retaz* retaz)
{
    int riadok;  // the last chain row followed so far
    if (p.semeno && p.zmenene_od - 1 > p.riadok && PrvyBod(b, p.riadok, p.stlpec, p.stlpec) != kZiadny) {
        // The last seed is still the list's first run and nothing changed on its next row, so it
        // leads again, and its chain is the same down to the row above the runs the last cycle took.
        retaz->horny = p.riadok;
        retaz->semeno_od = p.stlpec;
        riadok = p.zmenene_od - 1;
    } else {
        int y, zaciatok;
        if (!HladajSemeno(b, h, p.riadok, p.stlpec, &y, &zaciatok)) return 0;
        const int koniec = KoniecBehu(b, y, zaciatok);
        retaz->horny = y;
        retaz->semeno_od = zaciatok;
        rozsahy[y] = Rozsah{zaciatok, koniec};
        Zasah(b, y + 1, zaciatok, koniec, &rozsahy[y + 1]);
        riadok = y + 1;
    }
    for (;;) {
        const int dalsi = riadok + 1;
        if (b.bodov_v_riadku[dalsi] == 0) break;  // a gap of rows (or the list's end) ends the chain
        if (!Zasah(b, dalsi, rozsahy[riadok].lo, rozsahy[riadok].hi, &rozsahy[dalsi])) break;
        riadok = dalsi;
    }
    retaz->dolny = riadok;
    return 1;
}

// What one cycle's upward scan found.
struct Objekt {
    int lavy, pravy;      // box left and right
    long long vypln;      // tested fill: collected pixels after the last run collected on test
    int zmenene_od;       // the top-most row it took runs from
};

// Upward scan: takes the chain's bottom run (the last hit of the bottom row), then on each row the
// runs overlapping the reference range: for the bottom row's other runs the bottom row's extent,
// further up the range of the nearest row below that had a run taken, widened by its taken runs.
// It stops at the first row without a taken run (the row of the run right after the bottom run
// excepted, when that run is its row's only one left to test) and at a gap of rows.
static Objekt ZberObjekt(const Behy& b, Rozsah* rozsahy, const Retaz& retaz)
{
    const int dolny = retaz.dolny;
    Objekt o = {rozsahy[dolny].lo, rozsahy[dolny].hi, 0, dolny};
    Rozsah ref = rozsahy[dolny];
    const int spodny_od = ZaciatokBehu(b, dolny, ref.hi);
    long long zobrane = VyberUsek(b, dolny, spodny_od, ref.hi);

    // The runs still to test on the bottom row are those left of the bottom run (every run of the
    // row that overlaps its extent lies there); when there is none, the scan goes on with the row above.
    int y = dolny;
    bool usetreny;  // the run right after the bottom run is its row's only one to test
    const int vlavo = spodny_od > 0 ? PoslednyBod(b, dolny, 0, spodny_od - 1) : kZiadny;
    if (vlavo == kZiadny) {
        // The row above is a chain row, untouched so far: its last hit run is still in the list, and
        // it is the row's only run when it holds all of the row's pixels.
        y = dolny - 1;
        const int koniec = rozsahy[y].hi;
        usetreny = b.bodov_v_riadku[y] == koniec - ZaciatokBehu(b, y, koniec) + 1;
    } else {
        const int vlavo_od = ZaciatokBehu(b, dolny, vlavo);
        usetreny = vlavo_od == 0 || PoslednyBod(b, dolny, 0, vlavo_od - 1) == kZiadny;
    }

    for (;;) {
        Rozsah vzate;
        if (b.bodov_v_riadku[y] > 0 && Zasah(b, y, ref.lo, ref.hi, &vzate)) {
            // The row's range before this cycle's widening: the chain's extent on chain rows (the
            // seed itself on the seed row), none above the seed row.
            Rozsah r = vzate;
            if (y >= retaz.horny) {
                if (rozsahy[y].lo < r.lo) r.lo = rozsahy[y].lo;
                if (rozsahy[y].hi > r.hi) r.hi = rozsahy[y].hi;
            }
            zobrane += VyberUsek(b, y, vzate.lo, vzate.hi);
            o.vypln = zobrane;
            ref = r;
            if (r.lo < o.lavy) o.lavy = r.lo;
            if (r.hi > o.pravy) o.pravy = r.hi;
            o.zmenene_od = y;
        } else if (!usetreny) {
            break;
        }
        // A gap of rows above, or the list's first row, ends the scan too.
        if (y == 0 || b.bodov_v_riadku[y - 1] == 0) break;
        usetreny = false;
        y--;
    }
    return o;
}

// Takes out the lead-in entries still in the list: everything from the place p to the seed.
static void VyberNabeh(const Behy& b, const Pokracovanie& p, const Retaz& retaz)
{
    const int posledny_stlpec = PoslednyStlpecSlov(b);
    for (int y = p.riadok; y <= retaz.horny; y++) {
        if (b.bodov_v_riadku[y] == 0) continue;
        const int od = y == p.riadok ? p.stlpec : 0;
        const int po = y == retaz.horny ? retaz.semeno_od - 1 : posledny_stlpec;
        if (od <= po) VyberUsek(b, y, od, po);
    }
}

// Grows the chain's row table to a desktop h rows high and a margin past its last row; 0 when out
// of memory.
static int PripravRiadky(StavHladania* stav, int h)
{
    const long long riadkov = (long long)h + 5;
    return ZvacsiTabulku((void**)&stav->rozsahy, &stav->miest_riadkov, riadkov, riadkov, sizeof(Rozsah));
}

// Room for at least `potreba` results: the arrays double, so a search of many objects grows them a
// few times only. 0 when out of memory (the count stays, so an array that grew is grown again from
// what the count says).
static int MiestoVysledkov(StavHladania* stav, long long potreba)
{
    if (stav->miest_vysledkov >= potreba) return 1;
    const long long miest = stav->miest_vysledkov, nove = DvojnasobnaDlzka(miest, potreba);
    long long c = miest, o = miest, b = miest;
    if (!ZvacsiTabulku((void**)&stav->centers, &c, potreba, nove, sizeof(POINT)) ||
        !ZvacsiTabulku((void**)&stav->objekty, &o, potreba, nove, sizeof(RECT)) ||
        !ZvacsiTabulku((void**)&stav->bodov, &b, potreba, nove, sizeof(long long)))
        return 0;
    stav->miest_vysledkov = c;
    return 1;
}

// The cycles over the list that ZostavBehy or the strips made.
static int Hladaj(StavHladania* stav, int h, int min_velkost, int percento)
{
    // The tables stay where they are for the whole search: a copy the compiler can keep in registers.
    const Behy b = stav->behy;
    Rozsah* const rozsahy = stav->rozsahy;

    int s = 0;
    Pokracovanie p = {0, 0, false, 0};
    Retaz retaz;
    while (HladajRetaz(b, rozsahy, h, p, &retaz)) {
        stav->pocty.cykly++;
        const Objekt o = ZberObjekt(b, rozsahy, retaz);
        VyberNabeh(b, p, retaz);
        p = Pokracovanie{retaz.horny, retaz.semeno_od, true, o.zmenene_od};

        const long long sirka = (long long)o.pravy - o.lavy + 1;
        const long long vyska = (long long)retaz.dolny - retaz.horny + 1;
        if (sirka >= min_velkost && vyska >= min_velkost && 100 * o.vypln >= percento * sirka * vyska) {
            if (!MiestoVysledkov(stav, s + 1)) return -1;
            stav->centers[s] = POINT{(o.lavy + o.pravy) / 2, (retaz.horny + retaz.dolny) / 2};
            stav->objekty[s] = RECT{o.lavy, retaz.horny, o.pravy, retaz.dolny};
            stav->bodov[s] = o.vypln;
            s++;
        }
    }
    return s;
}

int PripravStav(StavHladania* stav, int w, int h)
{
    return PripravBehy(&stav->behy, w, h) && PripravRiadky(stav, h);
}

int HladajSoStavom(StavHladania* stav, int w, int h, const COLORREF* farby, RECT vylucene, int stupen,
                   int min_velkost, int percento)
{
    stav->pocty = PoctyHladania{0, 0};
    if (w <= 0 || h <= 0 || !farby) return 0;
    if (!PripravStav(stav, w, h)) return -1;
    ZacniBehy(&stav->behy, w);
    PridajRiadky(stav, w, 0, h, farby, vylucene, stupen);
    UzavriBehy(&stav->behy, h);
    return Hladaj(stav, h, min_velkost, percento);
}

int ZacniHladanie(StavHladania* stav, int w, int h)
{
    stav->pocty = PoctyHladania{0, 0};
    if (w <= 0 || h <= 0 || !PripravStav(stav, w, h)) return 0;
    ZacniBehy(&stav->behy, w);
    return 1;
}

void PridajRiadky(StavHladania* stav, int w, int od, int riadkov, const COLORREF* farby, RECT vylucene, int stupen)
{
    const VyberBodov& v = stav->vyber;
    stav->pocty.sive_body += v.farebne ? ZostavRiadkyFarby(&stav->behy, w, od, riadkov, farby, vylucene, v.farba,
                                                           v.tolerancia)
                                       : ZostavRiadky(&stav->behy, w, od, riadkov, farby, vylucene, stupen);
}

int DokonciHladanie(StavHladania* stav, int h, int min_velkost, int percento)
{
    UzavriBehy(&stav->behy, h);
    return Hladaj(stav, h, min_velkost, percento);
}

void UvolniStav(StavHladania* stav)
{
    UvolniBehy(&stav->behy);
    free(stav->rozsahy);
    free(stav->centers);
    free(stav->objekty);
    free(stav->bodov);
    // What is searched for is the caller's setting, not a table: it outlives the memory.
    const VyberBodov vyber = stav->vyber;
    *stav = StavHladania{};
    stav->vyber = vyber;
}
