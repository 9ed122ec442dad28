// The control state machine: events in, changed globals and an ordered list of requested actions out.
#pragma once
#include "common/wintypes.h"

// Kinds of requested action.
enum {
    AKCIA_PREKRESLI = 1,  // repaint now
    AKCIA_HLADAJ,         // search: stupen, velkost, percento
    AKCIA_ZAPIS_STREDY,   // write the centres file: pocet
    AKCIA_KURZOR,         // move the mouse cursor: x, y (screen)
    AKCIA_ZATVOR          // request close
};

// One requested action; fields a kind does not use are 0.
struct Akcia {
    int druh;
    int stupen, velkost, percento;
    int pocet;
    int x, y;
};

#define MAX_AKCII 4

// The actions of one event, to be carried out in order.
struct Akcie {
    int pocet;
    Akcia polozky[MAX_AKCII];
};

// Window creation: a stored line 4 becomes line 2, no objects are known yet.
void UdalostStart(Akcie* akcie);
// A key press; sirka_desktopu is right - left of the desktop's client rectangle.
// ENTER sets status 1 and asks for [repaint, search]; the count goes to UdalostHladanieSkoncilo.
void UdalostKlavesa(Akcie* akcie, UINT klavesa, DWORD sirka_desktopu);
// The second step of ENTER, once the search returned `pocet`: [write the centres file, repaint].
// A negative count is a search that could not run: status 4, no object known, [repaint] only, so the
// centres file keeps what it holds.
void UdalostHladanieSkoncilo(Akcie* akcie, int pocet);
// The centres file could not be written: status 5, the objects found still count. No action: the
// repaint that follows the writing shows it.
void UdalostZapisZlyhal(Akcie* akcie);
// A left click in the window brings back the hint.
void UdalostLaveTlacidlo(Akcie* akcie);
// A timer tick: timer 1 repaints while cursor tracking is on and the picture would change (zmena:
// the readout's cursor or colour, or the control state, differs from the last picture).
void UdalostCasovac(Akcie* akcie, UINT id, int zmena);
