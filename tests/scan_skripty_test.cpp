// zentrivo-scan in scripts: several images, standard input, JSON Lines, threads, exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/scan_pomoc.h"
#include "reference/sceny.h"

namespace {

const char* const kVolby = "--band 4 --min 5 --fill 30 ";

// Separate shapes, so that each object's pixels are the band's pixels inside its rectangle.
std::vector<Scena> Tvary()
{
    Scena ramik = NovaScena(120, 90);
    Obdlznik(&ramik, 10, 10, 49, 39, kSeda);
    Obdlznik(&ramik, 16, 16, 43, 33, kPozadie);
    Kruh(&ramik, 90, 60, 15, RGB(140, 140, 140));
    Scena trojuholnik = NovaScena(90, 70);
    Trojuholnik(&trojuholnik, 40, 5, 40, kSeda);
    return {Stvorec(), ramik, trojuholnik, NovaScena(40, 30)};
}

// Saves the scenes as s0.png, s1.png ... in a and returns their names, separated by spaces.
std::string Uloz(const std::string& a, const std::vector<Scena>& sceny)
{
    std::string mena;
    for (size_t k = 0; k < sceny.size(); k++) {
        UlozPng(sceny[k], a + "/s" + std::to_string(k) + ".png");
        mena += " s" + std::to_string(k) + ".png";
    }
    return mena;
}

std::vector<std::string> Riadky(const std::string& text)
{
    std::vector<std::string> r;
    size_t od = 0;
    for (size_t k; (k = text.find('\n', od)) != std::string::npos; od = k + 1) r.push_back(text.substr(od, k - od));
    return r;
}

TEST(ScanScripts, JsonLinesAgreeWithRectsForSeveralImages)
{
    const std::string a = Adresar();
    const std::vector<Scena> sceny = Tvary();
    const std::string mena = Uloz(a, sceny);
    const Beh obdlzniky = Spusti(a, kVolby + std::string("--rects") + mena);
    const Beh json = Spusti(a, kVolby + std::string("--json") + mena);
    ASSERT_EQ(obdlzniky.kod, 0) << obdlzniky.err;
    ASSERT_EQ(json.kod, 0) << json.err;
    const std::vector<std::string> r = Riadky(obdlzniky.out), j = Riadky(json.out);
    ASSERT_EQ(r.size(), j.size()) << json.out;
    ASSERT_EQ(r.size(), 4u) << obdlzniky.out;  // the square, the frame and the disk, the triangle
    for (size_t k = 0; k < j.size(); k++) {
        SCOPED_TRACE(j[k]);
        char meno[64];
        int x, y, l, t, p, d;
        long long pixely;
        ASSERT_EQ(sscanf(j[k].c_str(),
                         "{\"image\": \"%63[^\"]\", \"x\": %d, \"y\": %d, \"left\": %d, \"top\": %d, \"right\": %d, "
                         "\"bottom\": %d, \"pixels\": %lld}",
                         meno, &x, &y, &l, &t, &p, &d, &pixely),
                  8);
        char riadok[128];
        snprintf(riadok, sizeof riadok, "%s:%d,%d,%d,%d,%d,%d", meno, x, y, l, t, p, d);
        EXPECT_EQ(r[k], riadok);
        // The pixels the fill test counted: every band pixel in the rectangle of a lone shape.
        const Scena& s = sceny[(size_t)(meno[1] - '0')];
        long long v_obdlzniku = 0;
        for (int yy = t; yy <= d; yy++)
            for (int xx = l; xx <= p; xx++) {
                const COLORREF c = s.farby[(size_t)yy * s.w + xx];
                v_obdlzniku += GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c) && GetRValue(c) / 32 == 4;
            }
        EXPECT_EQ(pixely, v_obdlzniku);
    }
    // jq reads the lines as JSON and gives the same objects, where it is installed.
    if (std::system("command -v jq >/dev/null") == 0) {
        const char* jq = "| jq -r '\"\\(.image):\\(.x),\\(.y),\\(.left),\\(.top),\\(.right),\\(.bottom)\"' >out";
        EXPECT_EQ(Spusti(a, kVolby + std::string("--json") + mena, jq).out, obdlzniky.out);
    }
}

TEST(ScanScripts, StandardInputIsTheImageDash)
{
    const std::string a = Adresar();
    Uloz(a, Tvary());
    const Beh subor = Spusti(a, kVolby + std::string("--rects s1.png"));
    ASSERT_EQ(subor.kod, 0) << subor.err;
    ASSERT_NE(subor.out, "");
    struct Pripad {
        const char* argumenty;
        std::string vystup;
    };
    const Pripad pripady[] = {
        {"--rects - <s1.png", subor.out},
        {"--rects s0.png - <s1.png", Spusti(a, kVolby + std::string("--rects s0.png s1.png")).out},
        {"--json - <s0.png", "{\"image\": \"-\", \"x\": 24, \"y\": 24, \"left\": 10, \"top\": 10, \"right\": 39, "
                             "\"bottom\": 39, \"pixels\": 900}\n"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.argumenty);
        const Beh b = Spusti(a, kVolby + std::string(p.argumenty));
        EXPECT_EQ(b.kod, 0) << b.err;
        std::string ocakavane = p.vystup;
        // The second image's lines name it "-".
        for (size_t k; (k = ocakavane.find("s1.png:")) != std::string::npos;) ocakavane.replace(k, 6, "-");
        EXPECT_EQ(b.out, ocakavane);
    }
    const Beh prazdny = Spusti(a, "- </dev/null");
    EXPECT_EQ(prazdny.kod, 2);
    EXPECT_EQ(prazdny.err.rfind("zentrivo-scan: standard input: ", 0), 0u) << prazdny.err;
}

