// The pixel layout read back from the screen and from memory canvases: 32 bits a pixel, blue in the
// low byte, rows from the top.
#pragma once
#include <windows.h>

// The header of a w x h bitmap in that layout.
inline BITMAPINFO InfoDib32(int w, int h)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;  // top-down: row 0 is the top row
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}
