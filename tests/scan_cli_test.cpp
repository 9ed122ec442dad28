// zentrivo-scan as users run it: options, image formats, bad input, output and the sample screenshot.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include "search/hladanie.h"
#include "tests/scan_pomoc.h"
#include "reference/obdlzniky.h"
#include "reference/sceny.h"

namespace {

const char* const kNajdiStvorec = "--band 4 --min 5 --fill 5 --rects";

TEST(ScanCommand, HelpPrintsTheUsage)
{
    Beh b = Spusti(Adresar(), "--help");
    EXPECT_EQ(b.kod, 0);
    EXPECT_EQ(b.out.rfind("Usage: zentrivo-scan [--band B] [--min N] [--fill P] [--exclude L,T,R,B] [--rects | --json] "
                          "[--out FILE]\n"
                          "                     [--max-pixels N] [--max-bytes N] [-j N] [--time] (IMAGE... | --screen)\n"
                          "       zentrivo-scan --help | --version\n",
                          0),
              0u);
    EXPECT_EQ(b.err, "");
}

TEST(ScanCommand, BadInputExitsTwoWithOneLine)
{
    std::string a = Adresar();
    UlozPng(Stvorec(), a + "/dobry.png");
    std::string png = Obsah(a + "/dobry.png");
    Zapis(a + "/skrateny.png", png.substr(0, png.size() / 2));
    Zapis(a + "/prazdny.png", "");
    Zapis(a + "/nula.ppm", "P6\n0 0\n255\n");
    Zapis(a + "/nula_sirka.pgm", "P5\n0 5\n255\n");
    Zapis(a + "/text.png", "not an image at all\n");
    Zapis(a + "/subor", "x");
    Zapis(a + "/zle\nmeno.png", "not an image either\n");
    // Formats the decoder knows but the command does not read: a 1 x 1 GIF and a 1 x 1 PSD.
    const unsigned char gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 255, 255, 255, 0, 0, 0,
                                 ',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 'D', 1, 0, ';'};
    const unsigned char psd[] = {'8', 'B', 'P', 'S', 0, 1, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 1,
                                 0, 8, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 128, 128, 128};
    Zapis(a + "/obrazok.gif", std::string(gif, gif + sizeof gif));
    Zapis(a + "/obrazok.psd", std::string(psd, psd + sizeof psd));
    ASSERT_EQ(std::system(("mkdir '" + a + "/adresar' && ln '" + a + "/dobry.png' '" + a + "/iny.png'").c_str()), 0);
    struct Pripad {
        const char* nazov;
        std::string argumenty;
    };
    const Pripad pripady[] = {
        {"missing file", "chyba.png"},
        {"a line break in the file name", "'zle\nmeno.png'"},
        {"a line break in a missing file's name", "'chyba\n\r\x1b[31m.png'"},
        {"a line break in a value", "--band '1\n2' dobry.png"},
        {"a GIF image", "obrazok.gif"},
        {"a PSD image", "obrazok.psd"},
        {"negative pixel limit", "--max-pixels -1 dobry.png"},
        {"pixel limit not whole", "--max-pixels 1e6 dobry.png"},
        {"pixel limit beyond 64 bits", "--max-pixels 99999999999999999999 dobry.png"},
        {"pixel limit without a value", "dobry.png --max-pixels"},
        {"centres file the image itself", "--out dobry.png dobry.png"},
        {"centres file the image under another name", "--out iny.png dobry.png"},
        {"centres file the file standard input reads", "--out dobry.png - <dobry.png"},
        {"centres file standard input's file under another name", "--out iny.png - <dobry.png"},
        {"truncated PNG", "skrateny.png"},
        {"empty file", "prazdny.png"},
        {"zero-sized image", "nula.ppm"},
        {"zero-width image", "nula_sirka.pgm"},
        {"not an image", "text.png"},
        {"a directory", "adresar"},
        {"three exclusion bounds", "--exclude 1,2,3 dobry.png"},
        {"five exclusion bounds", "--exclude 1,2,3,4,5 dobry.png"},
        {"trailing comma", "--exclude 1,2,3,4, dobry.png"},
        {"empty exclusion bound", "--exclude 1,,3,4 dobry.png"},
        {"exclusion bound not a number", "--exclude 1,2,x,4 dobry.png"},
        {"exclusion bound beyond int", "--exclude 1,2,3,99999999999 dobry.png"},
        {"band 9", "--band 9 dobry.png"},
        {"band -1", "--band -1 dobry.png"},
        {"band not a number", "--band x dobry.png"},
        {"band with a space", "'--band' ' 3' dobry.png"},
        {"band without a value", "dobry.png --band"},
        {"negative minimum", "--min -1 dobry.png"},
        {"minimum not whole", "--min 1.5 dobry.png"},
        {"fill 101", "--fill 101 dobry.png"},
        {"fill -1", "--fill -1 dobry.png"},
        {"empty fill", "--fill '' dobry.png"},
        {"unknown option", "--color 3 dobry.png"},
        {"colour of two values", "--colour 1,2 dobry.png"},
        {"colour value 256", "--colour 1,2,256 dobry.png"},
        {"tolerance 256", "--colour 1,2,3 --tolerance 256 dobry.png"},
        {"tolerance without a colour", "--tolerance 3 dobry.png"},
        {"band and colour", "--band 0 --colour 1,2,3 dobry.png"},
        {"watch without the screen", "--watch dobry.png"},
        {"until 0", "--screen --until 0"},
        {"watch and until", "--screen --watch --until 1"},
        {"timeout without a watch or a wait", "--screen --timeout 1"},
        {"negative timeout", "--screen --until 1 --timeout -1"},
        {"timeout with an exponent", "--screen --until 1 --timeout 1e3"},
        {"timeout of a dot", "--screen --until 1 --timeout ."},
        {"interval not whole", "--screen --watch --interval 0.5"},
        {"watch with a centres file", "--screen --watch --out Stredy.txt"},
        {"no image", "--band 3"},
        {"rects and JSON", "--rects --json dobry.png"},
        {"an image with the screen", "--screen dobry.png"},
        {"centres file for two images", "--out Stredy.txt dobry.png dobry.png"},
        {"no threads", "-j 0 dobry.png"},
        {"threads not a number", "-j x dobry.png"},
        {"standard input twice", "- - <dobry.png"},
        {"centres file a directory", "--out adresar dobry.png"},
        {"centres file under a regular file", "--out subor/Stredy.txt dobry.png"},
        {"empty centres file name", "--out '' dobry.png"},
        {"a monitor of an image", "--monitor 1 dobry.png"},
        {"an unknown way to the screen", "--screen=vnc"},
        {"monitors of an image", "--list-monitors dobry.png"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        Beh b = Spusti(a, p.argumenty);
        EXPECT_EQ(b.kod, 2);
        EXPECT_EQ(b.out, "");
        EXPECT_EQ(b.err.rfind("zentrivo-scan: ", 0), 0u) << b.err;
        EXPECT_EQ(b.err.find('\n'), b.err.size() - 1) << b.err;
    }
    EXPECT_EQ(Obsah(a + "/subor"), "x");
    EXPECT_EQ(Obsah(a + "/dobry.png"), png);
}

// Files that end before what their header promises, damaged ones, and headers alone that promise
// huge images: refused before a pixel is decoded, the same way whatever the heap held before.
TEST(ScanCommand, CutShortDamagedAndBombImagesAreRefused)
{
    std::string a = Adresar();
    const Scena s = Stvorec();
    const std::vector<unsigned char> rgb = Rgb(s);
    std::string seda;
    for (size_t k = 0; k < rgb.size(); k += 3) seda += (char)rgb[k];
    UlozPng(s, a + "/cely.png");
    ASSERT_NE(stbi_write_bmp((a + "/cely.bmp").c_str(), s.w, s.h, 3, rgb.data()), 0);
    ASSERT_NE(stbi_write_jpg((a + "/cely.jpg").c_str(), s.w, s.h, 3, rgb.data(), 90), 0);
    ASSERT_NE(stbi_write_tga((a + "/behy.tga").c_str(), s.w, s.h, 3, rgb.data()), 0);
    stbi_write_tga_with_rle = 0;
    ASSERT_NE(stbi_write_tga((a + "/cely.tga").c_str(), s.w, s.h, 3, rgb.data()), 0);
    stbi_write_tga_with_rle = 1;
    Zapis(a + "/cely.pgm", "P5\n100 100\n255\n" + seda);
    Zapis(a + "/cely.ppm", "P6\n100 100\n255\n" + std::string(rgb.begin(), rgb.end()));
    auto orez = [&](const char* subor, long long dlzka, const char* novy) {  // dlzka < 0 drops from the end
        std::string o = Obsah(a + "/" + subor);
        Zapis(a + "/" + novy, o.substr(0, dlzka < 0 ? o.size() + dlzka : (size_t)dlzka));
    };
    orez("cely.pgm", 15, "hlavicka.pgm");
    orez("cely.pgm", -1, "bez_bajtu.pgm");
    orez("cely.ppm", 7500, "pol.ppm");
    orez("cely.bmp", 54 + 15000, "pol.bmp");
    orez("cely.bmp", -1, "bez_bajtu.bmp");
    orez("cely.tga", 18 + 15000, "pol.tga");
    orez("behy.tga", Obsah(a + "/behy.tga").size() / 2, "pol_behy.tga");
    orez("cely.jpg", Obsah(a + "/cely.jpg").size() * 2 / 3, "pol.jpg");
    orez("cely.jpg", -2, "bez_konca.jpg");
    // Coded data cut short with the end marker put back (baseline, and a progressive image of the fuzz
    // seeds, past their seven settings bytes), a progressive image without its last scans, and a
    // JPEG whose DC sums overflow.
    auto s_koncom = [&](const std::string& jpg, size_t dlzka, const char* novy) {
        Zapis(a + "/" + novy, jpg.substr(0, dlzka) + "\xFF\xD9");
    };
    auto tretina_skenu = [](const std::string& jpg) {  // a third into the first scan's coded data
        const size_t sken = jpg.find("\xFF\xDA") + 2;
        const size_t data = sken + ((unsigned char)jpg[sken] << 8 | (unsigned char)jpg[sken + 1]);
        size_t koniec = data;
        while ((koniec = jpg.find('\xFF', koniec + 1)) != std::string::npos && jpg[koniec + 1] == 0) {
        }
        return data + (koniec - data) / 3;
    };
    const std::string zakladny = Obsah(a + "/cely.jpg"), progresivny = Obsah(FUZZ_KORPUS "/progresivny.jpg").substr(7);
    ASSERT_NE(progresivny.find("\xFF\xDA"), std::string::npos);
    s_koncom(zakladny, tretina_skenu(zakladny), "tretina.jpg");
    s_koncom(progresivny, tretina_skenu(progresivny), "tretina_progresivny.jpg");
    s_koncom(progresivny, progresivny.rfind("\xFF\xDA"), "bez_skenov.jpg");
    Zapis(a + "/dc.jpg", Obsah(FUZZ_KORPUS "/nalez_dc.jpg").substr(7));
    orez("cely.png", Obsah(a + "/cely.png").size() / 2, "pol.png");
    orez("cely.png", -12, "bez_iend.png");

    std::string png = Obsah(a + "/cely.png");
    png[png.size() / 2] ^= 1;  // inside the image data: its chunk's CRC no longer holds
    Zapis(a + "/crc.png", png);
    png = Obsah(a + "/cely.png");
    png.replace(16, 8, std::string("\0\0\x40\0\0\0\x40\0", 8));  // 16384 x 16384 in the header
    Zapis(a + "/bomba.png", png);
    std::string jpg = Obsah(a + "/cely.jpg");
    const size_t dht = jpg.find("\xFF\xC4");
    ASSERT_NE(dht, std::string::npos);
    jpg.replace(dht + 5, 16, std::string(16, '\x20'));  // a Huffman table of 512 codes
    Zapis(a + "/huffman.jpg", jpg);
    // An 8-bit BMP of two pixels whose palette has two colours and whose second pixel is colour 200.
    const unsigned char bmp[] = {'B', 'M', 72, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0,
                                 1, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 0, 0, 0, 0, 128, 128, 128, 0, 1, 200, 0, 0};
    Zapis(a + "/paleta.bmp", std::string(bmp, bmp + sizeof bmp));
    // Headers alone, 26000 x 26000 (the BMP also 1 x 16777216), and a run-length TGA of that size.
    auto bmp_hlavicka = [](int w, int h) {
        unsigned char b[54] = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0};
        for (int k = 0; k < 4; k++) {
            b[18 + k] = (unsigned char)(w >> (8 * k));
            b[22 + k] = (unsigned char)(h >> (8 * k));
        }
        b[26] = 1;
        b[28] = 24;
        return std::string((const char*)b, 54);
    };
    Zapis(a + "/bomba.bmp", bmp_hlavicka(26000, 26000));
    Zapis(a + "/vysoky.bmp", bmp_hlavicka(1, 16777216));
    Zapis(a + "/bomba.pgm", "P5\n26000 26000\n255\n");
    std::string tga("\0\0\x0A\0\0\0\0\0\0\0\0\0\x90\x65\x90\x65\x18\0", 18);
    for (int k = 0; k < 96; k++) tga += "\xFF\x01\x02\x03";
    Zapis(a + "/bomba.tga", tga);

    struct Pripad {
        const char* nazov;
        std::string argumenty;
        const char* sprava;  // part of the one line on standard error
    };
    const char* const kSkrateny = "is cut short";
    const char* const kLimit = "over the limit of 178956970 (--max-pixels";
    const Pripad pripady[] = {
        {"PGM header only", "hlavicka.pgm", kSkrateny},
        {"PGM a byte short", "bez_bajtu.pgm", kSkrateny},
        {"PPM half", "pol.ppm", kSkrateny},
        {"BMP half", "pol.bmp", kSkrateny},
        {"BMP a byte short", "bez_bajtu.bmp", kSkrateny},
        {"TGA half", "pol.tga", kSkrateny},
        {"run-length TGA half", "pol_behy.tga", kSkrateny},
        {"JPEG two thirds", "pol.jpg", kSkrateny},
        {"JPEG without its end marker", "bez_konca.jpg", kSkrateny},
        {"JPEG coded data a third and the end marker", "tretina.jpg", "cut short (its coded data end"},
        {"progressive JPEG coded data a third and the end marker", "tretina_progresivny.jpg",
         "cut short (its coded data end"},
        {"progressive JPEG without its last scans", "bez_skenov.jpg", "cut short (scans are missing)"},
        {"JPEG whose DC sums overflow", "dc.jpg", "damaged (its DC values overflow)"},
        {"PNG half", "pol.png", kSkrateny},
        {"PNG without IEND", "bez_iend.png", kSkrateny},
        {"PNG with a bit flipped", "crc.png", "damaged (a chunk fails its CRC)"},
        {"JPEG Huffman table of 512 codes", "huffman.jpg", "damaged (its Huffman tables)"},
        {"BMP colour past its palette", "paleta.bmp", "damaged (colour 200 of a palette of 2)"},
        {"PGM bomb", "bomba.pgm", kLimit},
        {"BMP bomb", "bomba.bmp", kLimit},
        {"TGA bomb", "bomba.tga", kLimit},
        {"PNG of 16384 x 16384", "bomba.png", "16384 x 16384 is 268435456 pixels, over the limit of 178956970"},
        {"PGM bomb without a limit", "--max-pixels 0 bomba.pgm", kSkrateny},
        {"BMP bomb without a limit", "--max-pixels 0 bomba.bmp", kSkrateny},
        {"BMP of 1 x 16777216", "vysoky.bmp", kSkrateny},
        {"TGA bomb without a limit", "--max-pixels 0 bomba.tga", kSkrateny},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        Beh b = Spusti(a, p.argumenty);
        EXPECT_EQ(b.kod, 2);
        EXPECT_EQ(b.out, "");
        EXPECT_NE(b.err.find(p.sprava), std::string::npos) << b.err;
        EXPECT_EQ(b.err.find('\n'), b.err.size() - 1) << b.err;
        Beh premiesany = Spusti(a, p.argumenty, "", "MALLOC_PERTURB_=165");
        EXPECT_EQ(premiesany.kod, b.kod);
        EXPECT_EQ(premiesany.out, b.out);
        EXPECT_EQ(premiesany.err, b.err);
    }
}

TEST(ScanCommand, MaxPixelsSetsTheLimit)
{
    std::string a = Adresar();
    UlozPng(Stvorec(), a + "/stvorec.png");  // 100 x 100
    Beh b = Spusti(a, std::string(kNajdiStvorec) + " --max-pixels 9999 stvorec.png");
    EXPECT_EQ(b.kod, 2);
    EXPECT_EQ(b.out, "");
    EXPECT_EQ(b.err, "zentrivo-scan: stvorec.png: 100 x 100 is 10000 pixels, over the limit of 9999 (--max-pixels "
                     "sets another)\n");
    for (const char* volba : {"--max-pixels 10000", "--max-pixels 0"}) {
        SCOPED_TRACE(volba);
        b = Spusti(a, std::string(kNajdiStvorec) + " " + volba + " stvorec.png");
        EXPECT_EQ(b.kod, 0) << b.err;
        EXPECT_EQ(b.out, "24,24,10,10,39,39\n");
    }
}

TEST(ScanCommand, NothingFoundIsSuccess)
{
    std::string a = Adresar();
    UlozPng(Stvorec(), a + "/stvorec.png");
    Beh b = Spusti(a, "--band 3 --min 5 --fill 5 stvorec.png");
    EXPECT_EQ(b.kod, 0);
    EXPECT_EQ(b.out, "");
    EXPECT_EQ(b.err, "");
}

TEST(ScanCommand, DefaultsAreBandZeroSizeTwentyFillSeventy)
{
    std::string a = Adresar();
    const COLORREF tmava = RGB(10, 10, 10);
    Scena s = NovaScena(200, 60);
    Obdlznik(&s, 10, 10, 29, 29, tmava);     // 20 x 20: kept
    Obdlznik(&s, 50, 10, 69, 29, tmava);     // a frame of 280 pixels in 400: 70 %, kept
    Obdlznik(&s, 55, 15, 64, 26, kPozadie);
    Obdlznik(&s, 90, 10, 109, 29, tmava);    // 279 pixels: not kept
    Obdlznik(&s, 95, 15, 104, 26, kPozadie);
    Bod(&s, 95, 14, kPozadie);
    Obdlznik(&s, 130, 10, 148, 49, tmava);   // 19 wide
    Obdlznik(&s, 160, 10, 189, 39, kSeda);   // band 4
    UlozPng(s, a + "/sceny.png");
    Beh b = Spusti(a, "sceny.png");
    EXPECT_EQ(b.kod, 0) << b.err;
    EXPECT_EQ(b.out, "19,19\n59,19\n");
    EXPECT_EQ(Spusti(a, "--fill 69 sceny.png").out, "19,19\n59,19\n99,19\n");
    EXPECT_EQ(Spusti(a, "--min 19 sceny.png").out, "19,19\n59,19\n139,29\n");
    EXPECT_EQ(Spusti(a, "--band 4 sceny.png").out, "174,24\n");
}

// The search's edge cases, drawn as PNG files and read back through the command.
TEST(ScanCommand, RectsReproduceTheEdgeCases)
{
    std::string a = Adresar();
    auto obluk = [](int pixel_y) {
        Scena s = Obdlzniky({{10, 10, 44, 14}, {10, 15, 14, 40}, {40, 15, 44, 40}}, kSeda);
        Bod(&s, 27, pixel_y, kSeda);
        return s;
    };
    Scena trojuholnik = NovaScena(100, 100);
    Trojuholnik(&trojuholnik, 40, 10, 30, kSeda);
    Scena kruh = NovaScena(100, 100);
    Kruh(&kruh, 40, 40, 20, kSeda);
    Scena blizko = Obdlzniky({{10, 10, 39, 39}}, RGB(128, 128, 129));
    Obdlznik(&blizko, 50, 50, 79, 79, RGB(127, 127, 127));

    struct Pripad {
        const char* nazov;
        Scena scena;
        std::string volby;
        std::string vystup;
    };
    const Pripad pripady[] = {
        {"filled square", Stvorec(), "", "24,24,10,10,39,39\n"},
        {"exclusion right value 24", Stvorec(), "--exclude 0,0,24,99", "32,24,25,10,39,39\n"},
        {"exclusion bottom value 10", Stvorec(), "--exclude 0,0,99,10", "24,25,10,11,39,39\n"},
        {"exclusion with negative bounds", Stvorec(), "--exclude -20,-20,12,99", "26,24,13,10,39,39\n"},
        {"exclusion outside the image", Stvorec(), "--exclude 100,100,500,500", "24,24,10,10,39,39\n"},
        {"exclusion left of the image", Stvorec(), "--exclude -50,-50,-1,-1", "24,24,10,10,39,39\n"},
        {"exclusion over the whole image", Stvorec(), "--exclude -5,-5,200,200", ""},
        {"minimum 30 keeps a 30-pixel square", Stvorec(), "--min 30", "24,24,10,10,39,39\n"},
        {"minimum 31 does not", Stvorec(), "--min 31", ""},
        {"triangle at fill 50", trojuholnik, "--fill 50", "40,24,11,10,69,39\n"},
        {"triangle at fill 51", trojuholnik, "--fill 51", ""},
        {"disk at fill 74", kruh, "--fill 74", "40,40,20,20,60,60\n"},
        {"disk at fill 75", kruh, "--fill 75", ""},
        {"squares touching at a corner", Obdlzniky({{10, 10, 29, 29}, {30, 30, 49, 49}}, kSeda), "",
         "19,19,10,10,29,29\n39,39,30,30,49,49\n"},
        {"squares sharing a column", Obdlzniky({{10, 10, 29, 29}, {29, 30, 48, 49}}, kSeda), "",
         "29,29,10,10,48,49\n"},
        {"U shape", Obdlzniky({{10, 10, 14, 40}, {40, 10, 44, 40}, {10, 41, 44, 45}}, kSeda), "",
         "27,27,10,10,44,45\n"},
        {"arch with the pixel at row 41", obluk(41), "", "27,25,10,10,44,40\n"},
        {"arch with the pixel at row 42", obluk(42), "", "27,25,10,10,44,40\n"},
        {"line above a gap", Obdlzniky({{10, 5, 60, 5}, {10, 7, 39, 36}}, kSeda), "", "24,21,10,7,39,36\n"},
        {"line touching the square", Obdlzniky({{10, 6, 60, 6}, {10, 7, 39, 36}}, kSeda), "", "35,21,10,6,60,36\n"},
        {"near greys", blizko, "", ""},
        {"grey 127 in band 3", blizko, "--band 3", "64,64,50,50,79,79\n"},
    };
    int k = 0;
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        std::string subor = "scena" + std::to_string(k++) + ".png";
        UlozPng(p.scena, a + "/" + subor);
        // Later options win, so the case's own options follow the common ones.
        Beh b = Spusti(a, std::string(kNajdiStvorec) + " " + p.volby + " " + subor);
        EXPECT_EQ(b.kod, 0) << b.err;
        EXPECT_EQ(b.out, p.vystup);
        EXPECT_EQ(b.err, "");
    }
}

