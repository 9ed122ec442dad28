// The watch's Linux half: SIGINT and SIGTERM taken only while it waits, so that a stop never cuts a
// line, a closed standard output noticed while it waits, and the screen searched as --screen does.
#include <poll.h>
#include <signal.h>

#include <cerrno>
#include <chrono>
#include <ctime>

#include "scan/scan_platforma.h"
#include "scan/sledovanie_linux.h"

static volatile sig_atomic_t g_zastavene = 0;  // SIGINT or SIGTERM arrived
static sigset_t g_cakanie;                      // the signal mask while waiting: those two let through
static int g_vystup = -1;                       // standard output, watched for its reader leaving
static sigset_t g_povodna;                      // the mask before the watch
static struct sigaction g_povodny_int, g_povodny_term;  // the handlers before the watch

static void Zastav(int) { g_zastavene = 1; }

void PripravZastavenie(int vystup)
{
    g_vystup = vystup;
    // A closed pipe shows as a failed write (EPIPE), which ends the watch with status 0.
    signal(SIGPIPE, SIG_IGN);
    struct sigaction a = {};
    a.sa_handler = Zastav;
    sigemptyset(&a.sa_mask);
    sigaction(SIGINT, &a, &g_povodny_int);
    sigaction(SIGTERM, &a, &g_povodny_term);
    sigset_t tieto;
    sigemptyset(&tieto);
    sigaddset(&tieto, SIGINT);
    sigaddset(&tieto, SIGTERM);
    sigprocmask(SIG_BLOCK, &tieto, &g_povodna);
    g_cakanie = g_povodna;
    sigdelset(&g_cakanie, SIGINT);
    sigdelset(&g_cakanie, SIGTERM);
}

void PustiZastavenie()
{
    sigaction(SIGINT, &g_povodny_int, nullptr);
    sigaction(SIGTERM, &g_povodny_term, nullptr);
    sigprocmask(SIG_SETMASK, &g_povodna, nullptr);
}

int CakajNaDeskriptor(int fd, long long ms)
{
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms > 0 ? ms : 0);
    for (;;) {
        if (g_zastavene) return -1;
        pollfd p[2] = {{g_vystup, 0, 0}, {fd, POLLIN, 0}};
        timespec t = {0, 0};
        if (ms >= 0) {
            const long long ns =
                std::chrono::duration_cast<std::chrono::nanoseconds>(koniec - std::chrono::steady_clock::now()).count();
            if (ns > 0) t = timespec{(time_t)(ns / 1000000000), (long)(ns % 1000000000)};
        }
        const int r = ppoll(p, 2, ms >= 0 ? &t : nullptr, &g_cakanie);
        if (g_zastavene) return -1;
        if (r < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        // A pipe whose reader left reports an error; a terminal that went away, a hang-up; a
        // descriptor that is not open, itself.
        if (p[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return -1;
        if (r == 0) return 0;
        if (p[1].revents) return 1;
    }
}

int Spi(long long ms) { return CakajNaDeskriptor(-1, ms) == 0; }

int HladajZmenenu(const char* sposob, StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento,
                  Plocha* plocha, char* chyba, size_t miesto)
{
    return HladajNaPloche(sposob, stav, vylucene, stupen, min_velkost, percento, plocha, chyba, miesto);
}
