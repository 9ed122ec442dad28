// Test helper run under Wine next to the program: prints what Win32 reports about a top-level
// window found by its exact title, and optionally the screen rectangle of one of its controls.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: okno_info TITLE [CONTROL_ID]\n");
        return 2;
    }
    HWND okno = FindWindowA(NULL, argv[1]);
    if (!okno) {
        printf("missing\n");
        return 1;
    }
    RECT r, k;
    GetWindowRect(okno, &r);
    GetClientRect(okno, &k);
    POINT o = {0, 0};
    ClientToScreen(okno, &o);
    LONG styl = GetWindowLongA(okno, GWL_STYLE);
    LONG ex = GetWindowLongA(okno, GWL_EXSTYLE);
    printf("rect %ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    printf("client %ld %ld %ld %ld\n", o.x, o.y, k.right, k.bottom);
    printf("style 0x%08lX\n", (unsigned long)styl);
    printf("exstyle 0x%08lX\n", (unsigned long)ex);
    printf("topmost %d\n", (ex & WS_EX_TOPMOST) ? 1 : 0);
    printf("minimizebox %d\n", (styl & WS_MINIMIZEBOX) ? 1 : 0);
    printf("enabled %d\n", IsWindowEnabled(okno) ? 1 : 0);
    if (argc >= 3) {
        HWND c = GetDlgItem(okno, atoi(argv[2]));
        if (!c) {
            printf("control missing\n");
            return 1;
        }
        RECT cr;
        GetWindowRect(c, &cr);
        printf("control %ld %ld %ld %ld\n", cr.left, cr.top, cr.right, cr.bottom);
        printf("checked %d\n", (int)SendMessageA(c, BM_GETCHECK, 0, 0));
    }
    return 0;
}
