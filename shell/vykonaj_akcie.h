// Carries out the requested actions of one event through plain function pointers.
#pragma once
#include "common/wintypes.h"
#include "shell/ovladanie.h"

// What the shell does for each kind of action; a null pointer skips that kind (a null search finds 0).
// hladaj and zapis_stredy have the signatures of Zentrivo and PointPoleDoTxt. The window is given
// with each event, so that one constant table serves every message.
struct Vykonavac {
    void (*prekresli)(HWND okno);
    int (*hladaj)(HWND okno, int stupen, int velkost, int percento);
    int (*zapis_stredy)(const char* subor, const POINT* body, int pocet);
    void (*kurzor)(int x, int y);
    void (*zatvor)(HWND okno);
};

// The centres file, in the current directory.
extern const char* const SUBOR_STREDOV;

// Carries out the actions in order for the window `okno`; a search runs the second step of ENTER with its count,
// and that step's actions are carried out before anything that follows. A centres file that cannot
// be written (zapis_stredy not 0) is told to the control state before the next action.
void VykonajAkcie(HWND okno, const Akcie* akcie, const Vykonavac* v);
