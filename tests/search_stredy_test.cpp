// The centres file: its exact bytes, and what happens when it cannot be written.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string>

#include "search/stredy_subor.h"
#include "tests/subory_pomoc.h"

namespace {

std::string Adresar()  // a fresh directory in the build tree for this test
{
    return AdresarTestu(std::string(SEARCH_TMP) + "/stredy_");
}

TEST(CentresFile, ExactBytes)
{
    struct Pripad {
        const char* nazov;
        std::vector<POINT> body;
        std::string obsah;
    };
    const Pripad pripady[] = {
        {"two centres", {{24, 24}, {64, 24}}, "24,24\r\n64,24\r\n"},
        {"one centre at the origin", {{0, 0}}, "0,0\r\n"},
        {"negative and large values", {{-3, -70}, {2147483647, -2147483647 - 1}}, "-3,-70\r\n2147483647,-2147483648\r\n"},
    };
    std::string a = Adresar();
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        std::string subor = a + "/Stredy.txt";
        EXPECT_EQ(PointPoleDoTxt(subor.c_str(), p.body.data(), (int)p.body.size()), 0);
        EXPECT_EQ(Obsah(subor), p.obsah);
    }
    EXPECT_EQ(Obsah(a + "/Stredy.txt").size(), std::string("-3,-70\r\n2147483647,-2147483648\r\n").size());
}

TEST(CentresFile, CountZeroEmptiesTheFile)
{
    std::string subor = Adresar() + "/Stredy.txt";
    Zapis(subor, "1,2\r\n3,4\r\n");
    POINT bod = {5, 6};
    EXPECT_EQ(PointPoleDoTxt(subor.c_str(), &bod, 0), 0);
    struct stat info;
    ASSERT_EQ(stat(subor.c_str(), &info), 0);
    EXPECT_EQ(info.st_size, 0);
    EXPECT_EQ(PointPoleDoTxt(subor.c_str(), nullptr, 0), 0);
    EXPECT_EQ(PointPoleDoTxt(subor.c_str(), &bod, -4), 0);
    EXPECT_EQ(Obsah(subor), "");
}

TEST(CentresFile, OnlyTheFirstCountEntries)
{
    std::string subor = Adresar() + "/Stredy.txt";
    POINT body[] = {{1, 2}, {3, 4}, {5, 6}};
    EXPECT_EQ(PointPoleDoTxt(subor.c_str(), body, 2), 0);
    EXPECT_EQ(Obsah(subor), "1,2\r\n3,4\r\n");
}

// The tests run as root, so permissions would not stop the write; these paths fail for anyone.
TEST(CentresFile, UnwritableFileIsReportedAndTouchesNothing)
{
    std::string a = Adresar();
    Zapis(a + "/obycajny", "keep me");
    ASSERT_EQ(mkdir((a + "/adresar").c_str(), 0755), 0);
    Zapis(a + "/adresar/vnutri", "keep me too");
    POINT body[] = {{24, 24}, {64, 24}};
    struct Pripad {
        const char* nazov;
        std::string subor;
    };
    const Pripad pripady[] = {
        {"parent is a regular file", a + "/obycajny/Stredy.txt"},
        {"name is a directory", a + "/adresar"},
        {"parent does not exist", a + "/chyba/Stredy.txt"},
        {"empty name", ""},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        EXPECT_NE(PointPoleDoTxt(p.subor.c_str(), body, 2), 0);
    }
    EXPECT_NE(PointPoleDoTxt(nullptr, body, 2), 0);
    EXPECT_NE(PointPoleDoTxt((a + "/Stredy.txt").c_str(), nullptr, 2), 0);
    EXPECT_EQ(Obsah(a + "/obycajny"), "keep me");
    EXPECT_EQ(Obsah(a + "/adresar/vnutri"), "keep me too");
    EXPECT_NE(access((a + "/Stredy.txt").c_str(), F_OK), 0);  // the bad list made no file
    EXPECT_NE(access((a + "/adresar.tmp").c_str(), F_OK), 0);  // nor left a temporary one
}

