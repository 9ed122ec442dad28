// Opening a named file's new content on Windows: a unique name beside it opened with CREATE_NEW, or the
// device itself (NUL, CON, a pipe).
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdint>
#include <cstdio>

#include "common/cielovy_subor.h"

// The handle as a C stream; the handle is closed whatever happens.
static FILE* Prud(HANDLE h)
{
    const int d = _open_osfhandle((intptr_t)h, _O_WRONLY | _O_BINARY);
    if (d < 0) {
        CloseHandle(h);
        return nullptr;
    }
    FILE* f = _fdopen(d, "wb");
    if (!f) _close(d);
    return f;
}

// The file a symbolic link leads to (a name reached through a link replaces the file, not the link).
// GetFinalPathNameByHandleA is looked up at run time: Windows before Vista has no links to follow.
static std::string KoniecOdkazov(const char* subor)
{
    const DWORD atributy = GetFileAttributesA(subor);
    if (atributy == INVALID_FILE_ATTRIBUTES || !(atributy & FILE_ATTRIBUTE_REPARSE_POINT)) return subor;
    typedef DWORD(WINAPI * Cesta)(HANDLE, LPSTR, DWORD, DWORD);
    const Cesta cesta = (Cesta)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleA");
    HANDLE h = CreateFileA(subor, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (!cesta || h == INVALID_HANDLE_VALUE) {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        return subor;
    }
    char koniec[MAX_PATH * 4];
    const DWORD n = cesta(h, koniec, sizeof koniec, 0);  // FILE_NAME_NORMALIZED | VOLUME_NAME_DOS
    CloseHandle(h);
    return n > 0 && n < sizeof koniec ? std::string(koniec, n) : std::string(subor);
}

int OtvorCiel(const char* subor, CielovySubor* c)
{
    *c = CielovySubor();
    if (!subor || !*subor) return 0;
    // A device (NUL, CON, a serial port) or a pipe is written as it is; an existing file is only asked.
    HANDLE h = CreateFileA(subor, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        if (GetFileType(h) != FILE_TYPE_DISK) {
            c->f = Prud(h);
            return c->f != nullptr;
        }
        CloseHandle(h);
    }

    c->ciel = KoniecOdkazov(subor);
    // A name taken by anything (a file, a folder) is passed over for the next one.
    const DWORD zaklad = GetCurrentProcessId() * 2654435761u ^ GetTickCount();
    for (DWORD pokus = 0; pokus < 100; pokus++) {
        char pripona[16];
        snprintf(pripona, sizeof pripona, ".%08lx", (unsigned long)(zaklad + pokus * 2654435761u));
        const std::string meno = c->ciel + pripona;
        h = CreateFileA(meno.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            c->f = Prud(h);
            if (!c->f) {
                DeleteFileA(meno.c_str());
                return 0;
            }
            c->docasny = meno;
            return 1;
        }
        const DWORD chyba = GetLastError();
        if (chyba != ERROR_FILE_EXISTS && chyba != ERROR_ALREADY_EXISTS &&
            !(chyba == ERROR_ACCESS_DENIED && GetFileAttributesA(meno.c_str()) != INVALID_FILE_ATTRIBUTES))
            return 0;
    }
    return 0;
}
