// Running zentrivo-scan from the tests (compiled into each scan test program, with its paths).
#include "tests/scan_pomoc.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include <stb/stb_image_write.h>

std::string Adresar()
{
    return AdresarTestu(std::string(SCAN_TMP) + "/");
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