// Grey and palette images are expanded to RGB and alpha is ignored, in every format read.
TEST(ScanCommand, ReadsEveryFormat)
{
    std::string a = Adresar();
    Scena s = NovaScena(60, 50);
    Obdlznik(&s, 10, 10, 39, 29, kSeda);
    std::vector<unsigned char> rgb = Rgb(s);
    std::vector<unsigned char> rgba, seda, seda_alfa;
    for (size_t k = 0; k < s.farby.size(); k++) {
        rgba.insert(rgba.end(), {rgb[3 * k], rgb[3 * k + 1], rgb[3 * k + 2], (unsigned char)(k % 3 ? 0 : 255)});
        unsigned char v = rgb[3 * k] == 128 ? 128 : 200;  // the background in band 6 for the grey files
        seda.push_back(v);
        seda_alfa.insert(seda_alfa.end(), {v, 0});
    }
    ASSERT_NE(stbi_write_png((a + "/rgb.png").c_str(), s.w, s.h, 3, rgb.data(), 3 * s.w), 0);
    ASSERT_NE(stbi_write_png((a + "/rgba.png").c_str(), s.w, s.h, 4, rgba.data(), 4 * s.w), 0);
    ASSERT_NE(stbi_write_png((a + "/seda.png").c_str(), s.w, s.h, 1, seda.data(), s.w), 0);
    ASSERT_NE(stbi_write_png((a + "/seda_alfa.png").c_str(), s.w, s.h, 2, seda_alfa.data(), 2 * s.w), 0);
    ASSERT_NE(stbi_write_bmp((a + "/rgb.bmp").c_str(), s.w, s.h, 3, rgb.data()), 0);
    ASSERT_NE(stbi_write_tga((a + "/rgba.tga").c_str(), s.w, s.h, 4, rgba.data()), 0);
    Zapis(a + "/rgb.ppm", "P6\n60 50\n255\n" + std::string(rgb.begin(), rgb.end()));
    Zapis(a + "/seda.pgm", "P5\n60 50\n255\n" + std::string(seda.begin(), seda.end()));
    std::string seda16;  // two bytes a sample, the high one first
    for (unsigned char v : seda) seda16 += {(char)v, (char)v};
    Zapis(a + "/seda16.pgm", "P5\n60 50\n65535\n" + seda16);
    const std::string ocakavane = "24,19,10,10,39,29\n";
    for (const char* subor : {"rgb.png", "rgba.png", "seda.png", "seda_alfa.png", "rgb.bmp", "rgba.tga", "rgb.ppm",
                              "seda.pgm", "seda16.pgm"}) {
        SCOPED_TRACE(subor);
        Beh b = Spusti(a, std::string(kNajdiStvorec) + " " + subor);
        EXPECT_EQ(b.kod, 0) << b.err;
        EXPECT_EQ(b.out, ocakavane);
    }
    // The grey files' background is grey too: band 6 finds it, around the square.
    EXPECT_EQ(Spusti(a, "--band 6 --min 5 --fill 5 --rects seda.pgm").out, "29,24,0,0,59,49\n");

    // JPEG is lossy: a square of grey 144 in the middle of band 4 stays one object, its edges within
    // a pixel or two.
    Scena j = NovaScena(80, 60, RGB(40, 40, 40));
    Obdlznik(&j, 16, 16, 55, 47, RGB(144, 144, 144));
    ASSERT_NE(stbi_write_jpg((a + "/stvorec.jpg").c_str(), j.w, j.h, 3, Rgb(j).data(), 95), 0);
    Beh b = Spusti(a, std::string(kNajdiStvorec) + " stvorec.jpg");
    EXPECT_EQ(b.kod, 0) << b.err;
    int x, y, l, t, r, d;
    ASSERT_EQ(sscanf(b.out.c_str(), "%d,%d,%d,%d,%d,%d\n", &x, &y, &l, &t, &r, &d), 6) << b.out;
    EXPECT_EQ(std::count(b.out.begin(), b.out.end(), '\n'), 1) << b.out;
    EXPECT_NEAR(l, 16, 2);
    EXPECT_NEAR(t, 16, 2);
    EXPECT_NEAR(r, 55, 2);
    EXPECT_NEAR(d, 47, 2);

    // A palette PNG, made by ImageMagick when it is there.
    std::string prikaz = "convert '" + a + "/rgb.png' 'PNG8:" + a + "/paleta.png' 2>/dev/null";
    if (std::system(prikaz.c_str()) != 0 || Obsah(a + "/paleta.png").size() < 26 || Obsah(a + "/paleta.png")[25] != 3)
        GTEST_SKIP() << "no palette PNG: ImageMagick's convert is missing or wrote another colour type";
    EXPECT_EQ(Spusti(a, std::string(kNajdiStvorec) + " paleta.png").out, ocakavane);
}

