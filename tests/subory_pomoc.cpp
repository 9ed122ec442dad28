// Files in the tests: fresh directories in the build tree, read and written byte for byte, listed.
#include "tests/subory_pomoc.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
    if (DIR* d = opendir(adresar.c_str())) {
        while (const dirent* e = readdir(d))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") mena.insert(e->d_name);
        closedir(d);
    }
    std::string stav;
    for (const std::string& m : mena) {
        const std::string cesta = adresar + "/" + m;
        struct stat s;
        if (lstat(cesta.c_str(), &s) != 0) continue;
        std::string odkaz(4096, '\0');
        if (S_ISLNK(s.st_mode)) odkaz.resize((size_t)std::max<ssize_t>(0, readlink(cesta.c_str(), &odkaz[0], 4096)));
        stav += m + (S_ISREG(s.st_mode)    ? "=" + Obsah(cesta)
                     : S_ISDIR(s.st_mode)  ? std::string("/")
                     : S_ISLNK(s.st_mode)  ? "->" + odkaz
                     : S_ISFIFO(s.st_mode) ? std::string("|")
                     : S_ISCHR(s.st_mode)  ? std::string("%")
                                           : std::string("?")) + "\n";
    }
    return stav;
}
