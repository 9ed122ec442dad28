// The desktop snapshot: BitBlt of the whole screen into a memory bitmap, then one GetDIBits into a
// 32-bit top-down buffer, converted to COLORREF. W x H GetPixel calls would give the same values,
// at about 330 ms for a 1280 x 1024 desktop under Wine.
#include "search/snimka_win32.h"

#include "common/dib_win32.h"

int SnimkaPlochy(int w, int h, COLORREF* farby)
{
    size_t pocet = w > 0 && h > 0 ? (size_t)w * (size_t)h : 0;
    HDC obrazovka = GetDC(NULL);
    HDC pamat = CreateCompatibleDC(obrazovka);
    HBITMAP bitmapa = CreateCompatibleBitmap(obrazovka, w, h);
    HGDIOBJ povodna = SelectObject(pamat, bitmapa);
    BOOL skopirovane = pocet > 0 && bitmapa && BitBlt(pamat, 0, 0, w, h, obrazovka, 0, 0, SRCCOPY);
    // GetDIBits must not read a bitmap that is selected into a device context.
    SelectObject(pamat, povodna);

    BITMAPINFO bi = InfoDib32(w, h);
    int riadky = skopirovane ? GetDIBits(pamat, bitmapa, 0, (UINT)h, farby, &bi, DIB_RGB_COLORS) : 0;

    if (bitmapa) DeleteObject(bitmapa);
    DeleteDC(pamat);
    ReleaseDC(NULL, obrazovka);

    if (riadky != h) {
        for (size_t i = 0; i < pocet; i++) farby[i] = CLR_INVALID;
        return 0;
    }
    // A DIB pixel is blue in the low byte, a COLORREF red; the top byte is unused in both.
    for (size_t i = 0; i < pocet; i++) {
        DWORD v = farby[i];
        farby[i] = ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
    }
    return 1;
}
