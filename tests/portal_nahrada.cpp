// A stand-in desktop portal on the session bus for zentrivo-scan's tests: Screenshot answers with a copy
// of a picture written into a folder (as a portal writes into the user's pictures), refuses, or never
// answers while another program on the bus sends that answer in its place. Usage: portal_nahrada
// answers PICTURE FOLDER | refuses | impostor PICTURE FOLDER. Prints "ready" once the name is owned,
// and "closed" when a request is closed.
#include <systemd/sd-bus.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

static const char* g_rezim = "";        // answers, refuses or impostor
static sd_bus* g_iny = nullptr;         // impostor: the other program's connection
static std::string g_obraz, g_adresar;  // the picture and where its copy goes

static int Zatvor(sd_bus_message* m, void*, sd_bus_error*)
{
    puts("closed");
    fflush(stdout);
    return sd_bus_reply_method_return(m, "");
}
static const sd_bus_vtable kPoziadavka[] = {
    SD_BUS_VTABLE_START(0), SD_BUS_METHOD("Close", "", "", Zatvor, SD_BUS_VTABLE_UNPRIVILEGED), SD_BUS_VTABLE_END};

static int Snimka(sd_bus_message* m, void*, sd_bus_error*)
{
    const char* okno = nullptr;
    std::string znak = "t";
    sd_bus_message_read(m, "s", &okno);
    sd_bus_message_enter_container(m, 'a', "{sv}");
    while (sd_bus_message_enter_container(m, 'e', "sv") > 0) {
        const char* kluc = nullptr;
        const char* hodnota = nullptr;
        if (sd_bus_message_read(m, "s", &kluc) >= 0 && strcmp(kluc, "handle_token") == 0 &&
            sd_bus_message_read(m, "v", "s", &hodnota) >= 0)
            znak = hodnota;
        else
            sd_bus_message_skip(m, "v");
        sd_bus_message_exit_container(m);
    }
    std::string odosielatel = sd_bus_message_get_sender(m) + 1;
    for (char& z : odosielatel)
        if (z == '.') z = '_';
    const std::string cesta = "/org/freedesktop/portal/desktop/request/" + odosielatel + "/" + znak;
    sd_bus* bus = sd_bus_message_get_bus(m);
    sd_bus_add_object_vtable(bus, nullptr, cesta.c_str(), "org.freedesktop.portal.Request", kPoziadavka, nullptr);
    sd_bus_reply_method_return(m, "o", cesta.c_str());
    if (strcmp(g_rezim, "refuses") == 0)
        return sd_bus_emit_signal(bus, cesta.c_str(), "org.freedesktop.portal.Request", "Response", "ua{sv}", 2, 0);
    const std::string subor = g_adresar + "/Screenshot.png";
    std::ifstream z(g_obraz, std::ios::binary);
    std::ofstream(subor, std::ios::binary) << z.rdbuf();
    const std::string uri = "file://" + subor;
    sd_bus* od = g_iny ? g_iny : bus;
    const int r = sd_bus_emit_signal(od, cesta.c_str(), "org.freedesktop.portal.Request", "Response", "ua{sv}", 0, 1,
                                     "uri", "s", uri.c_str());
    return r < 0 ? r : sd_bus_flush(od);
}
static const sd_bus_vtable kSnimka[] = {
    SD_BUS_VTABLE_START(0), SD_BUS_METHOD("Screenshot", "sa{sv}", "o", Snimka, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END};

int main(int argc, char** argv)
{
    if (argc < 2) return 2;
    g_rezim = argv[1];
    if (strcmp(g_rezim, "refuses") != 0) {
        if (argc < 4) return 2;
        g_obraz = argv[2], g_adresar = argv[3];
    }
    if (strcmp(g_rezim, "impostor") == 0 && sd_bus_open_user(&g_iny) < 0) return 1;
    sd_bus* bus = nullptr;
    if (sd_bus_open_user(&bus) < 0 ||
        sd_bus_add_object_vtable(bus, nullptr, "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Screenshot",
                                 kSnimka, nullptr) < 0 ||
        sd_bus_request_name(bus, "org.freedesktop.portal.Desktop", 0) < 0)
        return 1;
    puts("ready");
    fflush(stdout);
    for (;;) {
        const int r = sd_bus_process(bus, nullptr);
        if (r < 0) return 1;
        if (r == 0 && sd_bus_wait(bus, (uint64_t)-1) < 0) return 1;
    }
}
