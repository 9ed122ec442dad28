// The options of the watch, the wait and the colour: their values and the rules between them.
#include "scan/scan_volby_sledovanie.h"

#include <climits>
#include <cstdio>
#include <cstring>

// A whole number od to po and nothing else.
static int Cele(const char* text, size_t dlzka, long long od, long long po, long long* cislo)
{
    long long hodnota = 0;
    if (dlzka == 0 || dlzka > 18) return 0;
    for (size_t k = 0; k < dlzka; k++) {
        if (text[k] < '0' || text[k] > '9') return 0;
        hodnota = hodnota * 10 + (text[k] - '0');
    }
    if (hodnota < od || hodnota > po) return 0;
    *cislo = hodnota;
    return 1;
}

// R,G,B: three whole numbers 0 to 255.
static int CitajFarbu(const char* text, COLORREF* farba)
{
    long long k[3];
    const char* od = text;
    for (int i = 0; i < 3; i++) {
        const char* ciarka = strchr(od, ',');
        if ((ciarka != nullptr) == (i == 2)) return 0;
        const size_t dlzka = ciarka ? (size_t)(ciarka - od) : strlen(od);
        if (!Cele(od, dlzka, 0, 255, &k[i])) return 0;
        od = ciarka + 1;
    }
    *farba = RGB(k[0], k[1], k[2]);
    return 1;
}

// Seconds with an optional decimal part ("2", "0.5", ".25"), up to a million, as milliseconds
// rounded up.
static int CitajSekundy(const char* text, long long* ms)
{
    const char* bodka = strchr(text, '.');
    const size_t cele = bodka ? (size_t)(bodka - text) : strlen(text);
    const char* zlomok = bodka ? bodka + 1 : "";
    const size_t dlzka = strlen(zlomok);
    long long sekundy = 0, tisiciny = 0;
    if (cele + dlzka == 0 || (cele > 0 && !Cele(text, cele, 0, 1000000, &sekundy))) return 0;
    bool zvysok = false;  // a digit past the milliseconds other than 0
    for (size_t k = 0; k < dlzka; k++) {
        if (zlomok[k] < '0' || zlomok[k] > '9') return 0;
        if (k < 3) tisiciny = tisiciny * 10 + (zlomok[k] - '0');
        else zvysok = zvysok || zlomok[k] != '0';
    }
    for (size_t k = dlzka; k < 3; k++) tisiciny *= 10;
    *ms = sekundy * 1000 + tisiciny + (zvysok ? 1 : 0);
    return 1;
}

int CitajHodnotuSledovania(const char* a, const char* h, ScanVolby* v, char* chyba, size_t miesto)
{
    long long cislo = 0;
    const char* potrebuje = nullptr;
    if (strcmp(a, "--until") == 0) {
        if (Cele(h, strlen(h), 1, INT_MAX, &cislo)) v->az = (int)cislo;
        else potrebuje = "a whole number 1 or more";
    } else if (strcmp(a, "--timeout") == 0) {
        if (!CitajSekundy(h, &v->limit_ms)) potrebuje = "seconds 0 to 1000000, such as 2 or 0.5";
    } else if (strcmp(a, "--interval") == 0) {
        if (Cele(h, strlen(h), 0, 3600000, &cislo)) v->interval_ms = (int)cislo;
        else potrebuje = "milliseconds, a whole number 0 to 3600000";
    } else if (strcmp(a, "--colour") == 0) {
        if (CitajFarbu(h, &v->farba)) v->farebne = true;
        else potrebuje = "three whole numbers R,G,B, each 0 to 255";
    } else if (strcmp(a, "--tolerance") == 0) {
        if (Cele(h, strlen(h), 0, 255, &cislo)) v->tolerancia = (int)cislo;
        else potrebuje = "a whole number 0 to 255";
        v->tolerancia_zadana = true;
    }
    if (!potrebuje) return 1;
    snprintf(chyba, miesto, "%s needs %s, not '%s'", a, potrebuje, h);
    return 0;
}

int SkontrolujSledovanie(const ScanVolby* v, char* chyba, size_t miesto)
{
    const char* zle = nullptr;
    if (v->farebne && v->pasmo_zadane) zle = "--band and --colour cannot go together";
    else if (v->tolerancia_zadana && !v->farebne) zle = "--tolerance needs --colour";
    else if (v->sledovat && v->az > 0) zle = "--watch and --until cannot go together";
    else if ((v->sledovat || v->az > 0) && !v->obrazovka) zle = "--watch and --until need --screen";
    else if ((v->limit_ms >= 0 || v->interval_ms >= 0) && !v->sledovat && v->az == 0)
        zle = "--timeout and --interval need --watch or --until";
    else if (v->sledovat && v->vystup) zle = "--out cannot go with --watch";
    if (!zle) return 1;
    snprintf(chyba, miesto, "%s", zle);
    return 0;
}