// A name longer than any line buffer comes out whole, in the text and in JSON.
TEST(ScanScripts, LongNamesComeOutWhole)
{
    const std::string a = Adresar();
    const std::string adresar = std::string(200, 'a') + "/" + std::string(200, 'b') + "/" + std::string(200, 'c');
    ASSERT_EQ(std::system(("mkdir -p '" + a + "/" + adresar + "'").c_str()), 0);
    UlozPng(Stvorec(), a + "/" + adresar + "/s.png");
    const std::string meno = adresar + "/s.png";
    EXPECT_EQ(Spusti(a, kVolby + std::string("--rects ") + meno + " " + meno).out,
              meno + ":24,24,10,10,39,39\n" + meno + ":24,24,10,10,39,39\n");
    EXPECT_EQ(Spusti(a, kVolby + std::string("--json ") + meno).out,
              "{\"image\": \"" + meno + "\", \"x\": 24, \"y\": 24, \"left\": 10, \"top\": 10, \"right\": 39, "
              "\"bottom\": 39, \"pixels\": 900}\n");
}

// Each failure is one line on standard error in its place, a name's line breaks escaped; the other
// images are still printed.
TEST(ScanScripts, UnreadableImagesAmongSeveral)
{
    const std::string a = Adresar();
    Uloz(a, Tvary());
    Zapis(a + "/zly.png", "not an image");
    Zapis(a + "/kratky.pgm", "P5\n100 100\n255\n");
    const Beh b = Spusti(a, kVolby + std::string("s0.png chyba.png s2.png zly.png 'zle\nmeno.png' kratky.pgm"));
    EXPECT_EQ(b.kod, 2);
    EXPECT_EQ(b.out, Spusti(a, kVolby + std::string("s0.png s2.png")).out);
    const std::vector<std::string> e = Riadky(b.err);
    ASSERT_EQ(e.size(), 4u) << b.err;
    EXPECT_EQ(e[0].rfind("zentrivo-scan: chyba.png: ", 0), 0u) << e[0];
    EXPECT_EQ(e[1].rfind("zentrivo-scan: zly.png: ", 0), 0u) << e[1];
    EXPECT_EQ(e[2].rfind("zentrivo-scan: zle\\nmeno.png: ", 0), 0u) << e[2];
    EXPECT_EQ(e[3].rfind("zentrivo-scan: kratky.pgm: ", 0), 0u) << e[3];
    EXPECT_NE(e[3].find("cut short"), std::string::npos) << e[3];
    // Standard input is read as strictly as a file.
    const Beh vstup = Spusti(a, kVolby + std::string("s0.png - <kratky.pgm"));
    EXPECT_EQ(vstup.kod, 2);
    EXPECT_EQ(vstup.err.rfind("zentrivo-scan: standard input: ", 0), 0u) << vstup.err;
    EXPECT_EQ(vstup.err.find('\n'), vstup.err.size() - 1) << vstup.err;
    // The timing lines name their image on one line too.
    ASSERT_EQ(std::system(("cp '" + a + "/s1.png' '" + a + "/ine\nmeno.png'").c_str()), 0);
    const Beh cas = Spusti(a, kVolby + std::string("--time s0.png 'ine\nmeno.png'"));
    EXPECT_EQ(cas.kod, 0) << cas.err;
    const std::vector<std::string> c = Riadky(cas.err);
    ASSERT_EQ(c.size(), 2u) << cas.err;
    EXPECT_EQ(c[1].rfind("ine\\nmeno.png: search: ", 0), 0u) << c[1];
}

