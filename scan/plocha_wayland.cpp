// zentrivo-scan's Wayland desktop on wlroots compositors: the outputs, placed where xdg-output says,
// each copied by the compositor into a shared-memory buffer of ours (zwlr_screencopy_manager_v1), and
// the buffers searched in place a strip of desktop rows at a time: no copy of the screen but theirs.
#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <cstdarg>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "scan/plocha_linux.h"
#include "wlr-screencopy-unstable-v1.h"
#include "xdg-output-unstable-v1.h"

// How long the compositor may take to answer at all.
static const int kCakanieMs = 5000;
// Desktop rows handed to the search at a time.
static const int kRiadkovPasu = 64;
// The colour of desktop points no output shows: never grey (its red and green differ).
static const COLORREF kMimo = RGB(255, 0, 255);

namespace {

struct Vystup {
    wl_output* o = nullptr;
    zxdg_output_v1* xo = nullptr;
    std::string meno;
    int x = 0, y = 0, logicka_sirka = 0, mod_w = 0, mod_h = 0, transformacia = 0, mierka = 1;
    // The frame: the buffer the compositor asked for, then its pixels.
    zwlr_screencopy_frame_v1* snimka = nullptr;
    uint32_t format = 0, w = 0, h = 0, riadok = 0;
    bool ma_format = false, y_obratene = false;
    int stav = 0;  // 0 waiting, 1 ready, -1 failed, -2 no buffer read here
    void* data = MAP_FAILED;
    size_t velkost = 0;
    wl_buffer* buffer = nullptr;
};

struct Spojenie {
    wl_display* d = nullptr;
    wl_registry* r = nullptr;
    wl_shm* shm = nullptr;
    zwlr_screencopy_manager_v1* kopia = nullptr;
    zxdg_output_manager_v1* xdg = nullptr;
    std::vector<Vystup*> vystupy;
    bool zlyhanie_pamate = false;
};

bool Citany(uint32_t f)
{
    return f == WL_SHM_FORMAT_XRGB8888 || f == WL_SHM_FORMAT_ARGB8888 || f == WL_SHM_FORMAT_XBGR8888 ||
           f == WL_SHM_FORMAT_ABGR8888;
}

// --- the outputs and where they lie ---

void Geometria(void* v, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*, const char*, int32_t t)
{
    ((Vystup*)v)->transformacia = t;
}
void Mod(void* v, wl_output*, uint32_t priznaky, int32_t w, int32_t h, int32_t)
{
    if (priznaky & WL_OUTPUT_MODE_CURRENT) ((Vystup*)v)->mod_w = w, ((Vystup*)v)->mod_h = h;
}
void Hotovo(void*, wl_output*) {}
void Mierka(void* v, wl_output*, int32_t m) { ((Vystup*)v)->mierka = m; }
void Meno(void* v, wl_output*, const char* m)
{
    if (((Vystup*)v)->meno.empty()) ((Vystup*)v)->meno = m;
}
void Popis(void*, wl_output*, const char*) {}
const wl_output_listener kVystup = {Geometria, Mod, Hotovo, Mierka, Meno, Popis};

void Poloha(void* v, zxdg_output_v1*, int32_t x, int32_t y) { ((Vystup*)v)->x = x, ((Vystup*)v)->y = y; }
void LogickaVelkost(void* v, zxdg_output_v1*, int32_t w, int32_t) { ((Vystup*)v)->logicka_sirka = w; }
void XdgHotovo(void*, zxdg_output_v1*) {}
void XdgMeno(void* v, zxdg_output_v1*, const char* m) { ((Vystup*)v)->meno = m; }
void XdgPopis(void*, zxdg_output_v1*, const char*) {}
const zxdg_output_v1_listener kXdg = {Poloha, LogickaVelkost, XdgHotovo, XdgMeno, XdgPopis};

void Global(void* s, wl_registry* r, uint32_t meno, const char* rozhranie, uint32_t verzia)
{
    Spojenie* sp = (Spojenie*)s;
    auto najviac = [&](uint32_t v) { return verzia < v ? verzia : v; };
    if (strcmp(rozhranie, wl_output_interface.name) == 0) {
        Vystup* v = new Vystup;
        v->o = (wl_output*)wl_registry_bind(r, meno, &wl_output_interface, najviac(4));
        wl_output_add_listener(v->o, &kVystup, v);
        sp->vystupy.push_back(v);
    } else if (strcmp(rozhranie, wl_shm_interface.name) == 0) {
        sp->shm = (wl_shm*)wl_registry_bind(r, meno, &wl_shm_interface, 1);
    } else if (strcmp(rozhranie, zwlr_screencopy_manager_v1_interface.name) == 0) {
        sp->kopia = (zwlr_screencopy_manager_v1*)wl_registry_bind(r, meno, &zwlr_screencopy_manager_v1_interface,
                                                                  najviac(3));
    } else if (strcmp(rozhranie, zxdg_output_manager_v1_interface.name) == 0) {
        sp->xdg = (zxdg_output_manager_v1*)wl_registry_bind(r, meno, &zxdg_output_manager_v1_interface, najviac(3));
    }
}
void GlobalPrec(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegister = {Global, GlobalPrec};

// Waits for the compositor's next events at most until `koniec`; 0 when it did not answer or the
// connection broke.
int Cakaj(wl_display* d, std::chrono::steady_clock::time_point koniec)
{
    while (wl_display_prepare_read(d) != 0)
        if (wl_display_dispatch_pending(d) < 0) return 0;
    if (wl_display_flush(d) < 0 && errno != EAGAIN) {
        wl_display_cancel_read(d);
        return 0;
    }
    const auto zostava =
        std::chrono::duration_cast<std::chrono::milliseconds>(koniec - std::chrono::steady_clock::now());
    pollfd p = {wl_display_get_fd(d), POLLIN, 0};
    if (zostava.count() <= 0 || poll(&p, 1, (int)zostava.count()) <= 0) {
        wl_display_cancel_read(d);
        return 0;
    }
    return wl_display_read_events(d) == 0 && wl_display_dispatch_pending(d) >= 0;
}

// A round trip within the time limit: the compositor has sent everything asked for before it.
int Obeh(wl_display* d)
{
    bool hotovo = false;
    wl_callback* c = wl_display_sync(d);
    static const wl_callback_listener kKoniec = {[](void* h, wl_callback*, uint32_t) { *(bool*)h = true; }};
    wl_callback_add_listener(c, &kKoniec, &hotovo);
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::milliseconds(kCakanieMs);
    while (!hotovo)
        if (!Cakaj(d, koniec)) break;
    wl_callback_destroy(c);
    return hotovo;
}

void Zatvor(Spojenie* s)
{
    for (Vystup* v : s->vystupy) {
        if (v->buffer) wl_buffer_destroy(v->buffer);
        if (v->data != MAP_FAILED) munmap(v->data, v->velkost);
        if (v->snimka) zwlr_screencopy_frame_v1_destroy(v->snimka);
        if (v->xo) zxdg_output_v1_destroy(v->xo);
        if (v->o) wl_output_destroy(v->o);
        delete v;
    }
    s->vystupy.clear();
    if (s->kopia) zwlr_screencopy_manager_v1_destroy(s->kopia);
    if (s->xdg) zxdg_output_manager_v1_destroy(s->xdg);
    if (s->shm) wl_shm_destroy(s->shm);
    if (s->r) wl_registry_destroy(s->r);
    if (s->d) wl_display_disconnect(s->d);
}

// Connects and learns the outputs and their places. 0 with the reason; *nedostupne when the
// compositor cannot be reached at all.
int Spoj(Spojenie* s, bool* nedostupne, char* chyba, size_t miesto)
{
    const char* meno = getenv("WAYLAND_DISPLAY");
    *nedostupne = true;
    if (!meno || !*meno) {
        snprintf(chyba, miesto, "no Wayland compositor to read (WAYLAND_DISPLAY is not set)");
        return 0;
    }
    // libwayland's own complaints would make a second line; the reason is ours to give.
    wl_log_set_handler_client([](const char*, va_list) {});
    const char* adresar = getenv("XDG_RUNTIME_DIR");
    if (meno[0] != '/' && (!adresar || !*adresar)) {
        snprintf(chyba, miesto, "cannot reach the Wayland compositor '%s' (XDG_RUNTIME_DIR is not set)", meno);
        return 0;
    }
    s->d = wl_display_connect(nullptr);
    if (!s->d) {
        snprintf(chyba, miesto, "cannot reach the Wayland compositor '%s'", meno);
        return 0;
    }
    s->r = wl_display_get_registry(s->d);
    wl_registry_add_listener(s->r, &kRegister, s);
    if (!Obeh(s->d)) {
        snprintf(chyba, miesto, "the Wayland compositor '%s' does not answer", meno);
        return 0;
    }
    for (Vystup* v : s->vystupy)
        if (s->xdg) {
            v->xo = zxdg_output_manager_v1_get_xdg_output(s->xdg, v->o);
            zxdg_output_v1_add_listener(v->xo, &kXdg, v);
        }
    if (!Obeh(s->d)) {
        snprintf(chyba, miesto, "the Wayland compositor '%s' does not answer", meno);
        return 0;
    }
    *nedostupne = false;
    if (s->vystupy.empty()) {
        snprintf(chyba, miesto, "the Wayland compositor '%s' has no outputs", meno);
        return 0;
    }
    return 1;
}

// The outputs as monitors, in the compositor's order, in pixels: the compositor places them in
// logical units, which the largest scale turns into the physical pixels of the outputs at that
// scale (all of them, when every output has one scale), so that no frame covers another. Wayland has
// no primary output: the one at the desktop's origin is taken as it, else the first.
void Monitory(const Spojenie& s, Plocha* p)
{
    p->monitory.clear();
    int primarny = 0;
    double najvacsia = 1;
    for (size_t k = 0; k < s.vystupy.size(); k++) {
        const Vystup& v = *s.vystupy[k];
        Monitor m;
        m.meno = v.meno.empty() ? "output" + std::to_string(k + 1) : v.meno;
        m.x = v.x, m.y = v.y;
        // The pixels read, as shown: the copied frame's size once there, else the current mode, turned.
        const bool otocene = v.transformacia & 1;
        const int w = v.w ? (int)v.w : v.mod_w, h = v.h ? (int)v.h : v.mod_h;
        m.sirka = otocene ? h : w;
        m.vyska = otocene ? w : h;
        m.mierka = v.logicka_sirka > 0 ? (double)m.sirka / v.logicka_sirka : v.mierka;
        if (m.mierka > najvacsia) najvacsia = m.mierka;
        if (m.x == 0 && m.y == 0 && !primarny) primarny = (int)k + 1;
        p->monitory.push_back(m);
    }
    for (Monitor& m : p->monitory) m.x = (int)lround(m.x * najvacsia), m.y = (int)lround(m.y * najvacsia);
    p->monitory[primarny ? primarny - 1 : 0].primarny = true;
}

// --- the frames ---

// A frame's listener data: the connection and the output it copies.
struct Ziadost {
    Spojenie* s;
    Vystup* v;
};

// Every buffer type announced (version 3): a shared-memory buffer of the first format read here,
// and the copy asked for. Versions 1 and 2 announce one buffer and no end of the list.
void BufferyHotove(void* z_v, zwlr_screencopy_frame_v1* f)
{
    Ziadost* z = (Ziadost*)z_v;
    Vystup* v = z->v;
    if (v->buffer || v->stav) return;
    if (!v->ma_format || v->w == 0 || v->h == 0 || v->riadok < (uint64_t)v->w * 4 ||
        (uint64_t)v->riadok * v->h > INT32_MAX) {
        v->stav = -2;  // no format read here
        return;
    }
    v->velkost = (size_t)v->riadok * v->h;
    const int fd = memfd_create("zentrivo-scan", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, (off_t)v->velkost) != 0 ||
        (v->data = mmap(nullptr, v->velkost, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)) == MAP_FAILED) {
        if (fd >= 0) close(fd);
        z->s->zlyhanie_pamate = true;
        v->stav = -1;
        return;
    }
    wl_shm_pool* pool = wl_shm_create_pool(z->s->shm, fd, (int32_t)v->velkost);
    v->buffer = wl_shm_pool_create_buffer(pool, 0, (int32_t)v->w, (int32_t)v->h, (int32_t)v->riadok, v->format);
    wl_shm_pool_destroy(pool);
    close(fd);
    zwlr_screencopy_frame_v1_copy(f, v->buffer);
}

void Buffer(void* z, zwlr_screencopy_frame_v1* f, uint32_t format, uint32_t w, uint32_t h, uint32_t riadok)
{
    Vystup* v = ((Ziadost*)z)->v;
    if (!v->ma_format && Citany(format)) {
        v->format = format, v->w = w, v->h = h, v->riadok = riadok;
        v->ma_format = true;
    }
    if (zwlr_screencopy_frame_v1_get_version(f) < 3) BufferyHotove(z, f);
}
void Priznaky(void* z, zwlr_screencopy_frame_v1*, uint32_t f)
{
    ((Ziadost*)z)->v->y_obratene = f & ZWLR_SCREENCOPY_FRAME_V1_FLAGS_Y_INVERT;
}
void Pripravene(void* z, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t) { ((Ziadost*)z)->v->stav = 1; }
void Zlyhane(void* z, zwlr_screencopy_frame_v1*) { ((Ziadost*)z)->v->stav = -1; }
void Poskodenie(void*, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t, uint32_t) {}
void Dmabuf(void*, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t) {}
const zwlr_screencopy_frame_v1_listener kSnimka = {Buffer, Priznaky, Pripravene, Zlyhane,
                                                   Poskodenie, Dmabuf, BufferyHotove};

// Asks for a frame of every output and waits until each is copied or refused.
int Kopiruj(Spojenie* s, std::vector<Ziadost>* ziadosti, char* chyba, size_t miesto)
{
    ziadosti->resize(s->vystupy.size());
    for (size_t k = 0; k < s->vystupy.size(); k++) {
        Vystup* v = s->vystupy[k];
        (*ziadosti)[k] = Ziadost{s, v};
        v->snimka = zwlr_screencopy_manager_v1_capture_output(s->kopia, 0, v->o);
        zwlr_screencopy_frame_v1_add_listener(v->snimka, &kSnimka, &(*ziadosti)[k]);
    }
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::milliseconds(kCakanieMs);
    for (;;) {
        const Vystup* caka = nullptr;
        for (const Vystup* v : s->vystupy)
            if (v->stav == 0) caka = v;
        if (!caka) break;
        if (!Cakaj(s->d, koniec)) {
            if (wl_display_get_error(s->d))
                snprintf(chyba, miesto, "the connection to the Wayland compositor broke (error %d)",
                         wl_display_get_error(s->d));
            else
                snprintf(chyba, miesto, "the compositor did not copy output %s within %d s", caka->meno.c_str(),
                         kCakanieMs / 1000);
            return 0;
        }
    }
    for (const Vystup* v : s->vystupy) {
        if (v->stav == 1) continue;
        if (s->zlyhanie_pamate) snprintf(chyba, miesto, "no shared memory for a frame of output %s", v->meno.c_str());
        else if (v->stav == -2)
            snprintf(chyba, miesto, "output %s offers no pixel format read here (XRGB, ARGB, XBGR, ABGR 8888)",
                     v->meno.c_str());
        else snprintf(chyba, miesto, "the compositor could not copy output %s", v->meno.c_str());
        return 0;
    }
    return 1;
}

// Row r of the output as it is shown (turned and flipped by its transform, the top row first
// whatever order the compositor stored the rows in), `sirka` pixels, into `ciel`. The frame holds the
// output unturned: along a shown row the frame's column and row each move by a fixed step.
void Riadok(const Vystup& v, int r, int sirka, COLORREF* ciel)
{
    const long long w = v.w, h = v.h;
    long long sx = 0, dx = 0, sy = 0, dy = 0;  // the frame's pixel (sx + dx * x, sy + dy * x)
    switch (v.transformacia & 7) {
        case WL_OUTPUT_TRANSFORM_NORMAL: sx = 0, dx = 1, sy = r; break;
        case WL_OUTPUT_TRANSFORM_90: sx = r, sy = h - 1, dy = -1; break;
        case WL_OUTPUT_TRANSFORM_180: sx = w - 1, dx = -1, sy = h - 1 - r; break;
        case WL_OUTPUT_TRANSFORM_270: sx = w - 1 - r, sy = 0, dy = 1; break;
        case WL_OUTPUT_TRANSFORM_FLIPPED: sx = w - 1, dx = -1, sy = r; break;
        case WL_OUTPUT_TRANSFORM_FLIPPED_90: sx = r, sy = 0, dy = 1; break;
        case WL_OUTPUT_TRANSFORM_FLIPPED_180: sx = 0, dx = 1, sy = h - 1 - r; break;
        default: sx = w - 1 - r, sy = h - 1, dy = -1; break;  // flipped 270
    }
    if (v.y_obratene) sy = h - 1 - sy, dy = -dy;
    const long long od = sy * v.riadok + sx * 4, krok = dy * v.riadok + dx * 4;
    // Little-endian 32-bit pixels: XRGB and ARGB are blue, green, red in memory; XBGR and ABGR red first.
    const bool bgr = v.format == WL_SHM_FORMAT_XRGB8888 || v.format == WL_SHM_FORMAT_ARGB8888;
    for (int x = 0; x < sirka; x++) {
        const uint8_t* p = (const uint8_t*)v.data + (od + krok * x);
        ciel[x] = bgr ? RGB(p[2], p[1], p[0]) : RGB(p[0], p[1], p[2]);
    }
}

// The desktop: the rectangle around every monitor.
void Rozmer(Plocha* p)
{
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    for (size_t k = 0; k < p->monitory.size(); k++) {
        const Monitor& m = p->monitory[k];
        if (k == 0 || m.x < x0) x0 = m.x;
        if (k == 0 || m.y < y0) y0 = m.y;
        if (k == 0 || m.x + m.sirka > x1) x1 = m.x + m.sirka;
        if (k == 0 || m.y + m.vyska > y1) y1 = m.y + m.vyska;
    }
    p->x = x0, p->y = y0, p->w = x1 - x0, p->h = y1 - y0;
}

// The search over strips of desktop rows, each put together from the frames that cross it.
int Prejdi(const Spojenie& s, const Plocha& p, StavHladania* stav, RECT vylucene, int stupen, COLORREF* farby)
{
    const int pas = p.h < kRiadkovPasu ? p.h : kRiadkovPasu;
    for (int y = 0; y < p.h; y += pas) {
        const int riadkov = p.h - y < pas ? p.h - y : pas;
        bool medzery = s.vystupy.size() > 1;
        for (size_t k = 0; medzery && k < (size_t)p.w * riadkov; k++) farby[k] = kMimo;
        for (size_t k = 0; k < s.vystupy.size(); k++) {
            const Vystup& v = *s.vystupy[k];
            const Monitor& m = p.monitory[k];
            const int od = m.y - p.y, po = od + m.vyska;  // the output's rows in the image
            for (int r = y > od ? y : od; r < y + riadkov && r < po; r++)
                Riadok(v, r - od, m.sirka, farby + (size_t)(r - y) * p.w + (m.x - p.x));
        }
        PridajRiadky(stav, p.w, y, riadkov, farby, vylucene, stupen);
    }
    return 1;
}

}  // namespace

