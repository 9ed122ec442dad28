// The About dialog's picture: eleven lines of description, a rule and a credit line.
#include "dialogs/o_programe.h"
#include "dialogs/rozmer_dlg.h"
#include "render/kit.h"

static const char* const PISMO = "Segoe UI";
static const COLORREF FARBA_TEXTU = RGB(200, 220, 255);
static const int VYSKA_TEXTU = -13;

const char* const RIADKY_O_PROGRAME[10] = {
    "Tento program vyhľadá na pracovnej ploche",
    "pozície XY stredov objektov rôznych veľkostí",
    "a tvarov. -Nastavuje sa minimálny počet",
    "pixelov výšky a zároveň šírky od ktorých",
    "objekty rozpozná, a tiež percento množstva",
    "výplne objektu šedou farbou v zadanom",
    "rozsahu. -Okno programu je z hľadania",
    "vylúčené. -Po nájdených stredoch je možné",
    "presúvať kurzor myši stláčaním klávesy TAB.",
    "Ich hodnoty boli uložené do textového",
};

static const char* const KREDIT = "Zentrivo, verzia 1.0";

// One piece of text; returns its extent and takes its box into *obsah.
static SIZE Kus(HDC hdc, RECT* obsah, const char* text, int x, int y, COLORREF farba, int vyska, int hrube)
{
    SIZE r = {0, 0};
    Napis(hdc, &r, text, -1, x, y, farba, vyska, hrube, 0, PISMO);
    ZahrnObdlznik(obsah, x, y, r.cx, r.cy);
    return r;
}

void KresbaOPrograme(HDC hdc, RECT* obsah)
{
    *obsah = PrazdnyObsah();
    int x = 7, y = 2;
    for (const char* riadok : RIADKY_O_PROGRAME) {
        SIZE r = Kus(hdc, obsah, riadok, x, y, FARBA_TEXTU, VYSKA_TEXTU, 0);
        y += r.cy;
    }

    // Line 11: the file name in bold between two plain pieces, each starting where the last ended.
    SIZE r = Kus(hdc, obsah, "súboru ", x, y, FARBA_TEXTU, VYSKA_TEXTU, 0);
    x += r.cx;
    r = Kus(hdc, obsah, "Stredy.txt", x, y, FARBA_TEXTU, VYSKA_TEXTU, 1);
    x += r.cx;
    r = Kus(hdc, obsah, " .", x, y, FARBA_TEXTU, VYSKA_TEXTU, 0);

    y += r.cy + 12;
    Usecka(hdc, RGB(80, 80, 80), 1, 7, y - 3, 200, y - 3);
    ZahrnObdlznik(obsah, 7, y - 3, 194, 1);

    Kus(hdc, obsah, KREDIT, 12, y, RGB(150, 150, 150), -11, 0);
}

void OnWM_PAINTDLG(HDC hdc)
{
    RECT obsah;
    KresbaOPrograme(hdc, &obsah);
}