// The objects of every band, one --rects list after another.
std::string VsetkyPasma(const std::string& a, const std::string& subor)
{
    std::string vystup;
    for (int pasmo = 0; pasmo < 8; pasmo++)
        vystup += Spusti(a, "--min 1 --fill 1 --rects --band " + std::to_string(pasmo) + " " + subor).out + "|";
    return vystup;
}

// A PPM/PGM sample of 0 to its largest value means that share of 255, rounded, as in an 8-bit PNG
// of the same picture; 16-bit samples are big-endian. The samples sit where the low byte, the high
// byte alone or a cut instead of rounding would put them in another band.
TEST(ScanCommand, PnmSamplesOfAnyDepthAreScaledAsPng)
{
    const std::string a = Adresar();
    struct Pripad {
        unsigned max_hodnota;
        std::vector<unsigned> vzorky;  // one 6 x 6 square each, 2 columns apart, on sample 0
    };
    const Pripad pripady[] = {
        {65535, {0x8001, 0x1FA0, 0x1F9F, 0x3FC0, 0x00FF, 0x9FFF, 0xFFFF}},
        {15, {2, 3, 4, 7, 8, 15}},
        {1023, {124, 125, 128, 255, 256, 511, 512, 640, 1023}},
        {200, {25, 26, 50, 150, 200, 255}},  // 255: past the largest value, white
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.max_hodnota);
        const int w = 8 * (int)p.vzorky.size() + 2, h = 10;
        Scena s = NovaScena(w, h, RGB(0, 0, 0));
        std::vector<unsigned> vzorky((size_t)w * h, 0);
        for (size_t k = 0; k < p.vzorky.size(); k++) {
            const long seda = std::min(255L, std::lround(p.vzorky[k] * 255.0 / p.max_hodnota));
            Obdlznik(&s, 2 + 8 * (int)k, 2, 7 + 8 * (int)k, 7, RGB(seda, seda, seda));
            for (int y = 2; y <= 7; y++)
                for (int x = 2 + 8 * (int)k; x <= 7 + 8 * (int)k; x++) vzorky[(size_t)y * w + x] = p.vzorky[k];
        }
        UlozPng(s, a + "/obraz.png");
        std::string pgm, ppm;
        for (unsigned v : vzorky) {
            const std::string bajty =
                p.max_hodnota > 255 ? std::string{(char)(v >> 8), (char)v} : std::string(1, (char)v);
            pgm += bajty;
            ppm += bajty + bajty + bajty;
        }
        const std::string hlavicka =
            std::to_string(w) + " " + std::to_string(h) + "\n" + std::to_string(p.max_hodnota) + "\n";
        Zapis(a + "/obraz.pgm", "P5\n" + hlavicka + pgm);
        Zapis(a + "/obraz.ppm", "P6\n" + hlavicka + ppm);
        const std::string png = VsetkyPasma(a, "obraz.png");
        EXPECT_EQ(VsetkyPasma(a, "obraz.pgm"), png);
        EXPECT_EQ(VsetkyPasma(a, "obraz.ppm"), png);
        // The 16-bit picture as a 16-bit PNG, where ImageMagick is there to write one.
        if (p.max_hodnota == 65535 &&
            std::system(("convert '" + a + "/obraz.ppm' 'PNG48:" + a + "/obraz16.png' 2>/dev/null").c_str()) == 0) {
            EXPECT_EQ(VsetkyPasma(a, "obraz16.png"), png);
        }
    }
}

