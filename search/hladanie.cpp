// The object search proper: the grey pixel list and the two-scan cycles, on a snapshot in memory.
#include "search/hladanie.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "search/vysledky.h"

struct Rozsah {  // columns lo to hi; (-1, -1) is empty
    int lo;
    int hi;
};

// What the downward scan hands to the upward scan.
struct Retaz {
    int horny;   // box top: the seed row
    int dolny;   // box bottom: the last hit row
    int koniec;  // last entry of the right-most hit run on the bottom row
    int nabeh;   // live entries before the seed run (the lead-in)
};

// Work tables, kept from search to search and grown when a bigger desktop comes.
static POINT* polohy;       // grey pixel list in scan order; the first n entries are live
static int miest_polohy;    // entries of polohy
static Rozsah* rozsahy;     // per row: the columns the current object spans
static int miest_rozsahy;   // entries of rozsahy

static int PripravTabulky(int w, int h)
{
    long long potreba = ((long long)h + 5) * ((long long)w + 5);
    if (potreba > INT_MAX) return 0;
    if (miest_polohy < potreba) {
        POINT* nove = (POINT*)calloc((size_t)potreba, sizeof(POINT));
        if (!nove) return 0;
        free(polohy);
        polohy = nove;
        miest_polohy = (int)potreba;
    }
    if (miest_rozsahy < h + 5) {
        Rozsah* nove = (Rozsah*)calloc((size_t)h + 5, sizeof(Rozsah));
        if (!nove) return 0;
        free(rozsahy);
        rozsahy = nove;
        miest_rozsahy = h + 5;
    }
    return 1;
}

// The band covers the 32 grey values whose top three bits are the band's remainder modulo 8; the
// top byte must be 0, so CLR_INVALID is never grey.
static int ZostavZoznam(int w, int h, const COLORREF* farby, RECT vylucene, int stupen)
{
    const unsigned pasmo = (unsigned)stupen & 7u;
    int n = 0;
    for (int y = 0; y < h; y++) {
        const COLORREF* riadok = farby + (size_t)y * (size_t)w;
        const bool v_pasme_riadkov = y >= vylucene.top && y <= vylucene.bottom;
        for (int x = 0; x < w; x++) {
            if (v_pasme_riadkov && x >= vylucene.left && x <= vylucene.right) continue;
            const COLORREF c = riadok[x];
            const unsigned v = c & 0xFFu;
            if (c == v * 0x010101u && (v >> 5) == pasmo) polohy[n++] = POINT{x, y};
        }
    }
    return n;
}

// Index of the last entry of the run that starts at i.
static int KoniecBehu(int i, int n)
{
    while (i + 1 < n && polohy[i + 1].y == polohy[i].y && polohy[i + 1].x == polohy[i].x + 1) i++;
    return i;
}

// Index of the first entry of the run that ends at i.
static int ZaciatokBehu(int i)
{
    while (i > 0 && polohy[i - 1].y == polohy[i].y && polohy[i - 1].x == polohy[i].x - 1) i--;
    return i;
}

// Index of the last entry on the row of entry i.
static int KoniecRiadku(int i, int n)
{
    while (i + 1 < n && polohy[i + 1].y == polohy[i].y) i++;
    return i;
}

static bool Prekryva(int zaciatok, int koniec, Rozsah r)
{
    return zaciatok <= r.hi && koniec >= r.lo;
}

static void Vyber(int od, int kolko, int* n)
{
    memmove(polohy + od, polohy + od + kolko, (size_t)(*n - od - kolko) * sizeof(POINT));
    *n -= kolko;
}

// Downward scan: the first run with an overlapping run on the next row becomes the seed, and the
// chain follows it down row by row. Returns 0 when no chain is left in the list.
static int HladajRetaz(int n, Retaz* retaz)
{
    int i = 0;
    while (i < n) {
        const int semeno_od = i;
        const int semeno_do = KoniecBehu(i, n);
        const int y = polohy[semeno_od].y;
        const int koniec_riadku = KoniecRiadku(semeno_do, n);
        if (koniec_riadku + 1 >= n || polohy[koniec_riadku + 1].y != y + 1) {
            // The next row with entries lies further down: the runs passed over beside the seed
            // go with it, and the first run of that row is the next seed.
            i = koniec_riadku + 1;
            continue;
        }

        Rozsah ref = {polohy[semeno_od].x, polohy[semeno_do].x};
        int od = koniec_riadku + 1;  // first entry of the row being followed
        for (int riadok = y + 1;; riadok++) {
            const int do_ = KoniecRiadku(od, n);
            Rozsah rozsah = {-1, -1};
            int koniec_zasahu = -1;
            for (int j = od; j <= do_;) {
                const int k = KoniecBehu(j, n);
                if (Prekryva(polohy[j].x, polohy[k].x, ref)) {
                    if (koniec_zasahu < 0) rozsah.lo = polohy[j].x;
                    rozsah.hi = polohy[k].x;  // runs rise along a row: each hit ends further right
                    koniec_zasahu = k;
                }
                j = k + 1;
            }
            const bool dalsi_susedny = do_ + 1 < n && polohy[do_ + 1].y == riadok + 1;

            if (koniec_zasahu < 0) {
                if (riadok > y + 1) return 1;  // the first row without a hit ends the chain
                // The seed is given up. With an adjacent row below, the walk goes back to the
                // entry after the seed; otherwise it goes on after this row.
                i = dalsi_susedny ? semeno_do + 1 : do_ + 1;
                break;
            }
            if (riadok == y + 1) {
                rozsahy[y] = Rozsah{polohy[semeno_od].x, polohy[semeno_do].x};
                retaz->horny = y;
                retaz->nabeh = semeno_od;
            }
            rozsahy[riadok] = rozsah;
            retaz->dolny = riadok;
            retaz->koniec = koniec_zasahu;
            ref = rozsah;
            // A gap below the hit row (or the end of the list) ends the chain at the next row.
            if (!dalsi_susedny) return 1;
            od = do_ + 1;
        }
    }
    return 0;
}

