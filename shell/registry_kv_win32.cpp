// The settings' key-value store over the current user's registry (advapi32).
#include <windows.h>

#include "shell/registry_kv.h"

HKEY kv_Otvor(const char* cesta, int* vytvoreny)
{
    HKEY kluc = NULL;
    DWORD dispozicia = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, cesta, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, NULL,
                        &kluc, &dispozicia) != ERROR_SUCCESS)
        return NULL;
    if (vytvoreny) *vytvoreny = dispozicia == REG_CREATED_NEW_KEY ? 1 : 0;
    return kluc;
}

int kv_ZapisDWORD(HKEY kluc, const char* meno, DWORD hodnota)
{
    return RegSetValueExA(kluc, meno, 0, REG_DWORD, (const BYTE*)&hodnota, 4) == ERROR_SUCCESS;
}

int kv_ZapisBYTE(HKEY kluc, const char* meno, BYTE hodnota)
{
    return RegSetValueExA(kluc, meno, 0, REG_BINARY, &hodnota, 1) == ERROR_SUCCESS;
}

int kv_Citaj4(HKEY kluc, const char* meno, BYTE buf[4])
{
    // The stored type is not asked for: any value of up to 4 bytes is taken as it is. The query goes
    // to a buffer of its own, because a too long value may leave partial data behind.
    BYTE data[4];
    DWORD dlzka = 4;
    if (RegQueryValueExA(kluc, meno, NULL, NULL, data, &dlzka) != ERROR_SUCCESS || dlzka > 4) return 0;
    for (DWORD i = 0; i < dlzka; i++) buf[i] = data[i];
    return 1;
}

int kv_Zatvor(HKEY kluc)
{
    return RegCloseKey(kluc) == ERROR_SUCCESS;
}