// The command's output is what the search puts in its lists, for scenes of many objects.
TEST(ScanCommand, PrintsWhatTheSearchFinds)
{
    std::string a = Adresar();
    uint32_t stav = 12345;
    auto medzi = [&stav](int od, int po) {
        stav = stav * 1103515245u + 12345u;
        return od + (int)((stav >> 8) % (uint32_t)(po - od + 1));
    };
    for (int k = 0; k < 8; k++) {
        SCOPED_TRACE("scene " + std::to_string(k));
        Scena s = NovaScena(medzi(50, 160), medzi(40, 120));
        for (int tvar = medzi(3, 25); tvar > 0; tvar--) {
            int x = medzi(0, s.w - 1), y = medzi(0, s.h - 1), v = 128 + medzi(-8, 40);
            COLORREF c = medzi(0, 5) ? RGB(v, v, v) : RGB(v, v, v + 1);
            if (medzi(0, 1))
                Obdlznik(&s, x, y, x + medzi(0, 20), y + medzi(0, 20), c);
            else
                Kruh(&s, x, y, medzi(1, 12), c);
        }
        std::string subor = "scena" + std::to_string(k) + ".png";
        UlozPng(s, a + "/" + subor);
        Najdene n = Hladaj(s, RECT{20, 10, 35, 30}, 4, 3, 40);
        Beh b = Spusti(a, "--band 4 --min 3 --fill 40 --exclude 20,10,35,30 --rects " + subor);
        EXPECT_EQ(b.kod, 0) << b.err;
        EXPECT_EQ(b.out, AkoRiadky(n.centers, n.objekty));
        std::string strede;
        for (const POINT& p : n.centers) strede += std::to_string(p.x) + "," + std::to_string(p.y) + "\n";
        EXPECT_EQ(Spusti(a, "--band 4 --min 3 --fill 40 --exclude 20,10,35,30 " + subor).out, strede);
    }
}

