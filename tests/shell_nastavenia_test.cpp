// Loading and saving the settings and the window placement through the in-memory store.
#include "shell/nastavenia.h"
#include "stubs/registry_kv_mem.h"
#include "shell_pomoc.h"
#include <gtest/gtest.h>

static const char* const K = "Software\\Zentrivo";
static const RECT DESKTOP = {0, 0, 1920, 1080};
static const char* const MENA[] = {"WindowPos", "WindowSize", "WindowShow", "StupneSedi",
                                   "VelkostObjektu", "percento_vyplne", "Volba", "InfoKurzor"};

static void Cisto()
{
    NastavPociatocnyStav();
    kvmem_Vymaz();
}

static void PolozDWORD(const char* meno, DWORD h)
{
    BYTE d[4] = {(BYTE)h, (BYTE)(h >> 8), (BYTE)(h >> 16), (BYTE)(h >> 24)};
    ASSERT_EQ(kvmem_Poloz(K, meno, REG_DWORD, d, 4), 1);
}

// A saved value as a number (little-endian), or -1 when missing.
static long long Ulozene(const char* meno)
{
    BYTE d[KVMEM_MAX_DAT] = {};
    int n = kvmem_Vezmi(K, meno, nullptr, d, KVMEM_MAX_DAT);
    if (n < 0) return -1;
    long long v = 0;
    for (int i = n - 1; i >= 0; i--) v = (v << 8) | d[i];
    return v;
}

static DWORD Pol(int x, int y)
{
    return ((DWORD)x & 0xFFFF) | (((DWORD)y & 0xFFFF) << 16);
}

// The eight stored values as the globals hold them, in the order of MENA.
static std::vector<DWORD> Nastavenia()
{
    return {g_dwWindowPos, g_dwWindowSize, g_dwWindowShow, stupne_sedi,
            VelkostObjektu, percento_vyplne, volba, sledovanie_kurzora};
}

// The five settings (not the placement) at their start values.
static void OcakavajPociatocneNastavenia()
{
    const std::vector<DWORD> n = Nastavenia();
    EXPECT_EQ(std::vector<DWORD>(n.begin() + 3, n.end()), (std::vector<DWORD>{0, 20, 70, 1, 0}));
}

TEST(ReadFirstRun, CentresTheWindowAndCreatesAnEmptyKey)
{
    struct { LONG w, h; int x, y; } riadky[] = {{1920, 1080, 848, 411}, {1366, 768, 571, 255}, {200, 100, -12, -79}};
    for (auto r : riadky) {
        SCOPED_TRACE(testing::Message() << r.w << "x" << r.h);
        Cisto();
        EXPECT_EQ(ReadRegistryPre(RECT{0, 0, r.w, r.h}), 1);
        EXPECT_EQ(g_dwWindowPos, Pol(r.x, r.y));
        EXPECT_EQ(g_dwWindowSize, Pol(224, 259));
        EXPECT_EQ(g_dwWindowShow, 1u);
        OcakavajPociatocneNastavenia();
        EXPECT_TRUE(kvmem_KlucExistuje(K));
        EXPECT_EQ(kvmem_PocetHodnot(K), 0);
        EXPECT_EQ(kvmem_OtvoreneKluce(), 0);
    }
}

