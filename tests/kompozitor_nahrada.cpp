// A stand-in Wayland compositor for zentrivo-scan's tests: shared memory and one output named STAND-IN-1,
// 800 x 600 or the size of a picture it shows. Without a picture it offers no screencopy, as GNOME's
// and KDE's compositors do; with one, screencopy frames of that picture in one pixel format (the
// fourth byte of each pixel 0x80, which no grey pixel has), rows stored bottom first if asked.
// Usage: kompozitor_nahrada SOCKET [PICTURE.ppm xrgb|argb|xbgr|abgr|rgb565 [inverted]]
// (SOCKET in XDG_RUNTIME_DIR); prints "ready" once it listens.
#include <wayland-server.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "wlr-screencopy-unstable-v1-server.h"

static int g_w = 800, g_h = 600;
static std::vector<unsigned char> g_rgb;  // the picture, 3 bytes a pixel
static uint32_t g_format = 0;
static bool g_obratene = false;

static void Uvolni(wl_client*, wl_resource* r) { wl_resource_destroy(r); }
static const struct wl_output_interface kVystup = {Uvolni};

static void PripojVystup(wl_client* klient, void*, uint32_t verzia, uint32_t id)
{
    wl_resource* r = wl_resource_create(klient, &wl_output_interface, (int)verzia, id);
    if (!r) return wl_client_post_no_memory(klient);
    wl_resource_set_implementation(r, &kVystup, nullptr, nullptr);
    wl_output_send_geometry(r, 0, 0, 300, 200, WL_OUTPUT_SUBPIXEL_UNKNOWN, "zentrivo", "stand-in",
                            WL_OUTPUT_TRANSFORM_NORMAL);
    wl_output_send_mode(r, WL_OUTPUT_MODE_CURRENT, g_w, g_h, 60000);
    if (verzia >= 4) wl_output_send_name(r, "STAND-IN-1");
    if (verzia >= 2) wl_output_send_scale(r, 1), wl_output_send_done(r);
}

// The picture into the client's buffer, in the format offered; a buffer of another kind fails.
static void Kopiruj(wl_client*, wl_resource* snimka, wl_resource* buffer)
{
    wl_shm_buffer* b = wl_shm_buffer_get(buffer);
    if (!b || wl_shm_buffer_get_format(b) != g_format || wl_shm_buffer_get_width(b) != g_w ||
        wl_shm_buffer_get_height(b) != g_h)
        return zwlr_screencopy_frame_v1_send_failed(snimka);
    wl_shm_buffer_begin_access(b);
    unsigned char* data = (unsigned char*)wl_shm_buffer_get_data(b);
    const bool bgr = g_format == WL_SHM_FORMAT_XRGB8888 || g_format == WL_SHM_FORMAT_ARGB8888;
    for (int y = 0; y < g_h; y++) {
        unsigned char* p = data + (size_t)(g_obratene ? g_h - 1 - y : y) * wl_shm_buffer_get_stride(b);
        for (int x = 0; x < g_w; x++, p += 4) {
            const unsigned char* c = &g_rgb[((size_t)y * g_w + x) * 3];
            p[0] = bgr ? c[2] : c[0], p[1] = c[1], p[2] = bgr ? c[0] : c[2], p[3] = 0x80;
        }
    }
    wl_shm_buffer_end_access(b);
    zwlr_screencopy_frame_v1_send_flags(snimka, g_obratene ? ZWLR_SCREENCOPY_FRAME_V1_FLAGS_Y_INVERT : 0);
    zwlr_screencopy_frame_v1_send_ready(snimka, 0, 0, 0);
}
static const struct zwlr_screencopy_frame_v1_interface kSnimka = {Kopiruj, Uvolni, Kopiruj};

static void Zachyt(wl_client* klient, wl_resource* spravca, uint32_t id, int32_t, wl_resource*)
{
    wl_resource* r = wl_resource_create(klient, &zwlr_screencopy_frame_v1_interface, wl_resource_get_version(spravca), id);
    if (!r) return wl_client_post_no_memory(klient);
    wl_resource_set_implementation(r, &kSnimka, nullptr, nullptr);
    const int bajtov = g_format == WL_SHM_FORMAT_RGB565 ? 2 : 4;
    zwlr_screencopy_frame_v1_send_buffer(r, g_format, g_w, g_h, g_w * bajtov);
    if (wl_resource_get_version(r) >= 3) zwlr_screencopy_frame_v1_send_buffer_done(r);
}
static void ZachytOblast(wl_client* k, wl_resource* s, uint32_t id, int32_t c, wl_resource* o, int32_t, int32_t,
                         int32_t, int32_t)
{
    Zachyt(k, s, id, c, o);
}
static const struct zwlr_screencopy_manager_v1_interface kSpravca = {Zachyt, ZachytOblast, Uvolni};

static void PripojSpravcu(wl_client* klient, void*, uint32_t verzia, uint32_t id)
{
    wl_resource* r = wl_resource_create(klient, &zwlr_screencopy_manager_v1_interface, (int)verzia, id);
    if (!r) return wl_client_post_no_memory(klient);
    wl_resource_set_implementation(r, &kSpravca, nullptr, nullptr);
}

// A binary PPM of 8-bit samples without comments, as ImageMagick writes it.
static bool CitajPpm(const char* meno)
{
    FILE* f = fopen(meno, "rb");
    int maximum = 0;
    const bool ok = f && fscanf(f, "P6 %d %d %d", &g_w, &g_h, &maximum) == 3 && maximum == 255 && fgetc(f) != EOF &&
                    g_w > 0 && g_h > 0 && (g_rgb.resize((size_t)g_w * g_h * 3), true) &&
                    fread(g_rgb.data(), 1, g_rgb.size(), f) == g_rgb.size();
    if (f) fclose(f);
    return ok;
}

int main(int argc, char** argv)
{
    static const struct {
        const char* meno;
        uint32_t format;
    } kFormaty[] = {{"xrgb", WL_SHM_FORMAT_XRGB8888}, {"argb", WL_SHM_FORMAT_ARGB8888},
                    {"xbgr", WL_SHM_FORMAT_XBGR8888}, {"abgr", WL_SHM_FORMAT_ABGR8888},
                    {"rgb565", WL_SHM_FORMAT_RGB565}};
    const bool kopia = argc > 2;
    bool znamy = false;
    for (const auto& f : kFormaty)
        if (kopia && argc > 3 && strcmp(argv[3], f.meno) == 0) g_format = f.format, znamy = true;
    if (argc < 2 || (kopia && (!znamy || !CitajPpm(argv[2])))) return 2;
    g_obratene = argc > 4 && strcmp(argv[4], "inverted") == 0;
    wl_display* d = wl_display_create();
    if (!d || wl_display_add_socket(d, argv[1]) != 0 || wl_display_init_shm(d) != 0) return 1;
    if (kopia && g_format != WL_SHM_FORMAT_ARGB8888 && g_format != WL_SHM_FORMAT_XRGB8888)
        wl_display_add_shm_format(d, g_format);
    if (!wl_global_create(d, &wl_output_interface, 4, nullptr, PripojVystup) ||
        (kopia && !wl_global_create(d, &zwlr_screencopy_manager_v1_interface, 3, nullptr, PripojSpravcu)))
        return 1;
    puts("ready");
    fflush(stdout);
    wl_display_run(d);
}
