// The object search proper: the two-scan cycles over the runs of grey pixels, on a snapshot in memory.
//
// A cycle's downward scan picks the first run, in scan order, that has a run overlapping it on the
// next row, and follows the chain of row extents down; its upward scan takes the bottom run and then
// the runs overlapping the range of the row below them, until a row yields none; the entries before
// the seed run (the lead-in) leave the list with them. Every step is done on the runs of the rows
// it concerns only: the rows keep their runs in order, the boundary counts of a row find the runs
// under any column range at once, and a bitmap tells which runs are still in the list, so that taking
// a run out moves nothing.
#include "search/hladanie.h"

#include <cstdlib>

#include "search/behy.h"
#include "search/hladanie_pocty.h"
#include "search/vysledky.h"

struct Rozsah {  // columns lo to hi; (-1, -1) is empty
    int lo;
    int hi;
};

// Per-row work tables, kept from search to search and grown when a bigger desktop comes.
static Rozsah* rozsahy;          // what the upward scan widened a row's range to in this cycle
static int32_t* prvy_zasah;      // chain rows: the first hit run of the row; the seed row: the seed
static int32_t* posledny_zasah;  // chain rows: the last hit run of the row; the seed row: the seed
static int32_t* rozsirene;       // the rows of rozsahy set in this cycle
static int miest_riadkov;

static PoctyHladania pocty;

PoctyHladania PoslednePocty() { return pocty; }

static int PripravRiadky(int h)
{
    if (miest_riadkov >= h + 5) return 1;
    Rozsah* r = (Rozsah*)calloc((size_t)h + 5, sizeof(Rozsah));
    int32_t* p = (int32_t*)calloc((size_t)h + 5, sizeof(int32_t));
    int32_t* q = (int32_t*)calloc((size_t)h + 5, sizeof(int32_t));
    int32_t* s = (int32_t*)calloc((size_t)h + 5, sizeof(int32_t));
    if (!r || !p || !q || !s) {
        free(r);
        free(p);
        free(q);
        free(s);
        return 0;
    }
    free(rozsahy);
    free(prvy_zasah);
    free(posledny_zasah);
    free(rozsirene);
    rozsahy = r;
    prvy_zasah = p;
    posledny_zasah = q;
    rozsirene = s;
    miest_riadkov = h + 5;
    for (int y = 0; y < h + 5; y++) rozsahy[y] = Rozsah{-1, -1};
    return 1;
}

// What a cycle leaves to the next one.
struct Pokracovanie {
    int prvy;          // the list starts at this run or later: the last seed, the lead-in before it gone
    int riadok;        // the row of that run
    int semeno;        // the last seed (0: none), and the top-most row that its cycle took runs
    int zmenene_od;    //   from: the seed's chain keeps its hits on the rows above that one
};

// What the downward scan hands to the upward scan.
struct Retaz {
    int semeno;  // the seed run
    int horny;   // box top: the seed row
    int dolny;   // box bottom: the last hit row
};

static int DalsiRiadokSBehmi(int y, int h)
{
    while (y < h && zive_v_riadku[y] == 0) y++;
    return y;
}

