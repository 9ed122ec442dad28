// zentrivo-scan's native ends: the root window of the X display in DISPLAY, read a strip of rows at
// a time into one small buffer that the search takes in as it comes, so that the whole screen is
// never held in memory: through the MIT shared-memory extension (the server writes the pixels
// straight into our memory), or with a plain XGetImage over the connection where shared memory is
// refused (another machine's server, no extension, no System V shared memory).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scan/plocha_linux.h"
#include "scan/scan_vzorky.h"

// Rows read at a time: half a megabyte of a 1920-pixel screen, written again for every strip. Fresh
// memory is what costs most here, more than the requests.
static const int kRiadkovPasu = 64;

// The code of the last X error while the handler below is set; the requests run one at a time.
static int chyba_x = 0;

static int ZapamatajChybu(Display*, XErrorEvent* udalost)
{
    chyba_x = udalost->error_code;
    return 0;
}

// Xlib ends the process when the connection breaks; this says so in the command's one line.
static int PrerusenePripojenie(Display*)
{
    fputs("zentrivo-scan: screen: the connection to the X display was lost\n", stderr);
    exit(2);
}

// A shared strip of `riadkov` rows, attached on the server's side and read once from row 0; nullptr
// (everything undone) when the server or the system refuses any step. Needs ZapamatajChybu set.
static XImage* ZdielanyPas(Display* d, Window koren, const XWindowAttributes& a, int riadkov, XShmSegmentInfo* shm)
{
    if (!XShmQueryExtension(d)) return nullptr;
    XImage* obraz =
        XShmCreateImage(d, a.visual, (unsigned)a.depth, ZPixmap, nullptr, shm, (unsigned)a.width, (unsigned)riadkov);
    if (!obraz) return nullptr;
    shm->shmid = shmget(IPC_PRIVATE, (size_t)obraz->bytes_per_line * (size_t)obraz->height, IPC_CREAT | 0600);
    if (shm->shmid < 0) {
        XDestroyImage(obraz);
        return nullptr;
    }
    shm->shmaddr = obraz->data = (char*)shmat(shm->shmid, nullptr, 0);
    shm->readOnly = False;
    chyba_x = 0;
    bool pripojene = shm->shmaddr != (char*)-1 && XShmAttach(d, shm);
    XSync(d, False);  // a refused attach arrives as an error, after the call has returned
    pripojene = pripojene && chyba_x == 0;
    // Marked for removal now: the segment goes when both sides have let go of it, a crash included.
    shmctl(shm->shmid, IPC_RMID, nullptr);
    if (pripojene && XShmGetImage(d, koren, obraz, 0, 0, AllPlanes)) return obraz;
    if (pripojene) XShmDetach(d, shm);
    XSync(d, False);
    if (shm->shmaddr != (char*)-1) shmdt(shm->shmaddr);
    XDestroyImage(obraz);  // a shared image's own destroy leaves the segment to shmdt
    return nullptr;
}

// Bit position of the lowest set bit and the value of a full channel of `maska`.
static void Kanal(unsigned long maska, int* posun, unsigned long* plny)
{
    *posun = 0;
    while (maska && !(maska & 1)) {
        maska >>= 1;
        (*posun)++;
    }
    *plny = maska;
}

// A channel of 0 to `plny` in 8 bits as the scan of a screenshot gives it: the screenshot tools
// (ImageMagick's import) store a channel of any depth as 16 bits, v x 65535 / plny cut, and a 16-bit
// sample is read with the rounding of every other sample. Cutting the 10-bit channels of a 30-bit
// display straight to 8 bits would put greys at the bottom of a band into the band below.
static unsigned KanalNa8(unsigned long v, unsigned long plny)
{
    return plny ? Na8Bitov((unsigned long long)v * 65535 / plny, 65535) : 0;
}

