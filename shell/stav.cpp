// The control state and the settings as the process starts.
#include "shell/stav.h"

UINT g_cas_timera = 10;
DWORD stupne_sedi = 0;
DWORD VelkostObjektu = 20;
DWORD percento_vyplne = 70;
DWORD volba = 1;
int hl_okno_sirka = 224;
int hl_okno_vyska = 259;
int vypinac_TAB = 1;
DWORD sledovanie_kurzora = 0;
int PocetObjektov = 0;
int cislo_objektu = 0;
int status = 0;
DWORD g_dwWindowPos = 0;
DWORD g_dwWindowSize = 0;
DWORD g_dwWindowShow = 0;
