// Napis and KlavesaMala: the kit's two text primitives, each with a font made for the one call.
#include <cstdio>

#include "render/farby_klaves.h"
#include "render/kit.h"
#include "render/pismo_win32.h"

void Napis(HDC hdc, SIZE* rozmer, const char* format, int hodnota, int x, int y, COLORREF farba,
           int vyska, int hrube, int zvisle, const char* pismo)
{
    SetBkMode(hdc, TRANSPARENT);
    COLORREF stara_farba = SetTextColor(hdc, farba);
    LOGFONTA popis;
    PopisPisma(&popis, pismo, vyska);
    popis.lfWeight = hrube == 1 ? 600 : 0;
    popis.lfEscapement = zvisle == 1 ? 900 : 0;
    HFONT font = CreateFontIndirectA(&popis);
    HGDIOBJ stary_font = SelectObject(hdc, font);
    // Bounded: a label that formats longer than 99 characters is cut, never written past the buffer.
    char text[100];
    snprintf(text, sizeof text, format, hodnota);
    int dlzka = lstrlenA(text);
    TextOutA(hdc, x, y, text, dlzka);
    GetTextExtentPoint32A(hdc, text, dlzka, rozmer);
    SelectObject(hdc, stary_font);
    DeleteObject(font);
    SetTextColor(hdc, stara_farba);
}

void KlavesaMala(HDC hdc, SIZE* rozmer, const char* popis_klavesy, int roh, int x, int y)
{
    SetBkMode(hdc, TRANSPARENT);
    COLORREF stara_farba = SetTextColor(hdc, FARBA_POPISU);
    LOGFONTA popis;
    PopisPisma(&popis, "Times New Roman", -9);
    HFONT font = CreateFontIndirectA(&popis);
    HPEN pero = CreatePen(PS_INSIDEFRAME, 1, OBRYS_KLAVESY);
    HBRUSH stetec = CreateSolidBrush(VYPLN_KLAVESY);
    HGDIOBJ stary_font = SelectObject(hdc, font);
    HGDIOBJ stare_pero = SelectObject(hdc, pero);
    HGDIOBJ stary_stetec = SelectObject(hdc, stetec);
    int dlzka = lstrlenA(popis_klavesy);
    GetTextExtentPoint32A(hdc, popis_klavesy, dlzka, rozmer);
    RoundRect(hdc, x + 3, y + 1, x + rozmer->cx + 11, y + rozmer->cy + 4, roh, roh);
    TextOutA(hdc, x + 7, y + 2, popis_klavesy, dlzka);
    SelectObject(hdc, stare_pero);
    SelectObject(hdc, stary_stetec);
    SelectObject(hdc, stary_font);
    DeleteObject(stetec);
    DeleteObject(pero);
    DeleteObject(font);
    SetTextColor(hdc, stara_farba);
}