TEST(RoundTrip, WriteFromOneStateReadIntoAFreshOne)
{
    Cisto();
    StavPoHladani(3, 2, 4, 0);
    stupne_sedi = 5;
    VelkostObjektu = 1300;
    percento_vyplne = 98;
    sledovanie_kurzora = 0x101;  // only the low byte is kept
    EXPECT_EQ(WriteRegistryPre(DESKTOP, RECT{300, 200, 524, 459}, 1), 1);
    EXPECT_EQ(kvmem_OtvoreneKluce(), 0);
    for (const char* m : MENA) {
        SCOPED_TRACE(m);
        DWORD typ = 0;
        int dlzka = kvmem_Vezmi(K, m, &typ, nullptr, 0);
        bool bajt = std::string(m) == "InfoKurzor";
        EXPECT_EQ(dlzka, bajt ? 1 : 4);
        EXPECT_EQ(typ, bajt ? (DWORD)REG_BINARY : (DWORD)REG_DWORD);
    }
    EXPECT_EQ(kvmem_PocetHodnot(K), 8);

    NastavPociatocnyStav();  // a fresh run over the stored key
    EXPECT_EQ(ReadRegistryPre(DESKTOP), 1);
    EXPECT_EQ(kvmem_OtvoreneKluce(), 0);
    EXPECT_EQ(Nastavenia(), (std::vector<DWORD>{Pol(300, 200), Pol(224, 259), 1, 5, 1300, 98, 4, 1}));
    // what is not stored keeps its start value
    EXPECT_EQ(PocetObjektov, 0);
    EXPECT_EQ(cislo_objektu, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(vypinac_TAB, 1);
}

TEST(Write, RectangleMovedIntoTheDesktopKeepingItsSize)
{
    struct { RECT okno; int x, y; } riadky[] = {
        {{-50, 100, 174, 359}, 0, 100},    {{300, 900, 524, 1159}, 300, 821},
        {{300, -20, 524, 239}, 300, 0},    {{1800, 100, 2024, 359}, 1696, 100},
        {{-50, -30, 174, 229}, 0, 0},      {{1800, 1000, 2024, 1259}, 1696, 821},
        {{0, 0, 224, 259}, 0, 0},          {{1696, 821, 1920, 1080}, 1696, 821}};
    for (auto r : riadky) {
        SCOPED_TRACE(testing::Message() << r.okno.left << "," << r.okno.top);
        Cisto();
        EXPECT_EQ(WriteRegistryPre(DESKTOP, r.okno, 1), 1);
        EXPECT_EQ(Ulozene("WindowPos"), Pol(r.x, r.y));
        EXPECT_EQ(Ulozene("WindowSize"), Pol(224, 259));
        EXPECT_EQ(g_dwWindowPos, Pol(r.x, r.y));
    }
}

TEST(Write, OtherShowStatesKeepPositionAndSize)
{
    for (UINT show : {2u, 3u, 0u}) {
        SCOPED_TRACE(show);
        Cisto();
        g_dwWindowPos = Pol(848, 411);
        g_dwWindowSize = Pol(224, 242);
        EXPECT_EQ(WriteRegistryPre(DESKTOP, RECT{-32000, -32000, -31840, -31973}, show), 1);
        EXPECT_EQ(Ulozene("WindowShow"), show);
        EXPECT_EQ(Ulozene("WindowPos"), Pol(848, 411));
        EXPECT_EQ(Ulozene("WindowSize"), Pol(224, 242));
        EXPECT_EQ(g_dwWindowShow, show);
    }
}

TEST(Read, TrackingByte)
{
    struct { DWORD typ; std::vector<BYTE> data; DWORD sledovanie; } riadky[] = {
        {REG_BINARY, {1}, 1}, {REG_BINARY, {2}, 2}, {REG_BINARY, {0xFF}, 0xFF},
        {REG_DWORD, {1, 1, 0, 0}, 0x101}};
    for (auto& r : riadky) {
        SCOPED_TRACE(testing::Message() << (int)r.data[0] << " length " << r.data.size());
        Cisto();
        kvmem_Poloz(K, "InfoKurzor", r.typ, r.data.data(), (int)r.data.size());
        ReadRegistryPre(DESKTOP);
        EXPECT_EQ(sledovanie_kurzora, r.sledovanie);
    }
}

TEST(Read, PartialValuesLoadWhatIsThereAndReturn0)
{
    Cisto();
    PolozDWORD("StupneSedi", 3);
    PolozDWORD("Volba", 2);
    BYTE dlha[5] = {1, 0, 0, 0, 0};
    kvmem_Poloz(K, "VelkostObjektu", REG_BINARY, dlha, 5);  // longer than 4 bytes: not loaded
    EXPECT_EQ(ReadRegistryPre(DESKTOP), 0);
    EXPECT_EQ(stupne_sedi, 3u);
    EXPECT_EQ(volba, 2u);
    EXPECT_EQ(VelkostObjektu, 20u);
    EXPECT_EQ(percento_vyplne, 70u);
    EXPECT_EQ(g_dwWindowPos, 0u);  // the window opens at (0, 0)
    EXPECT_EQ(sledovanie_kurzora, 0u);
    EXPECT_EQ(kvmem_OtvoreneKluce(), 0);
}

TEST(Read, OutOfRangeValuesLoadUnchanged)
{
    Cisto();
    const std::vector<DWORD> ulozene = {Pol(40000, 65535), 0, 7, 9, 0, 98, 5, 1};
    for (int i = 0; i < 7; i++) PolozDWORD(MENA[i], ulozene[i]);
    BYTE b = 1;
    kvmem_Poloz(K, "InfoKurzor", REG_BINARY, &b, 1);
    EXPECT_EQ(ReadRegistryPre(DESKTOP), 1);
    EXPECT_EQ(Nastavenia(), ulozene);
}

TEST(KeyCannotBeOpened, NothingChangedNothingWritten)
{
    Cisto();
    kvmem_zlyha_otvorenie = 1;
    EXPECT_EQ(ReadRegistryPre(DESKTOP), 0);
    EXPECT_EQ(g_dwWindowPos, 0u);
    EXPECT_EQ(g_dwWindowSize, 0u);
    EXPECT_EQ(g_dwWindowShow, 0u);
    OcakavajPociatocneNastavenia();
    stupne_sedi = 6;
    EXPECT_EQ(WriteRegistryPre(DESKTOP, RECT{10, 10, 234, 269}, 1), 0);
    EXPECT_FALSE(kvmem_KlucExistuje(K));
}

TEST(Failures, OneFailedWriteOrCloseGivesZeroAndTheRestGoesOn)
{
    for (const char* m : MENA) {
        SCOPED_TRACE(m);
        Cisto();
        kvmem_zlyha_zapis = m;
        EXPECT_EQ(WriteRegistryPre(DESKTOP, RECT{10, 10, 234, 269}, 1), 0);
        EXPECT_EQ(kvmem_PocetHodnot(K), 7);
        EXPECT_EQ(Ulozene(m), -1);
        EXPECT_EQ(kvmem_OtvoreneKluce(), 0);
    }
    Cisto();
    kvmem_zlyha_zatvorenie = 1;
    EXPECT_EQ(WriteRegistryPre(DESKTOP, RECT{10, 10, 234, 269}, 1), 0);
    EXPECT_EQ(kvmem_PocetHodnot(K), 8);
    NastavPociatocnyStav();
    EXPECT_EQ(ReadRegistryPre(DESKTOP), 0);
    EXPECT_EQ(g_dwWindowPos, Pol(10, 10));
    EXPECT_EQ(VelkostObjektu, 20u);
}

// A position saved on a bigger screen, or a wrapped one, is moved onto this desktop by the rule of
// saving, in the height of the mode the window opens in; one that fits is kept.
TEST(PlaceAtStart, StoredPositionMovedOntoTheDesktop)
{
    const RECT plocha = {0, 0, 1280, 1024};
    struct { DWORD pozicia, sledovanie, po; int presunute; } riadky[] = {
        {Pol(3248, 1918), 0, Pol(1056, 782), 1}, {Pol(3248, 1918), 1, Pol(1056, 765), 1},
        {0xFFFF7000u, 0, Pol(1056, 782), 1},     {Pol(65535, 10), 0, Pol(1056, 10), 1},
        {Pol(100, 2000), 0, Pol(100, 782), 1},   {Pol(1056, 782), 1, Pol(1056, 765), 1},
        {Pol(1056, 782), 0, Pol(1056, 782), 0},  {Pol(0, 0), 1, Pol(0, 0), 0},
        {Pol(300, 200), 0, Pol(300, 200), 0}};
    for (auto r : riadky) {
        SCOPED_TRACE(testing::Message() << std::hex << r.pozicia << " tracking " << r.sledovanie);
        Cisto();
        g_dwWindowPos = r.pozicia;
        g_dwWindowSize = Pol(224, 242);
        g_dwWindowShow = 2;
        stupne_sedi = 3;
        sledovanie_kurzora = r.sledovanie;
        EXPECT_EQ(OknoNaPlochuPre(plocha), r.presunute);
        EXPECT_EQ(g_dwWindowPos, r.po);
        EXPECT_EQ(g_dwWindowSize, Pol(224, 242));
        EXPECT_EQ(g_dwWindowShow, 2u);
        EXPECT_EQ(stupne_sedi, 3u);
        EXPECT_EQ(sledovanie_kurzora, r.sledovanie);
    }
}

// On a desktop smaller than the window (Wine once reported 0 x 0) the window's top-left corner stays
// on it: the right and bottom edges are fitted first, the left and top last.
TEST(PlaceAtStart, TopLeftOnADesktopSmallerThanTheWindow)
{
    struct { LONG w, h; DWORD pozicia, po; } riadky[] = {
        {0, 0, Pol(848, 411), Pol(0, 0)}, {0, 0, Pol(65535, 65535), Pol(0, 0)}, {100, 100, Pol(50, 50), Pol(0, 0)},
        {100, 100, Pol(3248, 1918), Pol(0, 0)}, {300, 100, Pol(50, 50), Pol(50, 0)}, {300, 100, Pol(200, 80), Pol(76, 0)}};
    for (auto r : riadky) {
        SCOPED_TRACE(testing::Message() << r.w << "x" << r.h << " " << std::hex << r.pozicia);
        Cisto();
        g_dwWindowPos = r.pozicia;
        OknoNaPlochuPre(RECT{0, 0, r.w, r.h});
        EXPECT_EQ(g_dwWindowPos, r.po);
    }
}
