// Wine test of the settings store over the registry: the key-value operations and the settings
// logic above them, read back through the registry functions themselves.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "shell/nastavenia.h"
#include "shell/nastavenia_win32.h"
#include "shell/registry_kv.h"
#include "shell/stav.h"

static const char* const CESTA = "Software\\Zentrivo";

static void ZmazKluc() { RegDeleteKeyA(HKEY_CURRENT_USER, CESTA); }

// The key's number of values, or -1 without the key.
static int PocetHodnot()
{
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, CESTA, 0, KEY_READ, &k) != ERROR_SUCCESS) return -1;
    DWORD pocet = 0;
    RegQueryInfoKeyA(k, NULL, NULL, NULL, NULL, NULL, NULL, &pocet, NULL, NULL, NULL, NULL);
    RegCloseKey(k);
    return (int)pocet;
}

static bool Surova(const char* meno, DWORD* typ, std::vector<BYTE>* data)
{
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, CESTA, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    BYTE buf[64];
    DWORD dlzka = sizeof buf;
    LONG r = RegQueryValueExA(k, meno, NULL, typ, buf, &dlzka);
    RegCloseKey(k);
    if (r != ERROR_SUCCESS) return false;
    data->assign(buf, buf + dlzka);
    return true;
}

static void PolozSurovu(const char* meno, DWORD typ, const void* data, DWORD dlzka)
{
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, CESTA, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &k, NULL), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(k, meno, 0, typ, (const BYTE*)data, dlzka), ERROR_SUCCESS);
    RegCloseKey(k);
}

static const RECT PLOCHA = {0, 0, 1280, 1024};

static void NastavGlobaly(DWORD zaklad)
{
    g_dwWindowPos = zaklad + 1;
    g_dwWindowSize = zaklad + 2;
    g_dwWindowShow = zaklad + 3;
    stupne_sedi = zaklad + 4;
    VelkostObjektu = zaklad + 5;
    percento_vyplne = zaklad + 6;
    volba = zaklad + 7;
    sledovanie_kurzora = zaklad + 8;
}

TEST(Register, ChybajuciKlucSaVytvoriPriPrvomCitani)
{
    ZmazKluc();
    ASSERT_EQ(PocetHodnot(), -1);
    int novy = -1;
    HKEY k = kv_Otvor(CESTA, &novy);
    ASSERT_TRUE(k != NULL);
    EXPECT_EQ(novy, 1);
    EXPECT_EQ(kv_Zatvor(k), 1);
    EXPECT_EQ(PocetHodnot(), 0);
    novy = -1;
    k = kv_Otvor(CESTA, &novy);
    ASSERT_TRUE(k != NULL);
    EXPECT_EQ(novy, 0);
    EXPECT_EQ(kv_Zatvor(k), 1);
    k = kv_Otvor(CESTA, NULL);  // no place for the flag
    ASSERT_TRUE(k != NULL);
    EXPECT_EQ(kv_Zatvor(k), 1);

    // The settings' first run: the key is made, empty, and the window is centred on the desktop.
    ZmazKluc();
    NastavGlobaly(100);
    EXPECT_EQ(ReadRegistryPre(RECT{0, 0, 1920, 1080}), 1);
    EXPECT_EQ(g_dwWindowPos, 848u | (411u << 16));
    EXPECT_EQ(g_dwWindowSize, 224u | (259u << 16));
    EXPECT_EQ(g_dwWindowShow, 1u);
    EXPECT_EQ(stupne_sedi, 104u);
    EXPECT_EQ(PocetHodnot(), 0);
}

