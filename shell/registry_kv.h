// The key-value store behind the settings: the registry on Windows, an in-memory store in the native build.
#pragma once
#include "common/wintypes.h"

// Opens or creates `cesta` under the current user; *vytvoreny (when given) gets 1 if the key is new,
// 0 if it existed, and is not written on failure. Returns the key, or a null key on failure.
HKEY kv_Otvor(const char* cesta, int* vytvoreny);
// Sets a 4-byte REG_DWORD value. 1 on success, 0 on failure.
int kv_ZapisDWORD(HKEY kluc, const char* meno, DWORD hodnota);
// Sets a 1-byte REG_BINARY value. 1 on success, 0 on failure.
int kv_ZapisBYTE(HKEY kluc, const char* meno, BYTE hodnota);
// Queries a value of up to 4 bytes into `buf` (capacity 4), whatever its type. 1 on success;
// 0 when the value is missing or longer than 4 bytes.
int kv_Citaj4(HKEY kluc, const char* meno, BYTE buf[4]);
// A value of up to 4 bytes as a little-endian number, zero-extended (kv_Citaj4 and the bytes put
// together, in every build). 1 on success; 0 as kv_Citaj4, with *hodnota untouched.
int kv_CitajDWORD(HKEY kluc, const char* meno, DWORD* hodnota);
// Closes the key. 1 on success, 0 on failure.
int kv_Zatvor(HKEY kluc);
