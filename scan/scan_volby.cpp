// The command line of zentrivo-scan: reads the options and checks their ranges.
#include "scan/scan_volby.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "scan/scan_volby_sledovanie.h"

const char* const kScanPouzitie =
    "Usage: zentrivo-scan [--band B] [--min N] [--fill P] [--exclude L,T,R,B] [--rects | --json] [--out FILE]\n"
    "                     [--max-pixels N] [--max-bytes N] [-j N] [--time] (IMAGE... | --screen)\n"
    "       zentrivo-scan --help | --version\n"
    "       zentrivo-scan [OPTION...] --screen (--watch | --until N) [--timeout SECONDS] [--interval MS]\n"
    "       zentrivo-scan --list-monitors [--screen=WAY]; --screen[=WAY] [--monitor M] with the options above\n"
    "\n"
    "Finds the objects of exactly-grey pixels (red, green and blue equal) in each IMAGE, taken as a\n"
    "desktop snapshot, and prints the centre of each object kept, one \"x,y\" line per object in the\n"
    "order found, the images in argument order. With more than one IMAGE every line starts with the\n"
    "image's name and a colon. IMAGE is PNG, BMP, PPM/PGM, TGA or JPEG; grey and palette images count\n"
    "as RGB, alpha is ignored; - reads an image from standard input. --colour looks for the pixels of\n"
    "one colour instead, with the same rules.\n"
    "\n"
    "  --band B           grey band 0 to 7: the grey values 32*B to 32*B+31 (default 0)\n"
    "  --min N            smallest object width and height in pixels, 0 or more (default 20)\n"
    "  --fill P           smallest share of its rectangle an object fills, percent 0 to 100 (default 70)\n"
    "  --exclude L,T,R,B  leave out columns L to R of rows T to B, all four bounds inclusive\n"
    "  --rects            print \"x,y,left,top,right,bottom\" lines instead, bounds inclusive\n"
    "  --json             print one JSON object per object instead (JSON Lines): {\"image\": NAME, \"x\": ..,\n"
    "                     \"y\": .., \"left\": .., \"top\": .., \"right\": .., \"bottom\": .., \"pixels\": ..}\n"
    "  --out FILE         also write the centres to FILE, one \"x,y\" line with CR LF each (one image only)\n"
    "  --max-pixels N     refuse an image of more than N pixels before decoding it, 0 for no limit\n"
    "                     (default 178956970)\n"
    "  --max-bytes N      refuse an image whose data go on past N bytes (default: the most its header's\n"
    "                     size can take in its format, and 4 MB of other data)\n"
    "  -j N               search the images on N threads (default: one for each processor); the output\n"
    "                     is the same as with -j 1\n"
    "  --time             print \"search: X.XXX ms\" on standard error, the time of the search alone\n"
    "  --screen           search the live screen instead of image files: on Linux a wlroots Wayland\n"
    "                     compositor's screencopy, else the desktop portal, when WAYLAND_DISPLAY is set,\n"
    "                     else the X display; on Windows every monitor\n"
    "  --screen=WAY       read the screen only this way: x11, wayland (screencopy) or portal\n"
    "  --monitor M        print the screen's objects centred on monitor M only: its number, its name,\n"
    "                     primary, or all (default); positions stay in the desktop's coordinates\n"
    "  --list-monitors    print one JSON line per monitor: {\"monitor\": N, \"name\": .., \"primary\": ..,\n"
    "                     \"x\": .., \"y\": .., \"width\": .., \"height\": .., \"scale\": ..}\n"
    "  --colour R,G,B     look for the pixels of this colour instead of a grey band (not with --band)\n"
    "  --tolerance T      with --colour: accept pixels whose red, green and blue each differ from it by\n"
    "                     at most T, 0 to 255 (default 0)\n"
    "  --watch            with --screen: search again whenever the screen changes and print what changed,\n"
    "                     \"+x,y\" for an object that appeared and \"-x,y\" for one that vanished (with\n"
    "                     --json {\"event\": \"appeared\" or \"vanished\", \"time\": MS, ...}), until\n"
    "                     interrupted, terminated or standard output is closed (exit status 0)\n"
    "  --until N          with --screen: search until at least N objects are kept and print them\n"
    "  --timeout SECONDS  end --until (exit status 1, nothing printed) or --watch (exit status 0) after\n"
    "                     this time; decimals allowed\n"
    "  --interval MS      least time between two searches (default 0; 100 on Windows, where the screen\n"
    "                     is copied this often and searched when it changed)\n"
    "  --help             print this text\n"
    "  --version          print the program's name and version\n"
    "  --                 ends the options: every later argument is an IMAGE, even one starting with -\n"
    "\n"
    "Exit status: 0 when every image was read and searched, also when nothing is found; 2 on bad usage\n"
    "or when an image could not be read: unreadable, cut short, damaged or over the pixel limit (the\n"
    "others are still searched and printed), or the centres file could not be written (the lines are\n"
    "still printed); 1 when --until ran out of time before N objects were kept.\n";

