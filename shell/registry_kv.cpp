// The part of the key-value store that is the same in every build: a short value read as a number.
#include "shell/registry_kv.h"

int kv_CitajDWORD(HKEY kluc, const char* meno, DWORD* hodnota)
{
    // Zeroed first, so a shorter value arrives zero-extended.
    BYTE buf[4] = {0, 0, 0, 0};
    if (!kv_Citaj4(kluc, meno, buf))
        return 0;
    *hodnota = (DWORD)buf[0] | ((DWORD)buf[1] << 8) | ((DWORD)buf[2] << 16) | ((DWORD)buf[3] << 24);
    return 1;
}
