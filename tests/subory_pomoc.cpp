// Files in the tests: fresh directories in the build tree, read and written byte for byte, listed.
#include "tests/subory_pomoc.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <set>

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

std::string StavAdresara(const std::string& adresar)
{
    std::set<std::string> mena;
    DIR* d = opendir(adresar.c_str());
    while (const dirent* e = d ? readdir(d) : nullptr)
        if (e->d_name[0] != '.' || (e->d_name[1] && strcmp(e->d_name, ".."))) mena.insert(e->d_name);
    if (d) closedir(d);
    std::string stav;
    for (const std::string& m : mena) {
        const std::string cesta = adresar + "/" + m;
        struct stat s = {};
        char odkaz[4096] = {};
        lstat(cesta.c_str(), &s);
        stav += m + (S_ISREG(s.st_mode)   ? "=" + Obsah(cesta)
                     : S_ISLNK(s.st_mode) ? "->" + std::string(odkaz, std::max<ssize_t>(0, readlink(cesta.c_str(), odkaz, 4095)))
                     : S_ISDIR(s.st_mode) ? "/" : S_ISFIFO(s.st_mode) ? "|" : S_ISCHR(s.st_mode) ? "%" : "?") + "\n";
    }
    return stav;
}