// --colour and --tolerance find in a file what the search finds for that colour: a colour 3 off
// joins at tolerance 3, one 4 off at 4.
TEST(ScanCommand, ColourFindsWhatTheSearchFinds)
{
    std::string a = Adresar();
    Scena s = NovaScena(120, 90);
    Obdlznik(&s, 5, 5, 30, 30, RGB(200, 40, 40));
    Obdlznik(&s, 40, 5, 70, 35, RGB(203, 37, 43));
    Kruh(&s, 90, 60, 15, RGB(196, 40, 40));
    Obdlznik(&s, 5, 50, 40, 80, kSeda);
    UlozPng(s, a + "/farby.png");
    StavHladania stav = {};
    for (int tolerancia : {0, 3, 4}) {
        SCOPED_TRACE("tolerance " + std::to_string(tolerancia));
        stav.vyber = VyberBodov{true, RGB(200, 40, 40), tolerancia};
        const int pocet = HladajSoStavom(&stav, s.w, s.h, s.farby.data(), kNicNevylucit, 0, 5, 50);
        EXPECT_EQ(pocet, tolerancia == 0 ? 1 : tolerancia == 3 ? 2 : 3);
        Beh b = Spusti(a, "--colour 200,40,40 --tolerance " + std::to_string(tolerancia) +
                              " --min 5 --fill 50 --rects farby.png");
        EXPECT_EQ(b.kod, 0) << b.err;
        EXPECT_EQ(b.out, AkoRiadky(std::vector<POINT>(stav.centers, stav.centers + pocet),
                                   std::vector<RECT>(stav.objekty, stav.objekty + pocet)));
    }
    UvolniStav(&stav);
}

