// zentrivo-scan --time: one timing line on standard error, and nothing else changes.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/scan_pomoc.h"

namespace {

TEST(ScanTime, OneLineOnStandardErrorAndTheSameOutput)
{
    const std::string volby = "--band 4 --min 5 --fill 30 --rects '" SAMPLE_DESKTOP "'";
    const std::string a = Adresar();
    const Beh bez = Spusti(a, volby);
    ASSERT_EQ(bez.kod, 0);
    ASSERT_NE(bez.out, "");
    EXPECT_EQ(bez.err, "");
    for (const std::string& s_casom : {"--time " + volby, volby + " --time"}) {
        SCOPED_TRACE(s_casom);
        const Beh b = Spusti(a, s_casom);
        EXPECT_EQ(b.kod, 0);
        EXPECT_EQ(b.out, bez.out);
        EXPECT_TRUE(std::regex_match(b.err, std::regex("search: [0-9]+\\.[0-9]{3} ms\n"))) << b.err;
    }
}

TEST(ScanTime, BadInputStillGivesItsOneLine)
{
    const Beh b = Spusti(Adresar(), "--time --band 9 '" SAMPLE_DESKTOP "'");
    EXPECT_EQ(b.kod, 2);
    EXPECT_TRUE(std::regex_match(b.err, std::regex("zentrivo-scan: [^\n]*--band[^\n]*\n"))) << b.err;
    EXPECT_EQ(b.out, "");
}

}  // namespace
