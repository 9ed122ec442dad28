// Recording double of the drawing kit (render/kit.h) for native tests of anything that paints.
//
// Link the library zentrivo_kit_zaznam in place of the GDI kit, after the painter's own library
// (target_link_libraries(t PRIVATE zentrivo_dialogs zentrivo_kit_zaznam ...)). Every kit call then appends one
// Volanie to g_zaznam, in call order, with all its arguments; nothing is drawn. Napis and
// KlavesaMala hand back an extent computed by g_zaznam_rozmer from the text as drawn.
//
//   ZaznamVymaz();                      // empty the record, default extent rule, fresh handles
//   OnWM_PAINTDLG(hdc);                 // any painter, with any HDC value (the double never reads it)
//   ASSERT_EQ(g_zaznam.size(), 7u);
//   EXPECT_EQ(g_zaznam[0].text, "...");  // Windows-1250 bytes as they would reach TextOutA
//
// Extents: by default ZaznamRozmerPodlaTextu, which depends on the bytes, the height and the weight, so
// that labels of equal length get different widths and a layout that places an element from the wrong
// extent shows up. ZaznamPevnyRozmer(cx, cy) makes every extent the same; or assign any function of
// your own to g_zaznam_rozmer (ZaznamVymaz puts the default back).
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "common/wintypes.h"

enum DruhVolania {
    VOLANIE_INITSCREEN,
    VOLANIE_NAPIS,
    VOLANIE_KLAVESA_MALA,
    VOLANIE_SIPKA_VPRAVO,
    VOLANIE_SIPKA_VLAVO,
    VOLANIE_SIPKA_HORE,
    VOLANIE_SIPKA_DOLE,
    VOLANIE_OKIENKO,
    VOLANIE_USECKA,
};

// One kit call. Fields a primitive does not take stay 0 or empty.
struct Volanie {
    DruhVolania druh;
    HDC hdc;            // target context; initscreen: the canvas it made
    std::string format; // Napis: the format; KlavesaMala: the caption
    std::string text;   // Napis: the formatted text, cut to 99 bytes as the kit cuts it; KlavesaMala: the caption
    int hodnota;        // Napis: the value
    int x, y;           // Napis, KlavesaMala, arrows, Okienko: position; Usecka: start point
    int x2, y2;         // Usecka: end point
    int sirka, vyska;   // Okienko: width and height
    COLORREF farba;     // Napis: text colour; Okienko: outline; Usecka: line colour
    COLORREF vypln;     // Okienko: fill
    int vyska_pisma;    // Napis: the height argument; KlavesaMala: -9, its fixed caption height
    int hrube, zvisle;  // Napis: bold and vertical arguments
    std::string pismo;  // Napis: face; KlavesaMala: "Times New Roman"
    int roh;            // KlavesaMala, Okienko: corner size
    int velkost;        // arrows: side of the key
    int hrubka;         // Usecka: pen width
    SIZE rozmer;        // Napis, KlavesaMala: the extent handed back
    HWND okno;          // initscreen: the window
    HBRUSH pozadie;     // initscreen: the background brush
};

// Extent of `text` drawn with the given height argument, bold argument and face.
typedef SIZE (*PravidloRozmeru)(const char* text, int vyska_pisma, int hrube, const char* pismo);

extern std::vector<Volanie> g_zaznam;     // the calls since the last ZaznamVymaz, in order
extern PravidloRozmeru g_zaznam_rozmer;   // extent rule used by Napis and KlavesaMala

// Empties g_zaznam, restores ZaznamRozmerPodlaTextu and restarts the canvases initscreen hands out.
void ZaznamVymaz();

// Default rule: cx = sum over the bytes of (3 + byte % 5), plus 1 per byte when hrube is 1;
// cy = |vyska_pisma| + 3, or 16 when vyska_pisma is 0. Example: "%" at -12 gives 5 x 15.
SIZE ZaznamRozmerPodlaTextu(const char* text, int vyska_pisma, int hrube, const char* pismo);
// Makes every extent cx x cy until the next ZaznamVymaz.
void ZaznamPevnyRozmer(int cx, int cy);

// initscreen of the double sets *platno to ZaznamPlatno(n) for its n-th call (from 1) since ZaznamVymaz.
HDC ZaznamPlatno(int n);

// The calls of one kind, in order.
std::vector<Volanie> ZaznamDruhu(DruhVolania druh);
// Name of the primitive ("Napis", "Okienko", ...).
const char* NazovDruhu(DruhVolania druh);
// One line naming the call and its arguments; bytes outside ASCII are written as \xNN.
std::string ZaznamPopis(const Volanie& v);
// Lets GoogleTest print a Volanie in failure messages.
void PrintTo(const Volanie& v, std::ostream* os);
