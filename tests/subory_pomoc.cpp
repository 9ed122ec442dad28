// Files in the tests: fresh directories in the build tree, read and written byte for byte.
#include "tests/subory_pomoc.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

std::string AdresarTestu(const std::string& predpona)
{
    std::string a = predpona + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::string prikaz = "rm -rf '" + a + "' && mkdir -p '" + a + "'";
    EXPECT_EQ(std::system(prikaz.c_str()), 0);
    return a;
}

std::string Obsah(const std::string& subor)
{
    std::ifstream f(subor, std::ios::binary);
    std::ostringstream os;
    os << f.rdbuf();
    return os.str();
}

void Zapis(const std::string& subor, const std::string& obsah)
{
    std::ofstream(subor, std::ios::binary) << obsah;
}
