// zentrivo-scan's Linux end for files and names: opening an image, its size, two names (or a name
// and an open stream) are one file when device and inode agree, and names are the bytes the system gives.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

FILE* OtvorNaCitanie(const char* meno)
{
    FILE* f = fopen(meno, "rb");
    struct stat info;
    if (f && fstat(fileno(f), &info) == 0 && S_ISDIR(info.st_mode)) {
        fclose(f);
        errno = EISDIR;
        return nullptr;
    }
    return f;
}

long long ZostavaVSubore(FILE* f)
{
    struct stat info;
    const int fd = fileno(f);
    if (fd < 0 || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    const off_t pozicia = lseek(fd, 0, SEEK_CUR);
    return pozicia < 0 || pozicia > info.st_size ? 0 : (long long)(info.st_size - pozicia);
}

char** ArgumentyUtf8(int*, char** argv) { return argv; }

std::string TextPreVystup(const std::string& text, FILE*) { return text; }

std::string UzkeMeno(const char* meno) { return meno; }
