// Figures of zentrivo-scan --watch on the X display in DISPLAY: the latency from a change drawn on
// the root window to the watch's line, the searches a second while the screen changes all the time,
// and the processor time the watch takes while the screen is still. Usage:
//   zentrivo_bench_sledovanie ZENTRIVO_SCAN [CHANGES [SECONDS_STILL]]
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

static double Teraz()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Starts the watch, looking for the bench's magenta square, with standard output (and with
// `cas` standard error) to pipes whose ends go to *out and *err.
static pid_t Spusti(const char* scan, bool cas, int* out, int* err)
{
    int o[2], e[2];
    if (pipe(o) != 0 || pipe(e) != 0) exit(2);
    const pid_t p = fork();
    if (p == 0) {
        dup2(o[1], 1);
        dup2(e[1], 2);
        close(o[0]);
        close(e[0]);
        execl(scan, scan, "--screen", "--watch", "--colour", "255,0,255", "--min", "5", cas ? "--time" : "--rects",
              (char*)nullptr);
        _exit(127);
    }
    close(o[1]);
    close(e[1]);
    *out = o[0];
    *err = e[0];
    return p;
}

// The lines that arrived on fd within ms milliseconds.
static int Riadky(int fd, int ms)
{
    pollfd p = {fd, POLLIN, 0};
    int riadkov = 0;
    char buf[4096];
    while (poll(&p, 1, ms) > 0) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n <= 0) break;
        riadkov += (int)std::count(buf, buf + n, '\n');
        ms = 0;
    }
    return riadkov;
}

static int Skonci(pid_t p)
{
    kill(p, SIGTERM);
    int stav = 0;
    waitpid(p, &stav, 0);
    return WIFEXITED(stav) ? WEXITSTATUS(stav) : 128 + WTERMSIG(stav);
}

static double CpuSekund(pid_t p)
{
    char cesta[64];
    snprintf(cesta, sizeof cesta, "/proc/%d/stat", (int)p);
    FILE* f = fopen(cesta, "r");
    if (!f) return -1;
    char riadok[1024] = {};
    fgets(riadok, sizeof riadok, f);
    fclose(f);
    const char* z = strrchr(riadok, ')');
    unsigned long long ut = 0, st = 0;
    // After the name: state, then fields 4 to 13, then utime (14) and stime (15).
    sscanf(z + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &ut, &st);
    return (double)(ut + st) / (double)sysconf(_SC_CLK_TCK);
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s ZENTRIVO_SCAN [CHANGES [SECONDS_STILL]]\n", argv[0]);
        return 2;
    }
    const char* scan = argv[1];
    const int zmien = argc > 2 ? atoi(argv[2]) : 20;
    const int pokoj = argc > 3 ? atoi(argv[3]) : 15;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return 2;
    const Window koren = DefaultRootWindow(d);
    XWindowAttributes a;
    XGetWindowAttributes(d, koren, &a);
    GC gc = XCreateGC(d, koren, 0, nullptr);
    XSetForeground(d, gc, 0xFF00FF);
    XSetSubwindowMode(d, gc, IncludeInferiors);

    // 1. Latency: the square drawn and cleared in turn, each change one line.
    int out, err;
    pid_t p = Spusti(scan, false, &out, &err);
    Riadky(out, 1000);  // the first search of the screen as it is
    std::vector<double> ms;
    for (int k = 0; k < zmien; k++) {
        usleep(100000 + 20000 * (k % 7));
        const int x = 100 + 37 * (k % 20);
        if (k % 2 == 0) XFillRectangle(d, koren, gc, x, 200, 40, 40);
        else XClearArea(d, koren, 100 + 37 * ((k - 1) % 20), 200, 40, 40, False);
        XSync(d, False);
        const double t0 = Teraz();
        if (Riadky(out, 5000) == 0) {
            fprintf(stderr, "change %d: no line within 5 s\n", k);
            continue;
        }
        ms.push_back(Teraz() - t0);
    }
    printf("latency, change drawn to line read, %zu changes on %d x %d:", ms.size(), a.width, a.height);
    for (double m : ms) printf(" %.1f", m);
    std::sort(ms.begin(), ms.end());
    if (!ms.empty())
        printf("\n  min %.1f ms, median %.1f ms, 90th percentile %.1f ms, max %.1f ms\n", ms.front(),
               ms.size() % 2 ? ms[ms.size() / 2] : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2,
               ms[ms.size() * 9 / 10 < ms.size() ? ms.size() * 9 / 10 : ms.size() - 1], ms.back());
    printf("  watch exit status after SIGTERM: %d\n", Skonci(p));
    close(out);
    close(err);

    // 2. A screen that changes all the time: a pixel drawn every millisecond for 5 s.
    p = Spusti(scan, true, &out, &err);
    Riadky(err, 1000);
    const double od = Teraz();
    const double cpu_od = CpuSekund(p);
    int hladani = 0;
    for (int k = 0; Teraz() - od < 5000; k++) {
        XDrawPoint(d, koren, gc, 10 + k % 500, 10);
        XFlush(d);
        hladani += Riadky(err, 1);
        Riadky(out, 0);
    }
    const double trvanie = Teraz() - od, cpu = CpuSekund(p) - cpu_od;
    printf("changing all the time: %d searches in %.2f s, %.1f a second; the watch's CPU %.0f %% of a core\n",
           hladani, trvanie / 1000, hladani * 1000 / trvanie, 100 * cpu * 1000 / trvanie);
    printf("  watch exit status after SIGTERM: %d\n", Skonci(p));
    XClearArea(d, koren, 0, 0, 0, 0, False);
    XSync(d, False);
    close(out);
    close(err);

    // 3. A still screen.
    p = Spusti(scan, false, &out, &err);
    Riadky(out, 1000);
    const double cpu0 = CpuSekund(p);
    const double t0 = Teraz();
    sleep((unsigned)pokoj);
    const double cpu1 = CpuSekund(p), t1 = Teraz();
    printf("still screen: %.3f s of CPU in %.1f s, %.3f %% of a core (/proc/%d/stat utime + stime)\n", cpu1 - cpu0,
           (t1 - t0) / 1000, 100 * (cpu1 - cpu0) * 1000 / (t1 - t0), (int)p);
    printf("  watch exit status after SIGTERM: %d\n", Skonci(p));
    XFreeGC(d, gc);
    XCloseDisplay(d);
    return 0;
}