// Downward scan. The first run with a run overlapping it on the next row becomes the seed; the chain
// then follows it down, each row's hits being the runs that overlap the previous row's extent (from
// its first hit's start to its last hit's end, gaps included), and ends at the first row without a
// hit or at a gap of rows. Fills prvy_zasah and posledny_zasah of the chain rows. 0 when no run of
// the list has a seed's overlap: the search is over.
static int HladajRetaz(int h, const Pokracovanie& p, Retaz* retaz)
{
    int a = DalsiZivy(p.prvy);
    int y = p.riadok;
    int riadok;  // the last chain row followed so far
    if (a == p.semeno && p.zmenene_od - 1 > y) {
        // The last seed leads again: nothing changed on its next row, so it is still the first run
        // with a hit, and its chain is the same down to the row above the runs the last cycle took.
        riadok = p.zmenene_od - 1;
    } else {
        int prvy, posledny;
        for (;;) {
            if (a > pocet_behov) return 0;
            while (prvy_beh_riadku[y + 1] <= a) y++;
            if (zive_v_riadku[y + 1] == 0) {
                // The next row with entries lies further down: this seed is given up at the end of
                // its row, as every run after it on the row would be. The next row's first run is next.
                y = DalsiRiadokSBehmi(y + 2, h);
                if (y >= h) return 0;
                a = DalsiZivy(prvy_beh_riadku[y]);
                continue;
            }
            // The runs of the next row from the first ending at or right of the seed's start to the
            // last starting at or left of its end are the ones that overlap it.
            prvy = DalsiZivy(PrvyBehKonciaciOd(y + 1, ZaciatokBehu(a)));
            posledny = PoslednyBehZacinajuciDo(y + 1, KoniecBehu(a));
            if (prvy <= posledny) break;
            if (zive_v_riadku[y + 2] > 0) {
                // No hit, and a row with entries right below that one: the walk goes back to the
                // entry after the seed.
                a = DalsiZivy(a + 1);
            } else {
                // No hit, and a gap after the next row: the seed is given up at that row's end, and
                // the walk goes on after it, past the rest of the seed's row.
                y = DalsiRiadokSBehmi(y + 3, h);
                if (y >= h) return 0;
                a = DalsiZivy(prvy_beh_riadku[y]);
            }
        }
        prvy_zasah[y] = posledny_zasah[y] = a;
        riadok = y + 1;
        prvy_zasah[riadok] = prvy;
        posledny_zasah[riadok] = PredoslyZivy(posledny);
    }
    int lo = ZaciatokBehu(prvy_zasah[riadok]), hi = KoniecBehu(posledny_zasah[riadok]);  // its extent
    for (;;) {
        const int dalsi = riadok + 1;
        if (zive_v_riadku[dalsi] == 0) break;  // a gap of rows (or the list's end) ends the chain
        const int prvy = DalsiZivy(PrvyBehKonciaciOd(dalsi, lo));
        int posledny = PoslednyBehZacinajuciDo(dalsi, hi);
        if (prvy > posledny) break;  // a row without a hit
        posledny = PredoslyZivy(posledny);
        prvy_zasah[dalsi] = prvy;
        posledny_zasah[dalsi] = posledny;
        lo = ZaciatokBehu(prvy);
        hi = KoniecBehu(posledny);
        riadok = dalsi;
    }
    retaz->semeno = a;
    retaz->horny = y;
    retaz->dolny = riadok;
    return 1;
}

// What one cycle's upward scan found.
struct Objekt {
    int lavy, pravy;      // box left and right
    long long vypln;      // tested fill: collected pixels after the last run collected on test
    int zmenene_od;       // the top-most row it took runs from
    int rozsirenych;      // rows of rozsahy it set (listed in rozsirene)
};