int MonitoryWayland(Plocha* plocha, char* chyba, size_t miesto)
{
    Spojenie s;
    bool nedostupne = false;
    const int ok = Spoj(&s, &nedostupne, chyba, miesto);
    if (ok) Monitory(s, plocha);
    Zatvor(&s);
    return ok;
}

int HladajWayland(StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento, Plocha* p,
                  bool* nedostupne, char* chyba, size_t miesto)
{
    Spojenie s;
    std::vector<Ziadost> ziadosti;
    int pocet = -1;
    if (!Spoj(&s, nedostupne, chyba, miesto)) {
    } else if (!s.kopia) {
        *nedostupne = true;
        snprintf(chyba, miesto, "the compositor offers no screencopy (zwlr_screencopy_manager_v1)");
    } else if (!s.shm) {
        snprintf(chyba, miesto, "the compositor offers no shared memory (wl_shm)");
    } else if (Kopiruj(&s, &ziadosti, chyba, miesto)) {
        Monitory(s, p);
        Rozmer(p);
        p->sposob = "screencopy";
        const int pas = p->h < kRiadkovPasu ? p->h : kRiadkovPasu;
        COLORREF* farby = (COLORREF*)malloc((size_t)p->w * (size_t)pas * sizeof(COLORREF));
        if (p->w > 0 && p->h > 0 && farby && ZacniHladanie(stav, p->w, p->h) &&
            Prejdi(s, *p, stav, VObraze(vylucene, *p), stupen, farby))
            pocet = DokonciHladanie(stav, p->h, min_velkost, percento);
        if (pocet < 0) snprintf(chyba, miesto, "not enough memory to search a %d x %d desktop", p->w, p->h);
        free(farby);
    }
    Zatvor(&s);
    return pocet;
}