TEST(ScanCommand, OutWritesTheCentresFile)
{
    std::string a = Adresar();
    Scena s = NovaScena(100, 50);
    Obdlznik(&s, 10, 10, 39, 39, kSeda);
    Obdlznik(&s, 50, 10, 79, 39, kSeda);
    UlozPng(s, a + "/dva.png");
    Beh b = Spusti(a, "--band 4 --min 5 --fill 5 --out Stredy.txt dva.png");
    EXPECT_EQ(b.kod, 0) << b.err;
    EXPECT_EQ(b.out, "24,24\n64,24\n");
    EXPECT_EQ(Obsah(a + "/Stredy.txt"), "24,24\r\n64,24\r\n");
    // Nothing found: the file is emptied.
    b = Spusti(a, "--band 2 --out Stredy.txt dva.png");
    EXPECT_EQ(b.kod, 0) << b.err;
    EXPECT_EQ(b.out, "");
    EXPECT_EQ(Obsah(a + "/Stredy.txt"), "");
}

// --out writes the file named alone: a FILE.tmp (here the image) stays, standard output is written
// into, the lines are printed when the centres cannot be. `stav` is what w holds: "@" the image, "C" the centres.
TEST(ScanCommand, OutWritesOnlyTheFileNamed)
{
    const std::string a = Adresar(), riadok = "24,24,10,10,39,39\n";
    struct Pripad { const char* nazov; std::string argumenty; int kod; std::string out, err, stav; };
    const Pripad pripady[] = {
        {"FILE.tmp is the image", "w/shot w/shot.tmp", 0, riadok, "", "shot=C\nshot.tmp=@\n"},
        {"standard output, a file", "/dev/stdout w/shot.tmp", 0, "24,24\r\n" + riadok, "", "shot.tmp=@\n"},
        {"a folder", "w w/shot.tmp", 2, riadok, "zentrivo-scan: w: cannot write the centres file\n", "shot.tmp=@\n"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        ASSERT_EQ(std::system(("cd '" + a + "' && rm -rf w && mkdir w").c_str()), 0);
        UlozPng(Stvorec(), a + "/w/shot.tmp");
        const std::string png = Obsah(a + "/w/shot.tmp");
        Beh b = Spusti(a, std::string(kNajdiStvorec) + " --out " + p.argumenty);
        EXPECT_EQ(b.kod, p.kod);
        EXPECT_EQ(b.out, p.out);
        EXPECT_EQ(b.err, p.err);
        std::string stav;
        for (char z : p.stav) stav += z == '@' ? png : z == 'C' ? "24,24\r\n" : std::string(1, z);
        EXPECT_EQ(StavAdresara(a + "/w"), stav);
    }
}

// "--" ends the options: names that start with - are images after it, and - is still standard input.
TEST(ScanCommand, DoubleDashEndsTheOptions)
{
    const std::string a = Adresar();
    UlozPng(Stvorec(), a + "/--band");
    Beh b = Spusti(a, std::string(kNajdiStvorec) + " -- --band - <./--band");
    EXPECT_EQ(b.kod, 0) << b.err;
    EXPECT_EQ(b.out, "--band:24,24,10,10,39,39\n-:24,24,10,10,39,39\n");
}

TEST(ScanCommand, UnwritableOutputIsAnError)
{
    std::string a = Adresar();
    UlozPng(Stvorec(), a + "/stvorec.png");
    for (const std::string& argumenty : {std::string(kNajdiStvorec) + " stvorec.png", std::string("--help")}) {
        SCOPED_TRACE(argumenty);
        Beh b = Spusti(a, argumenty, ">/dev/full");
        EXPECT_EQ(b.kod, 2);
        EXPECT_EQ(b.err, "zentrivo-scan: cannot write standard output\n");
    }
}

TEST(ScanSample, CommittedPictureComesFromItsGenerator)
{
    std::string a = Adresar();
    ASSERT_EQ(std::system(("'" MAKE_DESKTOP "' '" + a + "/desktop.png'").c_str()), 0);
    int w1, h1, n1, w2, h2, n2;
    unsigned char* novy = stbi_load((a + "/desktop.png").c_str(), &w1, &h1, &n1, 3);
    unsigned char* ulozeny = stbi_load(SAMPLE_DESKTOP, &w2, &h2, &n2, 3);
    ASSERT_NE(novy, nullptr);
    ASSERT_NE(ulozeny, nullptr);
    EXPECT_EQ(w1, w2);
    EXPECT_EQ(h1, h2);
    if (w1 == w2 && h1 == h2) {
        EXPECT_EQ(memcmp(novy, ulozeny, (size_t)3 * w1 * h1), 0);
    }
    stbi_image_free(novy);
    stbi_image_free(ulozeny);
}

TEST(ScanSample, FindsTheIconsAndTheStartButton)
{
    std::string a = Adresar();
    struct Pripad {
        const char* volby;
        const char* vystup;
    };
    const Pripad pripady[] = {
        {"--rects", "43,43,20,20,67,67\n44,120,20,96,68,144\n23,747,4,732,43,763\n"},
        {"--rects --fill 50", "43,43,20,20,67,67\n44,120,20,96,68,144\n44,189,25,170,63,209\n23,747,4,732,43,763\n"},
        {"--band 4", "879,329\n"},
        {"--band 6", "657,521\n742,521\n"},
        {"--band 7 --rects", "499,339,200,130,799,549\n"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.volby);
        Beh b = Spusti(a, std::string(p.volby) + " '" SAMPLE_DESKTOP "'");
        EXPECT_EQ(b.kod, 0) << b.err;
        EXPECT_EQ(b.out, p.vystup);
    }
}

}  // namespace