// Upward scan: takes the chain's bottom run (the last hit of the bottom row), then on each row the
// runs overlapping the reference range: for the bottom row's runs left of it the bottom row's
// extent, further up the range of the nearest row below that had a run taken, widened by its taken
// runs. It stops at the first row without a taken run (the row of the run right after the bottom run
// excepted, when that run is its row's only one) and at a gap of rows.
static Objekt ZberObjekt(const Retaz& retaz)
{
    const int dolny = retaz.dolny;
    const int spodny = posledny_zasah[dolny];
    Objekt o = {ZaciatokBehu(prvy_zasah[dolny]), KoniecBehu(spodny), 0, dolny, 0};
    Rozsah ref = {o.lavy, o.pravy};
    long long zobrane = DlzkaBehu(spodny);
    VyberBeh(spodny, dolny);

    // The runs still to test on the bottom row are those left of the bottom run; when there is none,
    // the scan goes on with the whole row above.
    int y = dolny, hranica = spodny;
    bool usetreny;  // the run right after the bottom run is its row's only one to test
    const int vlavo = PredoslyZivy(spodny - 1);
    if (vlavo < prvy_beh_riadku[dolny]) {
        y = dolny - 1;
        hranica = prvy_beh_riadku[dolny];
        usetreny = zive_v_riadku[y] == 1;
    } else {
        usetreny = PredoslyZivy(vlavo - 1) < prvy_beh_riadku[dolny];
    }

    for (;;) {
        int j = DalsiZivy(y == dolny ? prvy_zasah[dolny] : PrvyBehKonciaciOd(y, ref.lo));
        int po = PoslednyBehZacinajuciDo(y, ref.hi);  // the runs j to po overlap the reference range
        if (po >= hranica) po = hranica - 1;
        const bool zasah = j <= po;
        if (zasah) {
            // The row's range before this cycle's widening: the chain's extent on chain rows
            // (the seed itself on the seed row), empty above the seed row.
            Rozsah r = rozsahy[y];
            if (r.lo == -1 && r.hi == -1) {
                if (y >= retaz.horny) r = Rozsah{ZaciatokBehu(prvy_zasah[y]), KoniecBehu(posledny_zasah[y])};
                rozsirene[o.rozsirenych++] = y;
            }
            do {
                const int zaciatok = ZaciatokBehu(j), koniec = KoniecBehu(j);
                if (r.lo == -1 && r.hi == -1) {
                    r = Rozsah{zaciatok, koniec};
                } else {
                    if (zaciatok < r.lo) r.lo = zaciatok;
                    if (koniec > r.hi) r.hi = koniec;
                }
                zobrane += koniec - zaciatok + 1;
                VyberBeh(j, y);
                j = DalsiZivy(j + 1);
            } while (j <= po);
            o.vypln = zobrane;
            rozsahy[y] = r;
            ref = r;
            if (r.lo < o.lavy) o.lavy = r.lo;
            if (r.hi > o.pravy) o.pravy = r.hi;
            o.zmenene_od = y;
        } else if (!usetreny) {
            break;
        }
        // A gap of rows above, or the list's first row, ends the scan too.
        if (y == 0 || zive_v_riadku[y - 1] == 0) break;
        usetreny = false;
        y--;
        hranica = prvy_beh_riadku[y + 1];
    }
    return o;
}

// Takes out the lead-in entries still in the list: every run from `od` to the seed.
static void VyberNabeh(int od, int riadok, int semeno)
{
    for (int j = DalsiZivy(od); j < semeno; j = DalsiZivy(j + 1)) {
        while (prvy_beh_riadku[riadok + 1] <= j) riadok++;
        VyberBeh(j, riadok);
    }
}

int HladajObjekty(int w, int h, const COLORREF* farby, RECT vylucene, int stupen, int min_velkost,
                  int percento)
{
    pocty = PoctyHladania{0, 0, 0};
    if (w <= 0 || h <= 0 || !farby) return 0;
    if (!PripravBehy(w, h) || !PripravRiadky(h) || !RozsirVysledky(w, h)) return 0;

    pocty.sive_body = ZostavBehy(w, h, farby, vylucene, stupen);
    pocty.behy = pocet_behov;

    int s = 0;
    Pokracovanie p = {1, 0, 0, 0};
    Retaz retaz;
    while (HladajRetaz(h, p, &retaz)) {
        pocty.cykly++;
        const Objekt o = ZberObjekt(retaz);
        VyberNabeh(p.prvy, p.riadok, retaz.semeno);
        p = Pokracovanie{retaz.semeno, retaz.horny, retaz.semeno, o.zmenene_od};
        for (int k = 0; k < o.rozsirenych; k++) rozsahy[rozsirene[k]] = Rozsah{-1, -1};

        const long long sirka = (long long)o.pravy - o.lavy + 1;
        const long long vyska = (long long)retaz.dolny - retaz.horny + 1;
        if (sirka >= min_velkost && vyska >= min_velkost && 100 * o.vypln >= percento * sirka * vyska) {
            centers[s] = POINT{(o.lavy + o.pravy) / 2, (retaz.horny + retaz.dolny) / 2};
            objekty[s] = RECT{o.lavy, retaz.horny, o.pravy, retaz.dolny};
            s++;
        }
    }
    return s;
}
