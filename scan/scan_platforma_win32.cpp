// zentrivo-scan's Windows ends: binary standard streams, the screen as Zentrivo.exe snapshots it on
// ENTER (the desktop window's client area copied by SnimkaPlochy), and the identity of files.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scan/scan_platforma.h"
#include "search/snimka_win32.h"

void PripravProces()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

int HladajNaObrazovke(StavHladania* stav, RECT vylucene, int stupen, int min_velkost, int percento, int* w, int* h,
                      const char** sposob, char* chyba, size_t miesto)
{
    // The desktop in physical pixels: a process that is not DPI-aware is shown a scaled-down one.
    SetProcessDPIAware();
    RECT plocha = {};
    GetClientRect(GetDesktopWindow(), &plocha);
    const int sirka = plocha.right - plocha.left, vyska = plocha.bottom - plocha.top;
    *w = sirka;
    *h = vyska;
    *sposob = "BitBlt";
    if (sirka <= 0 || vyska <= 0) {
        snprintf(chyba, miesto, "screen: the desktop has no pixels");
        return -1;
    }
    COLORREF* farby = (COLORREF*)malloc((size_t)sirka * (size_t)vyska * sizeof(COLORREF));
    if (!farby) {
        snprintf(chyba, miesto, "screen: not enough memory for a %d x %d desktop", sirka, vyska);
        return -1;
    }
    if (!SnimkaPlochy(sirka, vyska, farby)) {
        free(farby);
        snprintf(chyba, miesto, "screen: the desktop could not be copied");
        return -1;
    }
    const int pocet = HladajSoStavom(stav, sirka, vyska, farby, vylucene, stupen, min_velkost, percento);
    free(farby);
    if (pocet < 0) snprintf(chyba, miesto, "screen: not enough memory to search a %d x %d desktop", sirka, vyska);
    return pocet;
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

// The volume and file ID behind an open handle; 0 when the system gives no ID. Wine answers this for
// a redirected standard input, whose volume it reports as 0, where GetFileInformationByHandle fails.
static int CitajId(HANDLE h, FILE_ID_INFO* id)
{
    static const BYTE nula[sizeof id->FileId.Identifier] = {};
    return GetFileInformationByHandleEx(h, FileIdInfo, id, sizeof *id) &&
           memcmp(id->FileId.Identifier, nula, sizeof nula) != 0;
}

bool JeToVstup(const char* meno, FILE* vstup)
{
    const HANDLE h = (HANDLE)_get_osfhandle(_fileno(vstup));
    if (h == INVALID_HANDLE_VALUE || GetFileType(h) != FILE_TYPE_DISK) return false;
    HANDLE m = CreateFileA(meno, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (m == INVALID_HANDLE_VALUE) return false;
    FILE_ID_INFO iv, im;
    BY_HANDLE_FILE_INFORMATION bv, bm;
    bool ten_isty = false;
    if (CitajId(h, &iv) && CitajId(m, &im))
        ten_isty = memcmp(&iv.FileId, &im.FileId, sizeof iv.FileId) == 0 &&
                   (iv.VolumeSerialNumber == im.VolumeSerialNumber || iv.VolumeSerialNumber == 0);
    else if (GetFileInformationByHandle(h, &bv) && GetFileInformationByHandle(m, &bm))
        ten_isty = (bv.nFileIndexHigh | bv.nFileIndexLow) != 0 && bv.dwVolumeSerialNumber == bm.dwVolumeSerialNumber &&
                   bv.nFileIndexHigh == bm.nFileIndexHigh && bv.nFileIndexLow == bm.nFileIndexLow;
    CloseHandle(m);
    return ten_isty;
}
