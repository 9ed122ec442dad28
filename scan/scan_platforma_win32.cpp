// zentrivo-scan's Windows ends: binary standard streams and the identity of files (the desktop is
// plocha_win32.cpp's).
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>

#include "scan/scan_platforma.h"

void PripravProces()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

// The volume and file index of an existing file; 0 when it cannot be opened. C's stat gives no inode
// here (st_ino is always 0), so the system is asked through a handle.
static int CitajIdentitu(const char* meno, BY_HANDLE_FILE_INFORMATION* info)
{
    HANDLE h = CreateFileA(meno, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 0;
    const BOOL ok = GetFileInformationByHandle(h, info);
    CloseHandle(h);
    return ok != 0;
}

// The two full paths compared without regard to case, for a file system that gives no file index.
static bool RovnakaCesta(const char* a, const char* b)
{
    char pa[MAX_PATH * 4], pb[MAX_PATH * 4];
    const DWORD da = GetFullPathNameA(a, sizeof pa, pa, nullptr), db = GetFullPathNameA(b, sizeof pb, pb, nullptr);
    return da > 0 && da < sizeof pa && db > 0 && db < sizeof pb && lstrcmpiA(pa, pb) == 0;
}

bool TenIstySubor(const char* a, const char* b)
{
    BY_HANDLE_FILE_INFORMATION ia, ib;
    if (!CitajIdentitu(a, &ia) || !CitajIdentitu(b, &ib)) return false;
    if ((ia.nFileIndexHigh | ia.nFileIndexLow) == 0 || (ib.nFileIndexHigh | ib.nFileIndexLow) == 0)
        return RovnakaCesta(a, b);
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
           ia.nFileIndexLow == ib.nFileIndexLow;
}
