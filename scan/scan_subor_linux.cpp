// zentrivo-scan's Linux end for file names: two names, or a name and an open stream, are one file when
// device and inode agree.
#include <sys/stat.h>

#include "scan/scan_platforma.h"

bool TenIstySubor(const char* a, const char* b)
{
    struct stat sa, sb;
    return stat(a, &sa) == 0 && stat(b, &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool JeToVstup(const char* meno, FILE* vstup)
{
    struct stat sm, sv;
    return stat(meno, &sm) == 0 && fstat(fileno(vstup), &sv) == 0 && sm.st_dev == sv.st_dev && sm.st_ino == sv.st_ino;
}