// A whole decimal number with an optional sign, nothing else around it, within long long (its
// smallest value aside).
static int CitajCislo64(const char* text, size_t dlzka, long long* cislo)
{
    size_t k = 0;
    bool zaporne = false;
    if (k < dlzka && (text[k] == '+' || text[k] == '-')) zaporne = text[k++] == '-';
    if (k == dlzka) return 0;
    long long hodnota = 0;
    for (; k < dlzka; k++) {
        if (text[k] < '0' || text[k] > '9') return 0;
        if (hodnota > (LLONG_MAX - (text[k] - '0')) / 10) return 0;
        hodnota = hodnota * 10 + (text[k] - '0');
    }
    *cislo = zaporne ? -hodnota : hodnota;
    return 1;
}

// The same within int.
static int CitajCislo(const char* text, size_t dlzka, int* cislo)
{
    long long hodnota = 0;
    if (!CitajCislo64(text, dlzka, &hodnota) || hodnota < INT_MIN || hodnota > INT_MAX) return 0;
    *cislo = (int)hodnota;
    return 1;
}

static int CitajVRozsahu(const char* volba, const char* text, int od, int po, int* cislo, char* chyba,
                         size_t miesto)
{
    if (CitajCislo(text, strlen(text), cislo) && *cislo >= od && *cislo <= po) return 1;
    if (po == INT_MAX)
        snprintf(chyba, miesto, "%s needs a whole number %d or more, not '%s'", volba, od, text);
    else
        snprintf(chyba, miesto, "%s needs a whole number %d to %d, not '%s'", volba, od, po, text);
    return 0;
}

static int CitajObdlznik(const char* text, RECT* r, char* chyba, size_t miesto)
{
    int hodnoty[4];
    const char* od = text;
    for (int k = 0; k < 4; k++) {
        const char* ciarka = strchr(od, ',');
        size_t dlzka = ciarka ? (size_t)(ciarka - od) : strlen(od);
        bool posledna = k == 3;
        if ((ciarka != nullptr) == posledna || !CitajCislo(od, dlzka, &hodnoty[k])) {
            snprintf(chyba, miesto, "--exclude needs four whole numbers L,T,R,B, not '%s'", text);
            return 0;
        }
        if (ciarka) od = ciarka + 1;
    }
    *r = RECT{hodnoty[0], hodnoty[1], hodnoty[2], hodnoty[3]};
    return 1;
}

// The readers of the options' values: 1 read, 0 bad with a one-line reason in chyba.
static int CitajPasmo(const char* a, const char* h, ScanVolby* v, char* chyba, size_t miesto)
{
    v->pasmo_zadane = true;  // --colour cannot go with it
    return CitajVRozsahu(a, h, 0, 7, &v->stupen, chyba, miesto);
}
static int CitajMin(const char* a, const char* h, ScanVolby* v, char* chyba, size_t miesto)
{
    return CitajVRozsahu(a, h, 0, INT_MAX, &v->min_velkost, chyba, miesto);
}
static int CitajVypln(const char* a, const char* h, ScanVolby* v, char* chyba, size_t miesto)
{
    return CitajVRozsahu(a, h, 0, 100, &v->percento, chyba, miesto);
}
static int CitajVlakna(const char* a, const char* h, ScanVolby* v, char* chyba, size_t miesto)
{
    return CitajVRozsahu(a, h, 1, INT_MAX, &v->vlakna, chyba, miesto);
}
static int CitajVylucene(const char*, const char* h, ScanVolby* v, char* chyba, size_t miesto)
{
    return CitajObdlznik(h, &v->vylucene, chyba, miesto);
}
// --max-pixels (0 or more) and --max-bytes (1 or more).
static int CitajLimit(const char* a, const char* h, ScanVolby* v, char* chyba, size_t miesto)
{
    const bool pixely = strcmp(a, "--max-pixels") == 0;
    long long* limit = pixely ? &v->max_pixelov : &v->max_bajtov;
    if (CitajCislo64(h, strlen(h), limit) && *limit >= (pixely ? 0 : 1)) return 1;
    snprintf(chyba, miesto, "%s needs a whole number %d or more, not '%s'", a, pixely ? 0 : 1, h);
    return 0;
}
static int CitajVolbuMonitora(const char*, const char* h, ScanVolby* v, char*, size_t)
{
    v->monitor = h;  // checked against the monitors once they are known
    return 1;
}
static int CitajVystup(const char*, const char* h, ScanVolby* v, char* chyba, size_t miesto)
{
    if (*h != '\0') {
        v->vystup = h;
        return 1;
    }
    snprintf(chyba, miesto, "--out needs a file name");
    return 0;
}