// Rows od to od + riadkov - 1 of the image as COLORREF values: a plain byte swap for the 32-bit
// pixels of a 24-bit display, the channel masks for any other layout.
static void Prevod(XImage* obraz, const XWindowAttributes& a, int od, int riadkov, COLORREF* farby)
{
    const int w = obraz->width;
    const bool rychle = obraz->bits_per_pixel == 32 && obraz->byte_order == LSBFirst && obraz->red_mask == 0xFF0000 &&
                        obraz->green_mask == 0xFF00 && obraz->blue_mask == 0xFF;
    if (rychle) {
        for (int y = 0; y < riadkov; y++) {
            const char* riadok = obraz->data + (size_t)(od + y) * (size_t)obraz->bytes_per_line;
            COLORREF* ciel = farby + (size_t)y * (size_t)w;
            for (int x = 0; x < w; x++) {
                uint32_t v;
                memcpy(&v, riadok + 4 * x, 4);
                ciel[x] = ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
            }
        }
        return;
    }
    int pr, pg, pb;
    unsigned long mr, mg, mb;
    Kanal(a.visual->red_mask, &pr, &mr);
    Kanal(a.visual->green_mask, &pg, &mg);
    Kanal(a.visual->blue_mask, &pb, &mb);
    // Channels of up to 10 bits are looked up, one division for each value rather than each pixel.
    const bool tabulky = mr < 1024 && mg < 1024 && mb < 1024;
    unsigned char na8[3][1024];
    for (unsigned long v = 0; tabulky && v < 1024; v++) {
        na8[0][v] = (unsigned char)KanalNa8(v < mr ? v : mr, mr);
        na8[1][v] = (unsigned char)KanalNa8(v < mg ? v : mg, mg);
        na8[2][v] = (unsigned char)KanalNa8(v < mb ? v : mb, mb);
    }
    for (int y = 0; y < riadkov; y++)
        for (int x = 0; x < w; x++) {
            const unsigned long p = XGetPixel(obraz, x, od + y);
            const unsigned long r = (p >> pr) & mr, g = (p >> pg) & mg, b = (p >> pb) & mb;
            farby[(size_t)y * (size_t)w + x] = tabulky ? RGB(na8[0][r], na8[1][g], na8[2][b])
                                                       : RGB(KanalNa8(r, mr), KanalNa8(g, mg), KanalNa8(b, mb));
        }
}

// The search over the strips: each read into `obraz` (shared) or into a new image, converted and
// handed to the search. 0 when the server refused a strip.
static int PrejdiPasy(Display* d, Window koren, const XWindowAttributes& a, int pas, XImage** obraz, bool zdielany,
                      COLORREF* farby, StavHladania* stav, RECT vylucene, int stupen)
{
    const int w = a.width, h = a.height;
    for (int y = 0; y < h; y += pas) {
        const int od = y + pas <= h ? y : h - pas;  // the last strip ends at the bottom row
        if (zdielany) {
            if (y > 0 && !XShmGetImage(d, koren, *obraz, 0, od, AllPlanes)) return 0;
        } else {
            if (*obraz) XDestroyImage(*obraz);
            *obraz = XGetImage(d, koren, 0, od, (unsigned)w, (unsigned)pas, AllPlanes, ZPixmap);
            if (!*obraz) return 0;
        }
        const int riadkov = h - y < pas ? h - y : pas;
        Prevod(*obraz, a, y - od, riadkov, farby);
        PridajRiadky(stav, w, y, riadkov, farby, vylucene, stupen);
    }
    return 1;
}

int HladajNaObrazovke(StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento, int* w, int* h,
                      const char** sposob, char* chyba, size_t miesto)
{
    const char* displej = getenv("DISPLAY");
    if (!displej || !*displej) {
        snprintf(chyba, miesto, "screen: no X display to read (DISPLAY is not set)");
        return -1;
    }
    XSetIOErrorHandler(PrerusenePripojenie);
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        snprintf(chyba, miesto, "screen: cannot open the X display '%s'", displej);
        return -1;
    }
    const Window koren = DefaultRootWindow(d);
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, koren, &a) || a.width <= 0 || a.height <= 0) {
        XCloseDisplay(d);
        snprintf(chyba, miesto, "screen: the root window of '%s' has no size", displej);
        return -1;
    }
    if (a.visual->c_class != TrueColor && a.visual->c_class != DirectColor) {
        XCloseDisplay(d);
        snprintf(chyba, miesto, "screen: the display '%s' has no true-colour root window", displej);
        return -1;
    }
    *w = a.width;
    *h = a.height;
    const int pas = a.height < kRiadkovPasu ? a.height : kRiadkovPasu;

    XErrorHandler predosly = XSetErrorHandler(ZapamatajChybu);
    XShmSegmentInfo shm = {};
    XImage* obraz = ZdielanyPas(d, koren, a, pas, &shm);
    const bool zdielany = obraz != nullptr;
    *sposob = zdielany ? "XShmGetImage" : "XGetImage";
    COLORREF* farby = (COLORREF*)malloc((size_t)a.width * (size_t)pas * sizeof(COLORREF));
    int pocet = -1;
    if (!farby || !ZacniHladanie(stav, a.width, a.height)) {
        snprintf(chyba, miesto, "screen: not enough memory to search a %d x %d screen", a.width, a.height);
    } else if (!PrejdiPasy(d, koren, a, pas, &obraz, zdielany, farby, stav, vylucene, stupen)) {
        snprintf(chyba, miesto, "screen: the root window of '%s' could not be read", displej);
    } else {
        pocet = DokonciHladanie(stav, a.height, min_velkost, percento);
        if (pocet < 0) snprintf(chyba, miesto, "screen: not enough memory to search a %d x %d screen", a.width, a.height);
    }
    free(farby);
    if (zdielany) {
        XShmDetach(d, &shm);
        XSync(d, False);
        shmdt(shm.shmaddr);
    }
    if (obraz) XDestroyImage(obraz);
    XSetErrorHandler(predosly);
    XCloseDisplay(d);
    return pocet;
}
