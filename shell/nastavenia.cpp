// Loading and saving the settings and the window placement, over the key-value store.
#include "shell/nastavenia.h"
#include "shell/registry_kv.h"
#include "shell/rezim_okna.h"
#include "shell/stav.h"

static const char* const KLUC = "Software\\Zentrivo";

// The values in the order they are read and written; the last one is a single byte.
struct Hodnota {
    const char* meno;
    DWORD* globalna;
};
static const Hodnota HODNOTY[] = {
    {"WindowPos", &g_dwWindowPos},       {"WindowSize", &g_dwWindowSize},
    {"WindowShow", &g_dwWindowShow},     {"StupneSedi", &stupne_sedi},
    {"VelkostObjektu", &VelkostObjektu}, {"percento_vyplne", &percento_vyplne},
    {"Volba", &volba},
};
static const char* const INFO_KURZOR = "InfoKurzor";

// Two halves of a placement word: the low 16 bits of each number.
static DWORD Zbal(LONG dolna, LONG horna)
{
    return ((DWORD)dolna & 0xFFFF) | (((DWORD)horna & 0xFFFF) << 16);
}

// Rectangle arithmetic wraps instead of overflowing on extreme coordinates.
static LONG Rozdiel(LONG a, LONG b)
{
    return (LONG)((DWORD)a - (DWORD)b);
}

static LONG Sucet(LONG a, LONG b)
{
    return (LONG)((DWORD)a + (DWORD)b);
}

int ReadRegistryPre(RECT desktop)
{
    LONG sirka = Rozdiel(desktop.right, desktop.left);
    LONG vyska = Rozdiel(desktop.bottom, desktop.top);
    LONG x = sirka / 2 - hl_okno_sirka / 2;
    LONG y = vyska / 2 - hl_okno_vyska / 2;

    int vysledok = 1;
    int vytvoreny = 0;
    HKEY kluc = kv_Otvor(KLUC, &vytvoreny);
    if (!kluc)
        return 0;
    if (vytvoreny) {
        // First run: centred, the settings keep their initial values.
        g_dwWindowPos = Zbal(x, y);
        g_dwWindowSize = Zbal(hl_okno_sirka, hl_okno_vyska);
        g_dwWindowShow = 1;
        kv_Zatvor(kluc);
        return 1;
    }
    for (const Hodnota& h : HODNOTY)
        if (!kv_CitajDWORD(kluc, h.meno, h.globalna))
            vysledok = 0;
    if (!kv_CitajDWORD(kluc, INFO_KURZOR, &sledovanie_kurzora))
        vysledok = 0;
    if (!kv_Zatvor(kluc))
        vysledok = 0;
    return vysledok;
}

// Moves the window's outer rectangle into the desktop, keeping its size: the one rule of saving and
// of placing the window at start. The right and bottom edges are fitted first and the left and top
// last, so that on a desktop smaller than the window (even 0 x 0) its top-left corner is still on it.
static void PresunDoPlochy(RECT* okno, RECT desktop)
{
    if (okno->bottom > desktop.bottom) {
        okno->top = Sucet(okno->top, Rozdiel(desktop.bottom, okno->bottom));
        okno->bottom = desktop.bottom;
    }
    if (okno->right > desktop.right) {
        okno->left = Sucet(okno->left, Rozdiel(desktop.right, okno->right));
        okno->right = desktop.right;
    }
    if (okno->left < 0) {
        okno->right = Rozdiel(okno->right, okno->left);
        okno->left = 0;
    }
    if (okno->top < 0) {
        okno->bottom = Rozdiel(okno->bottom, okno->top);
        okno->top = 0;
    }
}

int OknoNaPlochuPre(RECT desktop)
{
    // Each half is the unsigned 16-bit coordinate the window is created at.
    const RezimOkna rezim = RezimPreSledovanie(sledovanie_kurzora);
    const LONG x = (LONG)(g_dwWindowPos & 0xFFFF), y = (LONG)(g_dwWindowPos >> 16);
    RECT okno = {x, y, x + rezim.sirka, y + rezim.vyska};
    PresunDoPlochy(&okno, desktop);
    if (okno.left == x && okno.top == y)
        return 0;
    g_dwWindowPos = Zbal(okno.left, okno.top);
    return 1;
}

int WriteRegistryPre(RECT desktop, RECT okno, UINT show)
{
    PresunDoPlochy(&okno, desktop);

    g_dwWindowShow = show;
    // A minimised window's rectangle is not where it opens again: keep the last position and size.
    if (show == 1) {
        g_dwWindowPos = Zbal(okno.left, okno.top);
        g_dwWindowSize = Zbal(Rozdiel(okno.right, okno.left), Rozdiel(okno.bottom, okno.top));
    }

    int vysledok = 1;
    HKEY kluc = kv_Otvor(KLUC, nullptr);
    if (!kluc)
        return 0;
    for (const Hodnota& h : HODNOTY)
        if (!kv_ZapisDWORD(kluc, h.meno, *h.globalna))
            vysledok = 0;
    if (!kv_ZapisBYTE(kluc, INFO_KURZOR, (BYTE)(sledovanie_kurzora & 0xFF)))
        vysledok = 0;
    if (!kv_Zatvor(kluc))
        vysledok = 0;
    return vysledok;
}
