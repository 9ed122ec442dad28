// Test controls of the in-memory key-value store that stands in for the registry in the native build.
#pragma once
#include "common/wintypes.h"

#define KVMEM_MAX_DAT 16  // longest raw value the store holds, bytes

// Failure switches: opening fails; writes of the value named so fail (null: none); closing fails.
extern int kvmem_zlyha_otvorenie;
extern const char* kvmem_zlyha_zapis;
extern int kvmem_zlyha_zatvorenie;

// Empties the store: no keys, no open handles, every switch off.
void kvmem_Vymaz();
// Puts a raw value of any type and up to KVMEM_MAX_DAT bytes, creating the key. 1 success, 0 no room.
int kvmem_Poloz(const char* cesta, const char* meno, DWORD typ, const BYTE* data, int dlzka);
// Reads a raw value back: its length (and type and up to `kapacita` bytes), or -1 when missing.
int kvmem_Vezmi(const char* cesta, const char* meno, DWORD* typ, BYTE* data, int kapacita);
// Whether the key exists, and how many values it holds (-1 without the key).
int kvmem_KlucExistuje(const char* cesta);
int kvmem_PocetHodnot(const char* cesta);
// Handles opened and not yet closed.
int kvmem_OtvoreneKluce();