// Every option, once: a switch with the flag it sets, an option with a value with its reader.
struct Volba {
    const char* meno;
    bool ScanVolby::*prepinac;
    int (*citaj)(const char* a, const char* h, ScanVolby* v, char* chyba, size_t miesto);
};
static const Volba kVolby[] = {
    {"--rects", &ScanVolby::obdlzniky, nullptr},     {"--json", &ScanVolby::json, nullptr},
    {"--time", &ScanVolby::cas, nullptr},            {"--screen", &ScanVolby::obrazovka, nullptr},
    {"--watch", &ScanVolby::sledovat, nullptr},      {"--list-monitors", &ScanVolby::monitory, nullptr},
    {"--band", nullptr, CitajPasmo},                 {"--min", nullptr, CitajMin},
    {"--fill", nullptr, CitajVypln},                 {"-j", nullptr, CitajVlakna},
    {"--exclude", nullptr, CitajVylucene},           {"--max-pixels", nullptr, CitajLimit},
    {"--max-bytes", nullptr, CitajLimit},            {"--monitor", nullptr, CitajVolbuMonitora},
    {"--out", nullptr, CitajVystup},                 {"--until", nullptr, CitajHodnotuSledovania},
    {"--timeout", nullptr, CitajHodnotuSledovania},  {"--interval", nullptr, CitajHodnotuSledovania},
    {"--colour", nullptr, CitajHodnotuSledovania},   {"--tolerance", nullptr, CitajHodnotuSledovania},
};

// --screen=WAY: the way the live screen is read, which also asks for the screen.
static int CitajSposob(const char* sposob, ScanVolby* v, char* chyba, size_t miesto)
{
    for (const char* s : {"x11", "wayland", "portal"})
        if (strcmp(sposob, s) == 0) {
            v->sposob = s;
            v->obrazovka = true;
            return 1;
        }
    snprintf(chyba, miesto, "--screen= takes x11, wayland or portal, not '%s'", sposob);
    return 0;
}

// The rules between the options, once all are read.
static int SkontrolujSpolu(const ScanVolby* v, char* chyba, size_t miesto)
{
    const char* zle = nullptr;
    if (v->obdlzniky && v->json) zle = "--rects and --json cannot go together";
    else if ((v->obrazovka || v->monitory) && !v->obrazy.empty()) zle = "--screen takes no image";
    else if (!v->obrazovka && !v->monitory && v->obrazy.empty()) zle = "no image given";
    else if (v->monitor && !v->obrazovka) zle = "--monitor needs --screen";
    else if (v->vystup && v->obrazy.size() > 1) zle = "--out takes one image only";
    if (zle) {
        snprintf(chyba, miesto, "%s", zle);
        return 0;
    }
    // Standard input holds one image.
    int zo_vstupu = 0;
    for (const char* o : v->obrazy) zo_vstupu += strcmp(o, "-") == 0;
    if (zo_vstupu > 1) {
        snprintf(chyba, miesto, "- (standard input) can be given once only");
        return 0;
    }
    return SkontrolujSledovanie(v, chyba, miesto);
}

int CitajVolby(int argc, const char* const* argv, ScanVolby* v, char* chyba, size_t miesto)
{
    bool volby = true;  // until "--": after it every argument is an image
    for (int k = 0; k < argc; k++) {
        const char* a = argv[k];
        if (!volby || strcmp(a, "--") == 0) {
            if (!volby) v->obrazy.push_back(a);
            volby = false;
            continue;
        }
        if (strcmp(a, "--help") == 0 || strcmp(a, "--version") == 0) {
            (strcmp(a, "--help") == 0 ? v->pomoc : v->verzia) = true;
            return 1;
        }
        const Volba* volba = nullptr;
        for (const Volba& o : kVolby)
            if (strcmp(a, o.meno) == 0) volba = &o;
        if (volba && volba->prepinac) {
            v->*volba->prepinac = true;
            continue;
        }
        if (volba) {
            if (k + 1 >= argc) {
                snprintf(chyba, miesto, "%s needs a value", a);
                return 0;
            }
            if (!volba->citaj(a, argv[++k], v, chyba, miesto)) return 0;
            continue;
        }
        if (strncmp(a, "--screen=", 9) == 0) {
            if (!CitajSposob(a + 9, v, chyba, miesto)) return 0;
            continue;
        }
        if (a[0] == '-' && a[1] != '\0') {
            snprintf(chyba, miesto, "unknown option '%s'", a);
            return 0;
        }
        v->obrazy.push_back(a);
    }
    return SkontrolujSpolu(v, chyba, miesto);
}
