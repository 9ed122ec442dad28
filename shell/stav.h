// The control state and the settings: shared globals of the control window.
#pragma once
#include "common/wintypes.h"

extern UINT g_cas_timera;          // period of timer 1, milliseconds
extern DWORD stupne_sedi;          // grey band 0 to 7
extern DWORD VelkostObjektu;       // minimum object width and height, pixels
extern DWORD percento_vyplne;      // minimum fill percentage
extern DWORD volba;                // selected line: 1 band, 2 size, 3 fill, 4 object number
extern int hl_okno_sirka;          // control window's fixed outer width
extern int hl_okno_vyska;          // its outer height with the readout strip
extern int vypinac_TAB;            // 1: next TAB goes to the current object; 0: it advances
extern DWORD sledovanie_kurzora;   // cursor tracking: 1 on, anything else off
extern int PocetObjektov;          // objects found by the last search
extern int cislo_objektu;          // current object, from 1; 0 none
extern int status;                 // 0 hint, 1 searching, 2 found, 3 nothing found, 4 search failed,
                                   // 5 the centres file could not be written
extern DWORD g_dwWindowPos;        // x low 16 bits, y high 16 bits
extern DWORD g_dwWindowSize;       // width low 16 bits, height high 16 bits
extern DWORD g_dwWindowShow;       // show state of the window placement

// Puts every global above back to the value the process starts with.
void NastavPociatocnyStav();
