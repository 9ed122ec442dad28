// Platform types: <windows.h> on Windows, a small stand-in elsewhere so platform-free code builds natively.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

typedef uint32_t DWORD;
typedef uint32_t UINT;
typedef int32_t LONG;
typedef int BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef DWORD COLORREF;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;

// Opaque handles: distinct pointer types, as <windows.h> declares them.
#define ZENTRIVO_HANDLE(name) typedef struct name##__ { int unused; } * name
ZENTRIVO_HANDLE(HWND);
ZENTRIVO_HANDLE(HDC);
ZENTRIVO_HANDLE(HBRUSH);
ZENTRIVO_HANDLE(HPEN);
ZENTRIVO_HANDLE(HFONT);
ZENTRIVO_HANDLE(HBITMAP);
ZENTRIVO_HANDLE(HKEY);
ZENTRIVO_HANDLE(HINSTANCE);
#undef ZENTRIVO_HANDLE

struct POINT { LONG x; LONG y; };
struct RECT { LONG left; LONG top; LONG right; LONG bottom; };
struct SIZE { LONG cx; LONG cy; };

#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(c) ((BYTE)(c))
#define GetGValue(c) ((BYTE)(((WORD)(c)) >> 8))
#define GetBValue(c) ((BYTE)((c) >> 16))
#define CLR_INVALID 0xFFFFFFFF

#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_ESCAPE 0x1B
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28

#define REG_SZ 1
#define REG_BINARY 3
#define REG_DWORD 4

#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_KEYDOWN 0x0100
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_LBUTTONDOWN 0x0201
#endif
