// Arrow keys, framed boxes and lines of the kit, each with its own pens and brushes.
#include "render/farby_klaves.h"
#include "render/kit.h"

// The rounded square key, then the glyph polygon over it with a 2-pixel pen.
void Sipka(HDC hdc, int smer, int velkost, int x, int y)
{
    HPEN pero_ramu = CreatePen(PS_INSIDEFRAME, 1, OBRYS_KLAVESY);
    HBRUSH stetec_ramu = CreateSolidBrush(VYPLN_KLAVESY);
    HGDIOBJ stare_pero = SelectObject(hdc, pero_ramu);
    HGDIOBJ stary_stetec = SelectObject(hdc, stetec_ramu);
    RoundRect(hdc, x, y, x + velkost, y + velkost, 8, 8);
    POINT body[6];
    BodySipky(smer, velkost, x, y, body);
    HBRUSH stetec_znaku = CreateSolidBrush(FARBA_ZNAKU);
    HPEN pero_znaku = CreatePen(PS_SOLID, 2, FARBA_ZNAKU);
    SelectObject(hdc, pero_znaku);
    SelectObject(hdc, stetec_znaku);
    DeleteObject(pero_ramu);
    DeleteObject(stetec_ramu);
    Polygon(hdc, body, 6);
    SelectObject(hdc, stare_pero);
    SelectObject(hdc, stary_stetec);
    DeleteObject(stetec_znaku);
    DeleteObject(pero_znaku);
}

void Okienko(HDC hdc, COLORREF obrys, COLORREF vypln, int roh, int x, int y, int sirka, int vyska)
{
    HPEN pero = CreatePen(PS_INSIDEFRAME, 1, obrys);
    HGDIOBJ stare_pero = SelectObject(hdc, pero);
    HBRUSH stetec = CreateSolidBrush(vypln);
    HGDIOBJ stary_stetec = SelectObject(hdc, stetec);
    RoundRect(hdc, x, y, x + sirka, y + vyska, roh, roh);
    SelectObject(hdc, stare_pero);
    SelectObject(hdc, stary_stetec);
    DeleteObject(pero);
    DeleteObject(stetec);
}

void Usecka(HDC hdc, COLORREF farba, int hrubka, int x1, int y1, int x2, int y2)
{
    HPEN pero = CreatePen(PS_SOLID, hrubka, farba);
    HGDIOBJ stare_pero = SelectObject(hdc, pero);
    MoveToEx(hdc, x1, y1, NULL);
    LineTo(hdc, x2, y2);
    SelectObject(hdc, stare_pero);
    DeleteObject(pero);
}
