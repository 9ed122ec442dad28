// Keeps Wine's desktop process alive for a test run: it waits until the desktop exists, says so on
// standard output, then sleeps until tools/test.sh ends it.
#include <windows.h>
#include <cstdio>

int main()
{
    // The desktop process creates the desktop window; asking for its size waits until it exists.
    RECT r = {};
    GetClientRect(GetDesktopWindow(), &r);
    std::printf("desktop %ldx%ld\n", r.right - r.left, r.bottom - r.top);
    std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
}
