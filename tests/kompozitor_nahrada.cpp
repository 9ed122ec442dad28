// A stand-in Wayland compositor without screencopy, as GNOME's and KDE's are to zentrivo-scan: shared
// memory and one 800 x 600 output named STAND-IN-1, nothing else. Usage: kompozitor_nahrada SOCKET
// (in XDG_RUNTIME_DIR); prints "ready" once it listens.
#include <wayland-server.h>

#include <cstdio>

static void Uvolni(wl_client*, wl_resource* r) { wl_resource_destroy(r); }
static const struct wl_output_interface kVystup = {Uvolni};

static void Pripoj(wl_client* klient, void*, uint32_t verzia, uint32_t id)
{
    wl_resource* r = wl_resource_create(klient, &wl_output_interface, (int)verzia, id);
    if (!r) return wl_client_post_no_memory(klient);
    wl_resource_set_implementation(r, &kVystup, nullptr, nullptr);
    wl_output_send_geometry(r, 0, 0, 300, 200, WL_OUTPUT_SUBPIXEL_UNKNOWN, "zentrivo", "stand-in",
                            WL_OUTPUT_TRANSFORM_NORMAL);
    wl_output_send_mode(r, WL_OUTPUT_MODE_CURRENT, 800, 600, 60000);
    if (verzia >= 4) wl_output_send_name(r, "STAND-IN-1");
    if (verzia >= 2) wl_output_send_scale(r, 1), wl_output_send_done(r);
}

int main(int argc, char** argv)
{
    wl_display* d = wl_display_create();
    if (argc < 2 || !d || wl_display_add_socket(d, argv[1]) != 0 || wl_display_init_shm(d) != 0 ||
        !wl_global_create(d, &wl_output_interface, 4, nullptr, Pripoj))
        return 1;
    puts("ready");
    fflush(stdout);
    wl_display_run(d);
}
