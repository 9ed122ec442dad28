// zentrivo-scan's desktop through the desktop portal (GNOME, KDE and other Wayland sessions without
// screencopy): org.freedesktop.portal.Screenshot called without a dialog over the session bus
// (sd-bus), its Response awaited for a limited time, the picture it wrote read with the strict
// reader of image files, searched, and removed, so that no screenshot stays in the user's folders.
#include <systemd/sd-bus.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "scan/plocha_linux.h"
#include "scan/scan_citanie.h"

// How long the portal may take to answer: it may first ask the user, once, in a dialog.
static const int kCakanieS = 10;

namespace {

struct Odpoved {
    std::string portal;  // the unique name of the portal that took the call
    bool prisla = false;
    uint32_t kod = 2;
    std::string uri;
};

// Request.Response (u code, a{sv} results): the code and the picture's URI.
int NaOdpoved(sd_bus_message* m, void* data, sd_bus_error*)
{
    Odpoved* o = (Odpoved*)data;
    // Only the portal's own answer: another program on the bus could name any file to be removed.
    const char* odosielatel = sd_bus_message_get_sender(m);
    if (!odosielatel || o->portal != odosielatel) return 0;
    o->prisla = true;
    if (sd_bus_message_read(m, "u", &o->kod) < 0) o->kod = 2;
    if (sd_bus_message_enter_container(m, 'a', "{sv}") < 0) return 0;
    while (sd_bus_message_enter_container(m, 'e', "sv") > 0) {
        const char* kluc = nullptr;
        const char* hodnota = nullptr;
        if (sd_bus_message_read(m, "s", &kluc) >= 0 && strcmp(kluc, "uri") == 0 &&
            sd_bus_message_read(m, "v", "s", &hodnota) >= 0 && hodnota)
            o->uri = hodnota;
        else
            sd_bus_message_skip(m, "v");
        sd_bus_message_exit_container(m);
    }
    return 0;
}

// The local path of a file:// URI, its %XX escapes decoded; empty for any other URI.
std::string Cesta(const std::string& uri)
{
    if (uri.compare(0, 7, "file://") != 0) return "";
    std::string c;
    for (size_t k = 7; k < uri.size(); k++) {
        if (uri[k] == '%' && k + 2 < uri.size() && isxdigit((unsigned char)uri[k + 1]) &&
            isxdigit((unsigned char)uri[k + 2])) {
            c += (char)strtol(uri.substr(k + 1, 2).c_str(), nullptr, 16);
            k += 2;
        } else {
            c += uri[k];
        }
    }
    // A NUL would cut the path short, and another file would be read and removed.
    return c[0] == '/' && c.find('\0') == std::string::npos ? c : "";
}

// Calls Screenshot and waits for its Response. 1 with the answer in *o, or 0 with the reason.
int Volaj(sd_bus* bus, Odpoved* o, char* chyba, size_t miesto)
{
    // The request's object path is known before the call: the match is in place before any answer.
    const char* unikatne = nullptr;
    if (sd_bus_get_unique_name(bus, &unikatne) < 0) {
        snprintf(chyba, miesto, "the session bus gave no name");
        return 0;
    }
    std::string odosielatel = unikatne + 1;  // ":1.42" is written "1_42"
    for (char& z : odosielatel)
        if (z == '.') z = '_';
    const std::string znak = "zentrivo" + std::to_string(getpid());
    const std::string cesta = "/org/freedesktop/portal/desktop/request/" + odosielatel + "/" + znak;
    sd_bus_slot* slot = nullptr;
    if (sd_bus_match_signal(bus, &slot, nullptr, cesta.c_str(), "org.freedesktop.portal.Request", "Response",
                            NaOdpoved, o) < 0) {
        snprintf(chyba, miesto, "the session bus refused to pass the portal's answer");
        return 0;
    }
    sd_bus_error e = SD_BUS_ERROR_NULL;
    sd_bus_message* volanie = nullptr;
    sd_bus_message* odpoved = nullptr;
    int r = sd_bus_message_new_method_call(bus, &volanie, "org.freedesktop.portal.Desktop",
                                           "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Screenshot",
                                           "Screenshot");
    if (r >= 0)
        r = sd_bus_message_append(volanie, "sa{sv}", "", 2, "handle_token", "s", znak.c_str(), "interactive", "b", 0);
    if (r >= 0) r = sd_bus_call(bus, volanie, (uint64_t)kCakanieS * 1000000, &e, &odpoved);
    const char* ziadost = nullptr;
    if (r >= 0 && sd_bus_message_read(odpoved, "o", &ziadost) >= 0 && ziadost && cesta != ziadost)
        r = -EPROTO;  // a portal older than handle_token: its answer would go unseen
    if (r >= 0 && sd_bus_message_get_sender(odpoved)) o->portal = sd_bus_message_get_sender(odpoved);
    if (r < 0) {
        if (sd_bus_error_has_name(&e, SD_BUS_ERROR_SERVICE_UNKNOWN) ||
            sd_bus_error_has_name(&e, SD_BUS_ERROR_NAME_HAS_NO_OWNER))
            snprintf(chyba, miesto, "no desktop portal on the session bus");
        else if (sd_bus_error_has_name(&e, SD_BUS_ERROR_UNKNOWN_METHOD) ||
                 sd_bus_error_has_name(&e, SD_BUS_ERROR_UNKNOWN_INTERFACE) ||
                 sd_bus_error_has_name(&e, SD_BUS_ERROR_UNKNOWN_OBJECT))
            snprintf(chyba, miesto, "the desktop portal offers no Screenshot");
        else if (r == -EPROTO)
            snprintf(chyba, miesto, "the desktop portal is too old (it took no handle_token)");
        else
            snprintf(chyba, miesto, "the desktop portal's Screenshot failed: %s",
                     e.message ? e.message : strerror(-r));
    }
    sd_bus_error_free(&e);
    sd_bus_message_unref(odpoved);
    sd_bus_message_unref(volanie);
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::seconds(kCakanieS);
    while (r >= 0 && !o->prisla) {
        const auto zostava =
            std::chrono::duration_cast<std::chrono::microseconds>(koniec - std::chrono::steady_clock::now());
        if (zostava.count() <= 0) break;
        r = sd_bus_process(bus, nullptr);
        if (r == 0) r = sd_bus_wait(bus, (uint64_t)zostava.count());
    }
    if (r >= 0 && !o->prisla) {
        // No answer: the request is closed, so that no picture is written after we have gone.
        sd_bus_call_method(bus, "org.freedesktop.portal.Desktop", cesta.c_str(), "org.freedesktop.portal.Request",
                           "Close", nullptr, nullptr, "");
        snprintf(chyba, miesto, "the desktop portal did not answer within %d s", kCakanieS);
        r = -ETIMEDOUT;
    } else if (r < 0 && !o->prisla && !*chyba) {
        snprintf(chyba, miesto, "the session bus failed: %s", strerror(-r));
    }
    sd_bus_slot_unref(slot);
    return r >= 0 && o->prisla;
}

}  // namespace

