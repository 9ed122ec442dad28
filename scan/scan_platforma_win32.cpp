// zentrivo-scan's Windows ends: binary standard streams, the identity of files, and names taken and
// opened in UTF-16 (the desktop is plocha_win32.cpp's).
#include <windows.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scan/scan_mena_win32.h"
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
    HANDLE h = CreateFileW(SirokeMeno(meno).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 0;
    const BOOL ok = GetFileInformationByHandle(h, info);
    CloseHandle(h);
    return ok != 0;
}

// The two full paths compared without regard to case, for a file system that gives no file index.
static bool RovnakaCesta(const char* a, const char* b)
{
    wchar_t pa[MAX_PATH * 4], pb[MAX_PATH * 4];
    const DWORD da = GetFullPathNameW(SirokeMeno(a).c_str(), MAX_PATH * 4, pa, nullptr),
                db = GetFullPathNameW(SirokeMeno(b).c_str(), MAX_PATH * 4, pb, nullptr);
    return da > 0 && da < MAX_PATH * 4 && db > 0 && db < MAX_PATH * 4 && lstrcmpiW(pa, pb) == 0;
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
    HANDLE m = CreateFileW(SirokeMeno(meno).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
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

FILE* OtvorNaCitanie(const char* meno)
{
    const std::wstring siroke = SirokeMeno(meno);
    const DWORD atributy = GetFileAttributesW(siroke.c_str());
    if (atributy != INVALID_FILE_ATTRIBUTES && (atributy & FILE_ATTRIBUTE_DIRECTORY)) {
        errno = EISDIR;
        return nullptr;
    }
    return _wfopen(siroke.c_str(), L"rb");
}

long long ZostavaVSubore(FILE* f)
{
    const HANDLE h = (HANDLE)_get_osfhandle(_fileno(f));
    LARGE_INTEGER velkost, pozicia, nula = {};
    if (h == INVALID_HANDLE_VALUE || GetFileType(h) != FILE_TYPE_DISK || !GetFileSizeEx(h, &velkost) ||
        !SetFilePointerEx(h, nula, &pozicia, FILE_CURRENT))
        return -1;
    return pozicia.QuadPart > velkost.QuadPart ? 0 : velkost.QuadPart - pozicia.QuadPart;
}

// The arguments in UTF-8 for the life of the process; argv as it was when the command line cannot
// be read again.
char** ArgumentyUtf8(int* argc, char** argv)
{
    int pocet = 0;
    wchar_t** siroke = CommandLineToArgvW(GetCommandLineW(), &pocet);
    if (!siroke || pocet != *argc) return argv;
    char** utf8 = (char**)calloc((size_t)pocet + 1, sizeof(char*));
    for (int k = 0; utf8 && k < pocet; k++) utf8[k] = _strdup(Utf8Meno(siroke[k]).c_str());
    LocalFree(siroke);
    return utf8 ? utf8 : argv;
}

std::string TextPreVystup(const std::string& text, FILE* prud)
{
    DWORD rezim;
    const HANDLE h = (HANDLE)_get_osfhandle(_fileno(prud));
    const bool konzola = h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &rezim);
    return VKodovejStranke(text.c_str(), konzola ? GetConsoleOutputCP() : CP_ACP);
}

std::string UzkeMeno(const char* meno) { return VKodovejStranke(meno, CP_ACP); }
