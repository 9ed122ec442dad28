// Opening a named file's new content on the native build: mkstemp beside the file a link leads to.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "common/cielovy_subor.h"

// Symbolic links followed one after another before the name is taken as a loop, as the kernel does.
static const int kMaxOdkazov = 40;

// The name the chain of symbolic links starting at `meno` ends in, the last one perhaps not there yet.
// 0 on a loop or an unreadable link.
static int KoniecOdkazov(const std::string& meno, std::string* koniec)
{
    *koniec = meno;
    for (int k = 0; k < kMaxOdkazov; k++) {
        struct stat s;
        if (lstat(koniec->c_str(), &s) != 0 || !S_ISLNK(s.st_mode)) return 1;
        std::string ciel(4096, '\0');
        const ssize_t n = readlink(koniec->c_str(), &ciel[0], ciel.size());
        if (n <= 0 || (size_t)n >= ciel.size()) return 0;
        ciel.resize((size_t)n);
        // A relative link is read from the link's own folder.
        const size_t lomka = koniec->rfind('/');
        if (ciel[0] != '/' && lomka != std::string::npos) ciel = koniec->substr(0, lomka + 1) + ciel;
        *koniec = ciel;
    }
    return 0;
}

// Whether standard output or error is already open on this file: it is written through that descriptor,
// so that what the program prints there and the centres end up together, as the shell redirected them.
static int StandardnyVystup(const struct stat& s)
{
    for (int d : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat o;
        if (fstat(d, &o) == 0 && o.st_dev == s.st_dev && o.st_ino == s.st_ino) return d;
    }
    return -1;
}

static int OtvorPriamo(const char* subor, int vystup, CielovySubor* c)
{
    // Never created, never truncated: a device or a pipe has nothing to cut, a shared descriptor
    // writes on from where the program's own output is.
    const int d = vystup >= 0 ? dup(vystup) : open(subor, O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (d < 0) return 0;
    c->f = fdopen(d, "wb");
    if (!c->f) close(d);
    return c->f != nullptr;
}

int OtvorCiel(const char* subor, CielovySubor* c)
{
    *c = CielovySubor();
    if (!subor || !*subor) return 0;
    struct stat s;
    const bool je = stat(subor, &s) == 0;
    if (je && !S_ISREG(s.st_mode)) return OtvorPriamo(subor, -1, c);  // a folder fails to open
    const int vystup = je ? StandardnyVystup(s) : -1;
    if (vystup >= 0) return OtvorPriamo(subor, vystup, c);

    if (!KoniecOdkazov(subor, &c->ciel)) return 0;
    std::string vzor = c->ciel + ".XXXXXX";
    const int d = mkstemp(&vzor[0]);
    if (d < 0) return 0;
    c->docasny = vzor;
    // The new file gets the old one's permissions and owner, or those a new file gets (mkstemp's 0600 aside).
    if (je) {
        (void)!fchown(d, s.st_uid, s.st_gid);  // only root gives a file away; anyone else owns it already
        fchmod(d, s.st_mode & 07777);
    } else {
        const mode_t maska = umask(0);
        umask(maska);
        fchmod(d, 0666 & ~maska);
    }
    c->f = fdopen(d, "wb");
    if (c->f) return 1;
    close(d);
    unlink(c->docasny.c_str());
    return 0;
}
