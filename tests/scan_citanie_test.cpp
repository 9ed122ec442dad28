// zentrivo-scan reads no further than an image's header allows: endless files, pipes and devices,
// and images followed by more data than they can hold, refused at once in a small address space.
#include <gtest/gtest.h>

#include <string>

#include "tests/scan_pomoc.h"

namespace {

// The command's address space in KB (RLIMIT_AS): its libraries and the heap's reserve of 256 MB
// (scan_proces_linux.cpp) fit, a reading to the end of the streams below does not. The address
// sanitizer reserves terabytes of shadow at start: there the messages alone tell.
#if defined(__SANITIZE_ADDRESS__)
const char* const kMalo = "";
#else
const char* const kMalo = "ulimit -v 300000 &&";
#endif

TEST(ScanReading, EndlessAndOverlongDataAreRefusedAtOnce)
{
    const std::string a = Adresar();
    UlozPng(Stvorec(), a + "/s.png");  // 100 x 100
    ASSERT_EQ(std::system(("cd '" + a + "' && cat s.png >dlhy.png && head -c 100000000 /dev/zero >>dlhy.png && "
                           "mkfifo rura").c_str()), 0);
    struct Pripad {
        const char* nazov;
        std::string pred, argumenty;  // pred: the shell's words before the command
        std::string sprava;           // the one line on standard error, after "zentrivo-scan: "
    };
    const Pripad pripady[] = {
        {"/dev/zero as a file", "", "/dev/zero", "/dev/zero: not a PNG, BMP, PPM/PGM, TGA or JPEG image"},
        {"a PNG and 100 MB of zeros in one file", "", "dlhy.png", "dlhy.png: the data goes on past what a 100 \xC3\x97 100"},
        {"an endless FIFO", "{ timeout 60 cat s.png /dev/zero >rura & } &&", "rura",
         "rura: the data goes on past what a 100 \xC3\x97 100 image can hold"},
        {"an endless standard input", "timeout 60 cat s.png /dev/urandom |", "-",
         "standard input: the data goes on past what a 100 \xC3\x97 100 image can hold"},
        {"a JPEG header of endless fill bytes", "{ printf '\\377\\330'; timeout 60 tr '\\0' '\\377' </dev/zero; } |", "-",
         "standard input: the JPEG header goes on past 4194304 bytes"},
        {"--max-bytes under the file's size", "", "--max-bytes 100 s.png",
         "s.png: the data goes on past the 100 bytes --max-bytes allows"},
        {"--max-bytes on standard input", "", "--max-bytes 100 - <s.png",
         "standard input: the data goes on past the 100 bytes --max-bytes allows"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        const Beh b = Spusti(a, p.argumenty, "", std::string(kMalo) + " " + p.pred);
        EXPECT_EQ(b.kod, 2);
        EXPECT_EQ(b.out, "");
        EXPECT_EQ(b.err.rfind("zentrivo-scan: " + p.sprava, 0), 0u) << b.err;
        EXPECT_EQ(b.err.find('\n'), b.err.size() - 1) << b.err;
    }
}

// Within the bounds nothing changes: a file, the same bytes through a pipe, trailing bytes a writer
// may leave, and --max-bytes of the file's size exactly.
TEST(ScanReading, ImagesWithinTheBoundAreRead)
{
    const std::string a = Adresar();
    UlozPng(Stvorec(), a + "/s.png");
    const std::string png = Obsah(a + "/s.png");
    Zapis(a + "/chvost.png", png + std::string(1000, '\0'));
    const std::string kStvorec = "24,24,10,10,39,39\n";
    for (const std::string& argumenty :
         {std::string("s.png"), std::string("- <s.png"), std::string("chvost.png"),
          "--max-bytes " + std::to_string(png.size()) + " s.png", "--max-bytes " + std::to_string(png.size()) + " - <s.png"}) {
        SCOPED_TRACE(argumenty);
        const Beh b = Spusti(a, "--band 4 --min 5 --fill 5 --rects " + argumenty, "", kMalo);
        EXPECT_EQ(b.kod, 0) << b.err;
        EXPECT_EQ(b.out, kStvorec);
    }
    const Beh o_bajt_menej = Spusti(a, "--max-bytes " + std::to_string(png.size() - 1) + " - <s.png");
    EXPECT_EQ(o_bajt_menej.kod, 2);
    EXPECT_NE(o_bajt_menej.err.find("--max-bytes allows"), std::string::npos) << o_bajt_menej.err;
    for (const char* zle : {"--max-bytes 0 s.png", "--max-bytes -5 s.png", "--max-bytes 1k s.png"}) {
        SCOPED_TRACE(zle);
        const Beh b = Spusti(a, zle);
        EXPECT_EQ(b.kod, 2);
        EXPECT_EQ(b.err.rfind("zentrivo-scan: --max-bytes needs a whole number 1 or more", 0), 0u) << b.err;
    }
}

}  // namespace