// What one cycle's upward scan found.
struct Objekt {
    int lavy, pravy;       // box left and right
    long long vypln;       // tested fill: collected pixels after the last run collected on test
    int najvyssi_riadok;   // top-most row whose range the scan widened
};

// Upward scan: takes the bottom run where the chain ended, then every run overlapping the range
// of the row below it (the bottom row's other runs against the bottom row's own range), and
// takes them out of the list; then drops the lead-in entries still in the list.
static Objekt ZberObjekt(const Retaz& retaz, int* n)
{
    Objekt o = {0, 0, 0, retaz.horny};
    Rozsah ref = {0, 0};
    long long zobrane = 0;   // collected pixels
    int nabeh_zobrany = 0;   // lead-in entries among them
    bool prvy = true;        // the bottom run is still to be taken
    bool hned_po_prvom = false;
    bool zasah = false;      // a run was collected on the current row

    for (int i = retaz.koniec; i >= 0;) {
        const int j = ZaciatokBehu(i);
        const int dlzka = i - j + 1;
        const int zaciatok = polohy[j].x;
        const int koniec = polohy[i].x;
        const int y = polohy[j].y;
        const int y_pred = j == 0 ? y - 1 : polohy[j - 1].y;  // row of the entry before the run

        if (prvy) {
            ref = rozsahy[y];
            o.lavy = ref.lo;
            o.pravy = ref.hi;
            zobrane = dlzka;
            Vyber(j, dlzka, n);
            prvy = false;
            hned_po_prvom = true;
        } else {
            if (Prekryva(zaciatok, koniec, ref)) {
                Rozsah& r = rozsahy[y];
                if (r.lo == -1 && r.hi == -1) {
                    r = Rozsah{zaciatok, koniec};
                } else {
                    if (zaciatok < r.lo) r.lo = zaciatok;
                    if (koniec > r.hi) r.hi = koniec;
                }
                if (y < o.najvyssi_riadok) o.najvyssi_riadok = y;
                zobrane += dlzka;
                o.vypln = zobrane;
                if (j < retaz.nabeh) nabeh_zobrany += dlzka < retaz.nabeh - j ? dlzka : retaz.nabeh - j;
                Vyber(j, dlzka, n);
                zasah = true;
            }
            if (y_pred < y && zasah) {
                ref = rozsahy[y];
                if (ref.lo < o.lavy) o.lavy = ref.lo;
                if (ref.hi > o.pravy) o.pravy = ref.hi;
            }
            // Collecting stops for good at a gap of rows, and at the first row without a
            // collected run, the run right after the bottom run excepted.
            const bool koniec_zberu = y - y_pred > 1 || (y - y_pred == 1 && !zasah && !hned_po_prvom);
            hned_po_prvom = false;
            if (koniec_zberu) break;
        }

        // A row without a collected run has stopped the scan above already.
        if (y_pred < y) {
            zasah = false;
            if (j == 0) break;
        }
        i = j - 1;
    }

    Vyber(0, retaz.nabeh - nabeh_zobrany, n);
    return o;
}

int HladajObjekty(int w, int h, const COLORREF* farby, RECT vylucene, int stupen, int min_velkost,
                  int percento)
{
    if (w <= 0 || h <= 0 || !farby) return 0;
    if (!PripravTabulky(w, h) || !RozsirVysledky(w, h)) return 0;
    for (int y = 0; y < h + 4; y++) rozsahy[y] = Rozsah{-1, -1};

    int n = ZostavZoznam(w, h, farby, vylucene, stupen);
    int s = 0;
    Retaz retaz = {0, 0, 0, 0};
    while (HladajRetaz(n, &retaz)) {
        const Objekt o = ZberObjekt(retaz, &n);
        for (int y = o.najvyssi_riadok; y <= retaz.dolny; y++) rozsahy[y] = Rozsah{-1, -1};

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
