// In-memory key-value store with the registry behaviour the settings rely on, for the native build.
#include "shell/registry_kv.h"
#include "stubs/registry_kv_mem.h"
#include <cstring>

#define MAX_KLUCOV 4
#define MAX_HODNOT 16
#define MAX_MENA 64

struct MemHodnota {
    char meno[MAX_MENA];
    DWORD typ;
    int dlzka;
    BYTE data[KVMEM_MAX_DAT];
};

struct MemKluc {
    int existuje;
    int otvoreny;  // open handles
    char cesta[MAX_MENA];
    int pocet;
    MemHodnota hodnoty[MAX_HODNOT];
};

static MemKluc kluce[MAX_KLUCOV];

int kvmem_zlyha_otvorenie = 0;
const char* kvmem_zlyha_zapis = nullptr;
int kvmem_zlyha_zatvorenie = 0;

// Registry names compare without regard to ASCII case.
static int RovnakeMena(const char* a, const char* b)
{
    for (;; a++, b++) {
        char x = (*a >= 'A' && *a <= 'Z') ? (char)(*a + 32) : *a;
        char y = (*b >= 'A' && *b <= 'Z') ? (char)(*b + 32) : *b;
        if (x != y) return 0;
        if (x == 0) return 1;
    }
}

static MemKluc* NajdiKluc(const char* cesta)
{
    for (MemKluc& k : kluce)
        if (k.existuje && RovnakeMena(k.cesta, cesta)) return &k;
    return nullptr;
}

static MemKluc* VytvorKluc(const char* cesta)
{
    if (strlen(cesta) >= MAX_MENA) return nullptr;
    for (MemKluc& k : kluce)
        if (!k.existuje) {
            k = MemKluc{};
            k.existuje = 1;
            strcpy(k.cesta, cesta);
            return &k;
        }
    return nullptr;
}

// A handle is the key's slot; only an open one is accepted.
static MemKluc* ZKluca(HKEY kluc)
{
    for (MemKluc& k : kluce)
        if (reinterpret_cast<HKEY>(&k) == kluc && k.existuje && k.otvoreny > 0) return &k;
    return nullptr;
}

static MemHodnota* NajdiHodnotu(MemKluc* k, const char* meno)
{
    for (int i = 0; i < k->pocet; i++)
        if (RovnakeMena(k->hodnoty[i].meno, meno)) return &k->hodnoty[i];
    return nullptr;
}

static int Nastav(MemKluc* k, const char* meno, DWORD typ, const BYTE* data, int dlzka)
{
    if (dlzka < 0 || dlzka > KVMEM_MAX_DAT || strlen(meno) >= MAX_MENA) return 0;
    MemHodnota* h = NajdiHodnotu(k, meno);
    if (!h) {
        if (k->pocet == MAX_HODNOT) return 0;
        h = &k->hodnoty[k->pocet++];
        strcpy(h->meno, meno);
    }
    h->typ = typ;
    h->dlzka = dlzka;
    if (dlzka > 0) memcpy(h->data, data, (size_t)dlzka);
    return 1;
}

static int ZapisMozny(const char* meno)
{
    return !(kvmem_zlyha_zapis && RovnakeMena(kvmem_zlyha_zapis, meno));
}

HKEY kv_Otvor(const char* cesta, int* vytvoreny)
{
    if (kvmem_zlyha_otvorenie) return nullptr;
    MemKluc* k = NajdiKluc(cesta);
    int novy = 0;
    if (!k) {
        k = VytvorKluc(cesta);
        if (!k) return nullptr;
        novy = 1;
    }
    k->otvoreny++;
    if (vytvoreny) *vytvoreny = novy;
    return reinterpret_cast<HKEY>(k);
}

int kv_ZapisDWORD(HKEY kluc, const char* meno, DWORD hodnota)
{
    MemKluc* k = ZKluca(kluc);
    if (!k || !ZapisMozny(meno)) return 0;
    BYTE data[4] = {(BYTE)hodnota, (BYTE)(hodnota >> 8), (BYTE)(hodnota >> 16), (BYTE)(hodnota >> 24)};
    return Nastav(k, meno, REG_DWORD, data, 4);
}

int kv_ZapisBYTE(HKEY kluc, const char* meno, BYTE hodnota)
{
    MemKluc* k = ZKluca(kluc);
    if (!k || !ZapisMozny(meno)) return 0;
    return Nastav(k, meno, REG_BINARY, &hodnota, 1);
}

int kv_Citaj4(HKEY kluc, const char* meno, BYTE buf[4])
{
    MemKluc* k = ZKluca(kluc);
    if (!k) return 0;
    MemHodnota* h = NajdiHodnotu(k, meno);
    // A value longer than the buffer fails and leaves it as it was.
    if (!h || h->dlzka > 4) return 0;
    if (h->dlzka > 0) memcpy(buf, h->data, (size_t)h->dlzka);
    return 1;
}

int kv_Zatvor(HKEY kluc)
{
    MemKluc* k = ZKluca(kluc);
    if (!k) return 0;
    // A failing close still releases the handle, so tests see no key left open.
    k->otvoreny--;
    return kvmem_zlyha_zatvorenie ? 0 : 1;
}

void kvmem_Vymaz()
{
    for (MemKluc& k : kluce) k = MemKluc{};
    kvmem_zlyha_otvorenie = 0;
    kvmem_zlyha_zapis = nullptr;
    kvmem_zlyha_zatvorenie = 0;
}

int kvmem_Poloz(const char* cesta, const char* meno, DWORD typ, const BYTE* data, int dlzka)
{
    MemKluc* k = NajdiKluc(cesta);
    if (!k) k = VytvorKluc(cesta);
    if (!k) return 0;
    return Nastav(k, meno, typ, data, dlzka);
}

int kvmem_Vezmi(const char* cesta, const char* meno, DWORD* typ, BYTE* data, int kapacita)
{
    MemKluc* k = NajdiKluc(cesta);
    MemHodnota* h = k ? NajdiHodnotu(k, meno) : nullptr;
    if (!h) return -1;
    if (typ) *typ = h->typ;
    if (data && kapacita > 0) memcpy(data, h->data, (size_t)(h->dlzka < kapacita ? h->dlzka : kapacita));
    return h->dlzka;
}

int kvmem_KlucExistuje(const char* cesta)
{
    return NajdiKluc(cesta) != nullptr;
}

int kvmem_PocetHodnot(const char* cesta)
{
    MemKluc* k = NajdiKluc(cesta);
    return k ? k->pocet : -1;
}

int kvmem_OtvoreneKluce()
{
    int n = 0;
    for (const MemKluc& k : kluce) n += k.otvoreny;
    return n;
}