int HladajPortalom(StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento, Plocha* p,
                   char* chyba, size_t miesto)
{
    sd_bus* bus = nullptr;
    *chyba = '\0';
    const int r = sd_bus_open_user(&bus);
    if (r < 0) {
        snprintf(chyba, miesto, "no session bus to reach the desktop portal (%s)", strerror(-r));
        return -1;
    }
    Odpoved o;
    int pocet = -1;
    if (Volaj(bus, &o, chyba, miesto)) {
        const std::string subor = Cesta(o.uri);
        if (o.kod == 1) {
            snprintf(chyba, miesto,
                     "the desktop portal's screenshot was declined: allow it when the desktop asks, or in its "
                     "privacy settings");
        } else if (o.kod != 0) {
            snprintf(chyba, miesto,
                     "the desktop portal refused the screenshot (no permission): allow screenshots without a dialog in "
                     "the desktop's privacy settings (or grant it once: flatpak permission-set screenshot "
                     "screenshot '' yes)");
        } else if (subor.empty()) {
            snprintf(chyba, miesto, "the desktop portal gave no picture file (uri '%s')", o.uri.c_str());
        } else {
            char dovod[768];
            COLORREF* farby = CitajObrazSuboru(subor.c_str(), 0, 0, &p->w, &p->h, dovod, sizeof dovod);
            // The portal's picture is ours: read or not, it goes.
            unlink(subor.c_str());
            if (!farby) {
                snprintf(chyba, miesto, "the desktop portal's picture: %s", dovod);
            } else {
                const RECT v = VObraze(vylucene, *p);
                pocet = HladajSoStavom(stav, p->w, p->h, farby, v, stupen, min_velkost, percento);
                if (pocet < 0) snprintf(chyba, miesto, "not enough memory to search a %d x %d desktop", p->w, p->h);
                free(farby);
            }
        }
    }
    sd_bus_flush_close_unref(bus);
    return pocet;
}
