// zentrivo-scan --json with any file name: every line is JSON, "image" is UTF-8 and "image_bytes"
// gives back the name's exact bytes where they are not.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/scan_pomoc.h"

namespace {

std::string Hex(const std::string& s)
{
    static const char kCifry[] = "0123456789abcdef";
    std::string h;
    for (unsigned char z : s) h += {kCifry[z >> 4], kCifry[z & 15]};
    return h;
}

TEST(ScanNames, JsonLinesParseWhateverTheName)
{
    if (std::system("python3 -c 'import json, base64' 2>/dev/null") != 0) GTEST_SKIP() << "no python3";
    const std::string a = Adresar();
    struct Pripad {
        std::string meno, obraz;  // the file's name, and "image" as JSON gives it back
        bool bajty;               // whether the line also carries "image_bytes"
    };
    const std::string kNahrada = "\xEF\xBF\xBD";  // U+FFFD
    const std::vector<Pripad> pripady = {
        {"zly\xFF.png", "zly" + kNahrada + ".png", true},
        {"kratky\xE2\x82.png", "kratky" + kNahrada + ".png", true},
        {"surogat\xED\xA0\x80.png", "surogat" + kNahrada + kNahrada + kNahrada + ".png", true},
        {"riadok\nznak\x01.png", "riadok\nznak\x01.png", false},
        {"uvodzovka\"a\\lomka.png", "uvodzovka\"a\\lomka.png", false},
        {"sn\xC3\xADmka-\xD1\x81\xD0\xBD\xD0\xB8\xD0\xBC\xD0\xBE\xD0\xBA.png",
         "sn\xC3\xADmka-\xD1\x81\xD0\xBD\xD0\xB8\xD0\xBC\xD0\xBE\xD0\xBA.png", false},
    };
    UlozPng(Stvorec(), a + "/s.png");
    std::string argumenty = "--band 4 --min 5 --fill 5 --json";
    std::string ocakavane;
    for (const Pripad& p : pripady) {
        Zapis(a + "/" + p.meno, Obsah(a + "/s.png"));
        argumenty += " '" + p.meno + "'";
        ocakavane += Hex(p.obraz) + " " + (p.bajty ? Hex(p.meno) : "-") + " 24 24\n";
    }
    const Beh b = Spusti(a, argumenty);
    ASSERT_EQ(b.kod, 0) << b.err;
    // Each line decoded as strict UTF-8 and read by Python's json: "image" and the bytes of
    // "image_bytes" in hex, and the centre.
    Zapis(a + "/citaj.py",
          "import base64, json, sys\n"
          "for riadok in open(sys.argv[1], 'rb'):\n"
          "    o = json.loads(riadok.decode('utf-8'))\n"
          "    b = base64.b64decode(o['image_bytes'], validate=True).hex() if 'image_bytes' in o else '-'\n"
          "    print(o['image'].encode('utf-8').hex(), b, o['x'], o['y'])\n");
    ASSERT_EQ(std::system(("cd '" + a + "' && python3 citaj.py out >precitane 2>chyby").c_str()), 0)
        << Obsah(a + "/chyby");
    EXPECT_EQ(Obsah(a + "/precitane"), ocakavane);
}

}  // namespace
