// zentrivo-scan: the object search on image files, or on the live screen, taken as the desktop snapshot.
#include <cstdio>
#include <string>

#include "scan/scan_beh.h"
#include "scan/scan_platforma.h"
#include "scan/scan_volby.h"

int main(int argc, char** argv)
{
    PripravProces();
    argv = ArgumentyUtf8(&argc, argv);
    char chyba[1024];
    ScanVolby v;
    if (!CitajVolby(argc - 1, argv + 1, &v, chyba, sizeof chyba)) {
        std::string riadok = RiadokChyby(chyba);
        riadok.insert(riadok.size() - 1, " (see zentrivo-scan --help)");
        fputs(riadok.c_str(), stderr);
        return 2;
    }
    if (v.pomoc || v.verzia) {
        fputs(v.pomoc ? kScanPouzitie : "zentrivo-scan " ZENTRIVO_VERZIA "\n", stdout);
        if (fflush(stdout) == 0 && !ferror(stdout)) return 0;
        fputs(RiadokChyby("cannot write standard output").c_str(), stderr);
        return 2;
    }
    return SpracujObrazy(v, stdin, stdout, stderr);
}
