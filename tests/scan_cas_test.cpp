// zentrivo-scan --time: one timing line on standard error, and nothing else changes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

struct Beh {
    int kod = -1;
    std::string out, err;
};

std::string Obsah(const std::string& subor)
{
    std::ifstream f(subor, std::ios::binary);
    std::ostringstream os;
    os << f.rdbuf();
    return os.str();
}

Beh Spusti(const std::string& argumenty)
{
    const std::string a = SCAN_CAS_TMP;
    std::string prikaz = "mkdir -p '" + a + "' && '" ZENTRIVO_SCAN "' " + argumenty + " >'" + a + "/out' 2>'" + a + "/err'";
    int stav = std::system(prikaz.c_str());
    Beh b;
    b.kod = WIFEXITED(stav) ? WEXITSTATUS(stav) : -1;
    b.out = Obsah(a + "/out");
    b.err = Obsah(a + "/err");
    return b;
}

TEST(ScanTime, OneLineOnStandardErrorAndTheSameOutput)
{
    const std::string volby = "--band 4 --min 5 --fill 30 --rects '" SAMPLE_DESKTOP "'";
    const Beh bez = Spusti(volby);
    ASSERT_EQ(bez.kod, 0);
    ASSERT_NE(bez.out, "");
    EXPECT_EQ(bez.err, "");
    for (const std::string& s_casom : {"--time " + volby, volby + " --time"}) {
        SCOPED_TRACE(s_casom);
        const Beh b = Spusti(s_casom);
        EXPECT_EQ(b.kod, 0);
        EXPECT_EQ(b.out, bez.out);
        EXPECT_TRUE(std::regex_match(b.err, std::regex("search: [0-9]+\\.[0-9]{3} ms\n"))) << b.err;
    }
}

TEST(ScanTime, BadInputStillGivesItsOneLine)
{
    const Beh b = Spusti("--time --band 9 '" SAMPLE_DESKTOP "'");
    EXPECT_EQ(b.kod, 2);
    EXPECT_TRUE(std::regex_match(b.err, std::regex("zentrivo-scan: [^\n]*--band[^\n]*\n"))) << b.err;
    EXPECT_EQ(b.out, "");
}

}  // namespace
