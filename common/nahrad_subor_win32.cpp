// Replacing a file on Windows: MoveFileExA over the old file, written through before it returns.
#include <windows.h>

#include "common/nahrad_subor.h"

int NahradSubor(const char* docasny, const char* subor)
{
    // A reader that holds the old file open without delete sharing blocks the move for as long as
    // it reads; a few short waits let a script that polls the file finish its read.
    const int kPokusov = 10;
    for (int pokus = 1;; pokus++) {
        if (MoveFileExA(docasny, subor, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 1;
        const DWORD chyba = GetLastError();
        const DWORD atributy = GetFileAttributesA(subor);
        const bool priecinok = atributy != INVALID_FILE_ATTRIBUTES && (atributy & FILE_ATTRIBUTE_DIRECTORY);
        if (pokus == kPokusov || priecinok || (chyba != ERROR_SHARING_VIOLATION && chyba != ERROR_ACCESS_DENIED))
            return 0;
        Sleep(10);
    }
}