// Threads change nothing that is printed: lines, timings aside, and failures in argument order.
TEST(ScanScripts, ThreadsPrintWhatOneThreadPrints)
{
    const std::string a = Adresar();
    std::vector<Scena> sceny;
    uint32_t stav = 777;
    auto medzi = [&stav](int od, int po) {
        stav = stav * 1103515245u + 12345u;
        return od + (int)((stav >> 8) % (uint32_t)(po - od + 1));
    };
    for (int k = 0; k < 10; k++) {
        Scena s = NovaScena(medzi(100, 400), medzi(80, 300));
        for (int tvar = medzi(5, 40); tvar > 0; tvar--)
            Obdlznik(&s, medzi(0, s.w), medzi(0, s.h), medzi(0, s.w), medzi(0, s.h), RGB(130, 130, 130));
        sceny.push_back(s);
    }
    std::string mena = Uloz(a, sceny);
    mena.insert(mena.find(" s4.png"), " chyba.png");
    const std::string volby = "--band 4 --min 3 --fill 40 ";
    for (const char* format : {"", "--rects ", "--json "}) {
        SCOPED_TRACE(format);
        const Beh jedno = Spusti(a, volby + format + "-j 1" + mena);
        EXPECT_EQ(jedno.kod, 2);
        ASSERT_GT(Riadky(jedno.out).size(), 10u);
        for (const char* j : {"-j 2", "-j 3", "-j 64", ""}) {
            SCOPED_TRACE(j);
            const Beh b = Spusti(a, volby + format + j + mena);
            EXPECT_EQ(b.kod, jedno.kod);
            EXPECT_EQ(b.out, jedno.out);
            EXPECT_EQ(b.err, jedno.err);
        }
    }
    // Argument order: the images one by one, their lines named.
    std::string po_jednom;
    for (size_t k = 0; k < sceny.size(); k++) {
        const std::string meno = "s" + std::to_string(k) + ".png";
        for (const std::string& r : Riadky(Spusti(a, volby + meno).out)) po_jednom += meno + ":" + r + "\n";
    }
    EXPECT_EQ(Spusti(a, volby + "-j 4" + mena).out, po_jednom);
}

// Under an address-space limit -j starts the threads it can, and an image whose buffers cannot be
// had while others hold theirs is read once they are done: every image -j 1 reads is read, and the
// output is -j 1's. Four 4000 x 3000 screenshots need some 100 MB each; the limits leave room for
// none, one or two at a time, and an image that does not fit is "not enough memory".
TEST(ScanScripts, ThreadsGoOnWhenResourcesRunShort)
{
    const std::string a = Adresar();
    Scena velka = NovaScena(4000, 3000);
    Obdlznik(&velka, 100, 100, 599, 899, kSeda);
    UlozPng(velka, a + "/v.png");
    UlozPng(Stvorec(), a + "/s.png");
    std::string velke, male;
    for (int k = 0; k < 4; k++) velke += " v.png";
    for (int k = 0; k < 600; k++) male += " s.png";
    struct Pripad {
        const char* limit;  // kB
        const char* vlakna;
        std::string obrazy;
        const char* volby = kVolby;
    };
    // The colour rows: an image tried again is searched for the same pixels.
    const char* const farba = "--colour 128,128,128 --min 5 --fill 30 ";
    const Pripad pripady[] = {
        {"4000000", "-j 600", male},  // the stacks of 600 threads are more than 4 GB
        {"250000", "-j 4", velke}, {"300000", "-j 4", velke}, {"340000", "-j 4", velke},
        {"400000", "-j 4", velke}, {"450000", "-j 4", velke}, {"340000", "-j 4", velke, farba},
        {"400000", "-j 4", velke, farba},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(std::string(p.limit) + " kB " + p.vlakna + " " + p.volby);
        const std::string limit = std::string("ulimit -v ") + p.limit + " &&";
        const Beh jedno = Spusti(a, p.volby + std::string("-j 1") + p.obrazy, "", limit);
        // A build whose sanitizer reserves more than the limit does not start at all.
        if (jedno.kod != 0 && jedno.kod != 2) continue;
        for (const std::string& r : Riadky(jedno.err)) EXPECT_NE(r.find(": not enough memory"), std::string::npos) << r;
        EXPECT_EQ(Riadky(jedno.out).size() + Riadky(jedno.err).size(), p.obrazy.size() / 6) << jedno.err;
        const Beh b = Spusti(a, p.volby + std::string(p.vlakna) + p.obrazy, "", limit);
        EXPECT_EQ(b.kod, jedno.kod) << b.err;
        EXPECT_EQ(b.out, jedno.out);
        EXPECT_EQ(b.err, jedno.err);
    }
}

TEST(ScanScripts, NoReachableDisplayIsExitTwo)
{
    const std::string a = Adresar();
    for (const char* prostredie : {"env -u DISPLAY", "env DISPLAY=/nonexistent/socket:0", "env DISPLAY=:65000"}) {
        SCOPED_TRACE(prostredie);
        const std::string prikaz = "cd '" + a + "' && " + prostredie + " '" ZENTRIVO_SCAN "' --screen >out 2>err";
        const int kod = std::system(prikaz.c_str());
        EXPECT_EQ(WEXITSTATUS(kod), 2);
        EXPECT_EQ(Obsah(a + "/out"), "");
        const std::string err = Obsah(a + "/err");
        EXPECT_EQ(err.rfind("zentrivo-scan: screen: ", 0), 0u) << err;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    }
}

TEST(ScanScripts, VersionIsTheProjects)
{
    const Beh b = Spusti(Adresar(), "--version");
    EXPECT_EQ(b.kod, 0);
    EXPECT_EQ(b.out, "zentrivo-scan " ZENTRIVO_VERZIA "\n");
}

}  // namespace
