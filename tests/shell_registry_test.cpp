// The key-value store in memory, with the registry behaviour the settings rely on.
#include "shell/registry_kv.h"
#include "stubs/registry_kv_mem.h"
#include <gtest/gtest.h>

static const char* const K = "Software\\Test";

TEST(OpenKey, CreatedFlagOnTheFirstOpenOnly)
{
    kvmem_Vymaz();
    int vytvoreny = 7;
    HKEY k = kv_Otvor(K, &vytvoreny);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(vytvoreny, 1);
    EXPECT_EQ(kv_Zatvor(k), 1);
    k = kv_Otvor("software\\TEST", &vytvoreny);  // names ignore case, as in the registry
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(vytvoreny, 0);
    EXPECT_EQ(kv_Zatvor(k), 1);
    EXPECT_NE(kv_Otvor(K, nullptr), nullptr);
}

TEST(OpenKey, FailureReturnsNullAndLeavesTheFlag)
{
    kvmem_Vymaz();
    kvmem_zlyha_otvorenie = 1;
    int vytvoreny = 7;
    EXPECT_EQ(kv_Otvor(K, &vytvoreny), nullptr);
    EXPECT_EQ(vytvoreny, 7);
    EXPECT_FALSE(kvmem_KlucExistuje(K));
}

TEST(Write, DwordAndByteAsTheirTypes)
{
    kvmem_Vymaz();
    HKEY k = kv_Otvor(K, nullptr);
    EXPECT_EQ(kv_ZapisDWORD(k, "D", 0x11223344u), 1);
    EXPECT_EQ(kv_ZapisBYTE(k, "B", 0xAB), 1);
    EXPECT_EQ(kv_Zatvor(k), 1);
    DWORD typ = 0;
    BYTE data[8] = {};
    ASSERT_EQ(kvmem_Vezmi(K, "D", &typ, data, 8), 4);
    EXPECT_EQ(typ, (DWORD)REG_DWORD);
    EXPECT_EQ(data[0], 0x44);
    EXPECT_EQ(data[3], 0x11);
    ASSERT_EQ(kvmem_Vezmi(K, "B", &typ, data, 8), 1);
    EXPECT_EQ(typ, (DWORD)REG_BINARY);
    EXPECT_EQ(data[0], 0xAB);
}

TEST(Write, SwitchedFailuresOfOneWriteAndOfTheClose)
{
    kvmem_Vymaz();
    HKEY k = kv_Otvor(K, nullptr);
    kvmem_zlyha_zapis = "Zla";
    EXPECT_EQ(kv_ZapisDWORD(k, "Zla", 1), 0);
    EXPECT_EQ(kv_ZapisBYTE(k, "zla", 1), 0);
    EXPECT_EQ(kv_ZapisDWORD(k, "Dobra", 1), 1);
    EXPECT_EQ(kvmem_Vezmi(K, "Zla", nullptr, nullptr, 0), -1);
    kvmem_zlyha_zatvorenie = 1;
    EXPECT_EQ(kv_Zatvor(k), 0);
    EXPECT_EQ(kvmem_OtvoreneKluce(), 0);
    EXPECT_EQ(kv_ZapisDWORD(k, "Dobra", 2), 0);  // a closed handle takes nothing
}

TEST(Read, LittleEndianZeroExtendedUpToFourBytesOfAnyType)
{
    struct { DWORD typ; std::vector<BYTE> data; int ok; DWORD hodnota; } riadky[] = {
        {REG_DWORD, {0x44, 0x33, 0x22, 0x11}, 1, 0x11223344u},
        {REG_BINARY, {0x01}, 1, 0x01u},
        {REG_BINARY, {0xFF}, 1, 0xFFu},
        {REG_BINARY, {0x34, 0x12}, 1, 0x1234u},
        {REG_SZ, {'a', 'b', 0}, 1, 0x006261u},
        {REG_BINARY, {}, 1, 0u},
        {REG_BINARY, {1, 2, 3, 4, 5}, 0, 0xDEADBEEFu},
        {REG_SZ, std::vector<BYTE>(16, 'x'), 0, 0xDEADBEEFu}};
    for (auto& r : riadky) {
        SCOPED_TRACE(testing::Message() << "type " << r.typ << " length " << r.data.size());
        kvmem_Vymaz();
        ASSERT_EQ(kvmem_Poloz(K, "V", r.typ, r.data.data(), (int)r.data.size()), 1);
        HKEY k = kv_Otvor(K, nullptr);
        DWORD d = 0xDEADBEEFu;
        BYTE b[4] = {};
        EXPECT_EQ(kv_CitajDWORD(k, "V", &d), r.ok);
        EXPECT_EQ(kv_Citaj4(k, "V", b), r.ok);  // the raw bytes under the number
        EXPECT_EQ(d, r.hodnota);
        EXPECT_EQ((DWORD)b[0] | (DWORD)b[1] << 8 | (DWORD)b[2] << 16 | (DWORD)b[3] << 24, r.ok ? r.hodnota : 0u);
        kv_Zatvor(k);
    }
}

TEST(Read, MissingValueFailsAndLeavesThePlace)
{
    kvmem_Vymaz();
    HKEY k = kv_Otvor(K, nullptr);
    DWORD d = 77;
    BYTE b[4] = {7, 7, 7, 7};
    EXPECT_EQ(kv_CitajDWORD(k, "Nie", &d), 0);
    EXPECT_EQ(kv_Citaj4(k, "Nie", b), 0);
    EXPECT_EQ(b[0], 7);
    EXPECT_EQ(d, 77u);
    kv_Zatvor(k);
}
