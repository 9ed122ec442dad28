// Running zentrivo-scan from the tests (compiled into each scan test program, with its paths).
#include "tests/scan_pomoc.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <stb/stb_image_write.h>

std::string Adresar()
{
    std::string a = std::string(SCAN_TMP) + "/" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
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

Beh Spusti(const std::string& a, const std::string& argumenty, const std::string& presmerovanie,
           const std::string& prostredie)
{
    std::string prikaz = "cd '" + a + "' && " + prostredie + " '" ZENTRIVO_SCAN "' " + argumenty + " 2>'" + a + "/err'" +
                         (presmerovanie.empty() ? " >'" + a + "/out'" : " " + presmerovanie);
    int stav = std::system(prikaz.c_str());
    Beh b;
    b.kod = WIFEXITED(stav) ? WEXITSTATUS(stav) : -1;
    b.out = Obsah(a + "/out");
    b.err = Obsah(a + "/err");
    return b;
}

std::vector<unsigned char> Rgb(const Scena& s)
{
    std::vector<unsigned char> rgb;
    for (COLORREF c : s.farby) {
        rgb.push_back(GetRValue(c));
        rgb.push_back(GetGValue(c));
        rgb.push_back(GetBValue(c));
    }
    return rgb;
}

void UlozPng(const Scena& s, const std::string& subor)
{
    ASSERT_NE(stbi_write_png(subor.c_str(), s.w, s.h, 3, Rgb(s).data(), 3 * s.w), 0);
}

Scena Stvorec()
{
    Scena s = NovaScena(100, 100);
    Obdlznik(&s, 10, 10, 39, 39, kSeda);
    return s;
}