// The file is replaced whole: when the new content cannot be written in full (a full disk, here a
// file size limit; the temporary name taken by a folder), the old file stays as it was and no
// temporary file is left; when it can, nothing but the new file is left.
TEST(CentresFile, ReplacedWholeOrNotAtAll)
{
    const std::string a = Adresar(), subor = a + "/Stredy.txt";
    const POINT body[] = {{24, 24}, {64, 24}};
    Zapis(subor, "1,2\r\n");

    struct rlimit povodny;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &povodny), 0);
    void (*signal_predtym)(int) = signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
    struct rlimit maly = povodny;
    maly.rlim_cur = 10;  // fewer bytes than the two lines
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &maly), 0);
    const int plny_disk = PointPoleDoTxt(subor.c_str(), body, 2);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &povodny), 0);
    signal(SIGXFSZ, signal_predtym);
    EXPECT_NE(plny_disk, 0);
    EXPECT_EQ(Obsah(subor), "1,2\r\n");
    EXPECT_NE(access((subor + ".tmp").c_str(), F_OK), 0);
    EXPECT_EQ(StavAdresara(a), "Stredy.txt=1,2\r\n\n");

    // The new file keeps the old one's permissions (the temporary file is made private).
    ASSERT_EQ(chmod(subor.c_str(), 0640), 0);
    EXPECT_EQ(PointPoleDoTxt(subor.c_str(), body, 2), 0);
    EXPECT_EQ(Obsah(subor), "24,24\r\n64,24\r\n");
    EXPECT_NE(access((subor + ".tmp").c_str(), F_OK), 0);
    EXPECT_EQ(StavAdresara(a), "Stredy.txt=24,24\r\n64,24\r\n\n");
    struct stat info;
    ASSERT_EQ(stat(subor.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// Only the file named is written, and what it is stays: a temporary file never takes a name of the
// user's, a link stays a link and the file it leads to is replaced, a device or a FIFO is written
// into, never replaced by a regular file. `priprava` runs in a fresh folder before the write.
TEST(CentresFile, WritesOnlyTheTarget)
{
    const bool root = geteuid() == 0;
    struct Pripad { const char* nazov; std::string priprava, ciel, stav; };
    const std::string nove = "24,24\r\n64,24\r\n";
    const Pripad pripady[] = {
        {"FILE.tmp a file", "printf old >S; printf notes >S.tmp;", "S", "S=" + nove + "\nS.tmp=notes\n"},
        {"FILE.tmp a folder", "mkdir S.tmp;", "S", "S=" + nove + "\nS.tmp/\n"},
        {"link in the folder", "printf old >real; ln -s real S;", "S", "S->real\nreal=" + nove + "\n"},
        {"relative link into a subfolder, through a second link", "mkdir d; printf old >d/real; ln -s real d/l; ln -s d/l S;",
         "S", "S->d/l\nd/\nl->real\nreal=" + nove + "\n"},
        {"link to a file not there yet", "ln -s novy S;", "S", "S->novy\nnovy=" + nove + "\n"},
        {"FIFO", "mkfifo S;", "S", "S|\n"},
        {root ? "character device (a copy of /dev/null)" : "/dev/null", root ? "mknod S c 1 3;" : "",
         root ? "S" : "/dev/null", root ? "S%\n" : ""},
    };
    const POINT body[] = {{24, 24}, {64, 24}};
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        const std::string a = Adresar();
        ASSERT_EQ(std::system(("cd '" + a + "' && { " + p.priprava + " true; }").c_str()), 0);
        const std::string ciel = p.ciel[0] == '/' ? p.ciel : a + "/" + p.ciel;
        struct stat pred = {};
        stat(ciel.c_str(), &pred);
        // A FIFO held open at both ends (Linux opens it so at once) takes the lines into its buffer.
        const int fifo = S_ISFIFO(pred.st_mode) ? open(ciel.c_str(), O_RDWR | O_NONBLOCK) : -1;
        EXPECT_EQ(PointPoleDoTxt(ciel.c_str(), body, 2), 0);
        char precitane[64] = {};
        if (fifo >= 0) {
            EXPECT_EQ(std::string(precitane, std::max<ssize_t>(0, read(fifo, precitane, 64))), nove);
            close(fifo);
        }
        EXPECT_EQ(StavAdresara(a) + StavAdresara(a + "/d"), p.stav);  // d: the subfolder of one case
    }
}

}  // namespace