TEST(Register, OsemHodnotTamASpat)
{
    ZmazKluc();
    NastavGlobaly(0);
    stupne_sedi = 5;
    VelkostObjektu = 33;
    percento_vyplne = 81;
    volba = 3;
    sledovanie_kurzora = 0x101;  // only the low byte is stored
    ASSERT_EQ(WriteRegistryPre(PLOCHA, RECT{100, 200, 324, 459}, 1), 1);

    struct { const char* meno; DWORD typ; std::vector<BYTE> data; } hodnoty[] = {
        {"WindowPos", REG_DWORD, {100, 0, 200, 0}},
        {"WindowSize", REG_DWORD, {224, 0, 3, 1}},
        {"WindowShow", REG_DWORD, {1, 0, 0, 0}},
        {"StupneSedi", REG_DWORD, {5, 0, 0, 0}},
        {"VelkostObjektu", REG_DWORD, {33, 0, 0, 0}},
        {"percento_vyplne", REG_DWORD, {81, 0, 0, 0}},
        {"Volba", REG_DWORD, {3, 0, 0, 0}},
        {"InfoKurzor", REG_BINARY, {1}},
    };
    EXPECT_EQ(PocetHodnot(), 8);
    for (const auto& c : hodnoty) {
        SCOPED_TRACE(c.meno);
        DWORD typ = 0;
        std::vector<BYTE> data;
        ASSERT_TRUE(Surova(c.meno, &typ, &data));
        EXPECT_EQ(typ, c.typ);
        EXPECT_EQ(data, c.data);
    }

    NastavGlobaly(1000);
    EXPECT_EQ(ReadRegistryPre(PLOCHA), 1);
    EXPECT_EQ(g_dwWindowPos, 100u | (200u << 16));
    EXPECT_EQ(g_dwWindowSize, 224u | (259u << 16));
    EXPECT_EQ(g_dwWindowShow, 1u);
    EXPECT_EQ(stupne_sedi, 5u);
    EXPECT_EQ(VelkostObjektu, 33u);
    EXPECT_EQ(percento_vyplne, 81u);
    EXPECT_EQ(volba, 3u);
    EXPECT_EQ(sledovanie_kurzora, 1u);  // zero-extended

    // The Windows entry point reads the same values.
    NastavGlobaly(2000);
    EXPECT_EQ(ReadRegistry(), 1);
    EXPECT_EQ(VelkostObjektu, 33u);
    EXPECT_EQ(sledovanie_kurzora, 1u);
}

TEST(Register, OsembajtovaHodnotaSaNenacita)
{
    ZmazKluc();
    NastavGlobaly(0);
    VelkostObjektu = 44;
    ASSERT_EQ(WriteRegistryPre(PLOCHA, RECT{10, 20, 234, 279}, 1), 1);
    const BYTE osem[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    PolozSurovu("StupneSedi", REG_BINARY, osem, 8);

    HKEY k = kv_Otvor(CESTA, NULL);
    ASSERT_TRUE(k != NULL);
    BYTE buf[4] = {9, 9, 9, 9};
    EXPECT_EQ(kv_Citaj4(k, "StupneSedi", buf), 0);
    EXPECT_EQ(buf[0], 9);  // untouched
    EXPECT_EQ(buf[3], 9);
    DWORD miesto = 0xDEADBEEF;
    EXPECT_EQ(kv_CitajDWORD(k, "StupneSedi", &miesto), 0);
    EXPECT_EQ(miesto, 0xDEADBEEFu);
    EXPECT_EQ(kv_Zatvor(k), 1);

    NastavGlobaly(500);
    EXPECT_EQ(ReadRegistryPre(PLOCHA), 0);
    EXPECT_EQ(stupne_sedi, 504u);     // kept
    EXPECT_EQ(VelkostObjektu, 44u);   // the others still load
    EXPECT_EQ(g_dwWindowPos, 10u | (20u << 16));
}

// Values of at most 4 bytes load as little-endian numbers, zero-extended, whatever their type.
TEST(Register, KratkeHodnotyInychTypov)
{
    ZmazKluc();
    const BYTE tri[3] = {1, 2, 3};
    PolozSurovu("Tri", REG_BINARY, tri, 3);
    PolozSurovu("Text", REG_SZ, "ab", 3);
    const BYTE prazdna[1] = {0};
    PolozSurovu("Prazdna", REG_BINARY, prazdna, 0);
    struct { const char* meno; int ok; DWORD hodnota; } pripady[] = {
        {"Tri", 1, 0x030201}, {"Text", 1, 0x006261}, {"Prazdna", 1, 0}, {"Chyba", 0, 0xDEADBEEF},
    };
    HKEY k = kv_Otvor(CESTA, NULL);
    ASSERT_TRUE(k != NULL);
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.meno);
        DWORD miesto = 0xDEADBEEF;
        EXPECT_EQ(kv_CitajDWORD(k, c.meno, &miesto), c.ok);
        EXPECT_EQ(miesto, c.hodnota);
    }
    EXPECT_EQ(kv_Zatvor(k), 1);
    ZmazKluc();
}
