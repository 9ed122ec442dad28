// The readout strip: VYSKA_PASU rows of grey 170 across the client width, position left, channels right.
#include "tracking/sledovanie.h"

#include "render/kit.h"

static const int SED_PASU = 170;

static void Stitok(HDC hdc, const char* format, int hodnota, int x, int y, COLORREF farba)
{
    SIZE rozmer; // not used: the positions are fixed
    Napis(hdc, &rozmer, format, hodnota, x, y, farba, -11, 0, 0, "Segoe UI");
}

void KresliSledovanie(HDC hdc, int sirka, int vyska, int x, int y, COLORREF farba)
{
    const int ram = SED_PASU - 25;
    Okienko(hdc, RGB(ram, ram, ram), RGB(SED_PASU, SED_PASU, SED_PASU), 0, 0, vyska - VYSKA_PASU, sirka,
            VYSKA_PASU);
    const int y_textu = vyska - 15;
    Stitok(hdc, "x=%d", x, 10, y_textu, RGB(255, 255, 0));
    Stitok(hdc, "y=%d", y, 50, y_textu, RGB(0, 250, 250));
    // Channels straight from the bytes: CLR_INVALID shows 255, 255, 255.
    Stitok(hdc, "R=%d", GetRValue(farba), sirka - 114, y_textu, RGB(255, 0, 0));
    Stitok(hdc, "G=%d", GetGValue(farba), sirka - 77, y_textu, RGB(0, 255, 0));
    Stitok(hdc, "B=%d", GetBValue(farba), sirka - 38, y_textu, RGB(0, 0, 255));
}
