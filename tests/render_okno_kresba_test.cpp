// Layout of the control window, drawn onto the recording double of the kit.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "render/okno_kresba.h"
#include "search/vysledky.h"
#include "shell/stav.h"
#include "stubs/kit_zaznam.h"
#include "tests/okno_stav.h"

static const HDC PLATNO = (HDC)(uintptr_t)0x4400;

using Stav = StavOkna;

static RECT s_objekty[2] = {{10, 5, 21, 34}, {100, 200, 149, 219}};

static const Stav PRED_HLADANIM = {0, 20, 70, 1, 0, 0, 0};
static const Stav NAJDENE_VOLBA_2 = {3, 25, 100, 2, 2, 2, 2};
static const Stav NAJDENE_VOLBA_4 = {2, 20, 75, 4, 2, 1, 2};
static const Stav NIC_NENASLO = {7, 20, 50, 3, 0, 0, 3};

static std::vector<Volanie> Kresli(const Stav& s)
{
    NastavStavOkna(s);
    objekty = s_objekty;
    ZaznamVymaz();
    HDC platno = PLATNO;
    OnWM_PAINT(&platno, nullptr);
    return g_zaznam;
}

// A short name per call: the text for labels, the kind of box by its fill, runs of lines counted.
static std::vector<std::string> Postupnost(const std::vector<Volanie>& z)
{
    std::vector<std::string> out;
    int ciar = 0;
    for (size_t i = 0; i <= z.size(); ++i) {
        if (i < z.size() && z[i].druh == VOLANIE_USECKA) {
            ++ciar;
            continue;
        }
        if (ciar) out.push_back("line x" + std::to_string(ciar));
        ciar = 0;
        if (i == z.size()) break;
        const Volanie& v = z[i];
        switch (v.druh) {
        case VOLANIE_NAPIS: out.push_back(v.text); break;
        case VOLANIE_KLAVESA_MALA: out.push_back("[" + v.text + "]"); break;
        case VOLANIE_OKIENKO:
            out.push_back(v.vypln == RGB(205, 205, 205)   ? "box"
                          : v.vypln == RGB(255, 255, 140) ? "highlight"
                          : v.vypln == RGB(230, 240, 240) ? "status box"
                                                          : "other box");
            break;
        default: out.push_back(NazovDruhu(v.druh)); break;
        }
    }
    return out;
}

// Key help: the same eight calls at the end of every picture.
static const std::vector<std::string> POMOC = {"[ESC]",     "- koniec",   "SipkaHore",   " - v\xfd" "ber",
                                               "SipkaDole", "SipkaVlavo", "SipkaVpravo", " - zmena"};

static std::vector<std::string> SPomocou(std::vector<std::string> zaciatok)
{
    zaciatok.insert(zaciatok.end(), POMOC.begin(), POMOC.end());
    return zaciatok;
}

TEST(OknoKresba, CallSequenceInEachState)
{
    struct Pripad {
        const char* nazov;
        Stav stav;
        std::vector<std::string> ocakavane;
    };
    const Pripad pripady[] = {
        {"before any search", PRED_HLADANIM,
         SPomocou({"Stupne \x9a" "edi", "1", "box", "highlight", "1", "line x32", "0", "31", "Min. rozmer", "20",
                   "box", "20", "pixelov", "V\xfdpl\xf2 objektu", "70", "box", "70", "%", "status box",
                   "ENTER - h\xbe" "adanie"})},
        {"found, volba 2, fill 100", NAJDENE_VOLBA_2,
         SPomocou({"Stupne \x9a" "edi", "4", "box", "4", "line x32", "96", "127", "Min. rozmer", "25", "box",
                   "highlight", "25", "pixelov", "V\xfdpl\xf2 objektu", "100", "box", "100", "%", "\x9atvorec",
                   "[TAB]", " - my\x9a na stred objektu \xe8.", "2", "box", "2", "50 x ", "20", "status box",
                   "Po\xe8" "et objektov 2"})},
        {"found, volba 4, fill 75", NAJDENE_VOLBA_4,
         SPomocou({"Stupne \x9a" "edi", "3", "box", "3", "line x32", "64", "95", "Min. rozmer", "20", "box", "20",
                   "pixelov", "V\xfdpl\xf2 objektu", "75", "box", "75", "%", ">kruh", "[TAB]",
                   " - my\x9a na stred objektu \xe8.", "1", "box", "highlight", "1", "12 x ", "30", "status box",
                   "Po\xe8" "et objektov 2"})},
        {"nothing found, grey 7, fill 50", NIC_NENASLO,
         SPomocou({"Stupne \x9a" "edi", "8", "box", "8", "line x32", "224", "255", "Min. rozmer", "20", "box",
                   "20", "pixelov", "V\xfdpl\xf2 objektu", "50", "box", "highlight", "50", "%",
                   ">trojuholn\xedk", "status box", "Ni\xe8 sa nena\x9alo"})},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        const std::vector<Volanie> z = Kresli(p.stav);
        EXPECT_EQ(Postupnost(z), p.ocakavane);
        for (const Volanie& v : z) EXPECT_EQ(v.hdc, PLATNO) << ZaznamPopis(v);
    }
}

TEST(OknoKresba, StatusTexts)
{
    struct Pripad {
        int stat, pocet;
        const char* format;
        const char* text;
        int x, dy;
        const char* pismo;
        COLORREF farba;
        int vyska = -13;
    };
    const Pripad pripady[] = {
        {0, 0, "ENTER - h\xbe" "adanie", "ENTER - h\xbe" "adanie", 55, 1, "Segoe UI", RGB(0, 160, 160)},
        {1, 0, "H \xbe a d \xe1 m", "H \xbe a d \xe1 m", 71, 1, "Segoe UI", RGB(0, 200, 200)},
        {2, 17, "Po\xe8" "et objektov %d", "Po\xe8" "et objektov 17", 47, 2, "System", RGB(0, 0, 200)},
        {3, 0, "Ni\xe8 sa nena\x9alo", "Ni\xe8 sa nena\x9alo", 63, 1, "Segoe UI", RGB(250, 0, 0)},
        // The search failed; the centres file could not be written (with objects found, or without).
        {4, 0, "H\xbe" "adanie zlyhalo", "H\xbe" "adanie zlyhalo", 52, 1, "Segoe UI", RGB(190, 0, 140)},
        {5, 17, "Stredy.txt neulo\x9e" "en\xe9", "Stredy.txt neulo\x9e" "en\xe9", 42, 2, "Segoe UI", RGB(215, 105, 0), -12},
        {5, 0, "Stredy.txt neulo\x9e" "en\xe9", "Stredy.txt neulo\x9e" "en\xe9", 42, 2, "Segoe UI", RGB(215, 105, 0), -12},
        {6, 0, nullptr, nullptr, 0, 0, nullptr, 0},
        {-1, 0, nullptr, nullptr, 0, 0, nullptr, 0},
    };
    std::set<COLORREF> farby;
    for (const Pripad& p : pripady) {
        SCOPED_TRACE("status " + std::to_string(p.stat));
        const std::vector<Volanie> z = Kresli({0, 20, 70, 1, p.pocet, p.pocet ? 1 : 0, p.stat});
        size_t i = 0;
        while (i < z.size() && !(z[i].druh == VOLANIE_OKIENKO && z[i].vypln == RGB(230, 240, 240))) ++i;
        ASSERT_LT(i + 1, z.size());
        const Volanie& box = z[i];
        EXPECT_EQ(box.farba, RGB(160, 210, 210));
        EXPECT_EQ(box.roh, 16);
        EXPECT_EQ(box.x, 35);
        EXPECT_EQ(box.sirka, 140);
        EXPECT_EQ(box.vyska, 21);
        const Volanie& t = z[i + 1];
        if (!p.text) {
            EXPECT_EQ(t.druh, VOLANIE_KLAVESA_MALA) << "the box stays empty";
            continue;
        }
        ASSERT_EQ(t.druh, VOLANIE_NAPIS);
        EXPECT_EQ(t.format, p.format);
        EXPECT_EQ(t.text, p.text);
        EXPECT_EQ(t.x, p.x);
        EXPECT_EQ(t.y, box.y + p.dy);
        EXPECT_EQ(t.pismo, p.pismo);
        EXPECT_EQ(t.vyska_pisma, p.vyska);
        EXPECT_EQ(t.hrube, 0);
        EXPECT_EQ(t.zvisle, 0);
        EXPECT_EQ(t.farba, p.farba);
        farby.insert(t.farba);
    }
    EXPECT_EQ(farby.size(), 6u) << "each status has a colour of its own";
}

// Indices of the calls in a picture with objects, volba 4 and fill 100 (see CallSequenceInEachState).
enum {
    R1 = 0, R2_PRVA = 1, R2_BOX = 2, R2 = 3, R3 = 4, R4 = 36, R5 = 37, R6 = 38, R7_PRVA = 39, R7_BOX = 40,
    R7 = 41, R8 = 42, R9 = 43, R10_PRVA = 44, R10_BOX = 45, R10 = 46, R11 = 47, R12 = 48, R13 = 49, R14 = 50,
    R15_PRVA = 51, R15_BOX = 52, R15_ZVYR = 53, R15 = 54, R16 = 55, R17 = 56, R18 = 57, R19 = 58, R20 = 59,
    R21 = 60, R22 = 61, R23 = 62, R24 = 63, R25 = 64, R26 = 65, R27 = 66, SPOLU = 67
};

TEST(OknoKresba, PositionsFollowTheExtents)
{
    const std::vector<Volanie> z = Kresli({5, 20, 100, 4, 1, 1, 2});
    ASSERT_EQ(z.size(), (size_t)SPOLU);
    auto ext = [&](int i) { return z[i].rozmer; };
    auto pri = [&](int i, int x, int y) {
        SCOPED_TRACE(ZaznamPopis(z[i]));
        EXPECT_EQ(z[i].x, x);
        EXPECT_EQ(z[i].y, y);
    };
    auto box = [&](int i, int vx, int vy, int cx) {
        SCOPED_TRACE(ZaznamPopis(z[i]));
        EXPECT_EQ(z[i].druh, VOLANIE_OKIENKO);
        EXPECT_EQ(z[i].x, vx - 6);
        EXPECT_EQ(z[i].y, vy - 2);
        EXPECT_EQ(z[i].sirka, cx + 12);
        EXPECT_EQ(z[i].vyska, 21);
        EXPECT_EQ(z[i].roh, 12);
    };
    // Heights of the double: value 18, label 15, object size 12.
    const int y2 = 40, y3 = 64, y4 = 88, y5 = 105, ys = 120;

    pri(R1, 10, 12);
    const int x1 = 10 + ext(R1).cx + 15;
    pri(R2_PRVA, x1, 10);
    box(R2_BOX, x1, 10, ext(R2_PRVA).cx);
    pri(R2, x1, 10);
    const int g = x1 + ext(R2).cx + 19;
    for (int i = 0; i < 32; ++i) {
        const Volanie& v = z[R3 + i];
        SCOPED_TRACE(ZaznamPopis(v));
        EXPECT_EQ(v.x, g + 2 * (i + 1));
        EXPECT_EQ(v.x2, v.x);
        EXPECT_EQ(v.y, 16);
        EXPECT_EQ(v.y2, 26);
        EXPECT_EQ(v.hrubka, 2);
    }
    pri(R4, g, 4);
    pri(R5, g + 55, 4);

    pri(R6, 10, y2);
    const int x2 = 10 + ext(R6).cx + 12;
    pri(R7_PRVA, x2, y2 - 2); // the minimum size's first drawing sits 2 higher, under its box
    box(R7_BOX, x2, y2, ext(R7_PRVA).cx);
    pri(R7, x2, y2);
    pri(R8, x2 + ext(R7).cx + 11, y2);

    pri(R9, 10, y3);
    const int x3 = 10 + ext(R9).cx + 12;
    pri(R10_PRVA, x3, y3);
    box(R10_BOX, x3, y3, ext(R10_PRVA).cx);
    pri(R10, x3, y3);
    const int p = x3 + ext(R10).cx + 9;
    pri(R11, p, y3);
    pri(R12, p + ext(R11).cx + 11 + 2, y3);

    pri(R13, 7, y4);
    EXPECT_EQ(z[R13].roh, 6);
    const int t = 7 + ext(R13).cx + 11;
    pri(R14, t, y4);
    const int x4 = t + ext(R14).cx + 8;
    pri(R15_PRVA, x4, y4 - 1);
    box(R15_BOX, x4, y4 - 1, ext(R15_PRVA).cx);
    box(R15_ZVYR, x4, y4 - 1, ext(R15_PRVA).cx);
    pri(R15, x4, y4 - 1);
    pri(R16, 83, y5);
    pri(R17, 83 + ext(R16).cx, y5);

    pri(R18, 35, ys);
    pri(R19, 47, ys + 2);
    pri(R20, 8, 169);
    EXPECT_EQ(z[R20].roh, 6);
    pri(R21, 8 + ext(R20).cx + 13, 171);
    pri(R22, 115, 141);
    pri(R23, 138, 145);
    pri(R24, 115, 164);
    pri(R25, 92, 164);
    pri(R26, 138, 164);
    pri(R27, 161, 168);
    for (int i : {R22, R24, R25, R26}) EXPECT_EQ(z[i].velkost, 21) << ZaznamPopis(z[i]);
}

TEST(OknoKresba, TextStyles)
{
    const std::vector<Volanie> z = Kresli({5, 20, 100, 4, 1, 1, 2});
    ASSERT_EQ(z.size(), (size_t)SPOLU);
    struct Styl {
        const char* nazov;
        std::vector<int> riadky;
        const char* pismo;
        int vyska, hrube;
        COLORREF farba;
    };
    const Styl styly[] = {
        {"label", {R1, R6, R8, R9, R11, R14}, "Segoe UI", -12, 0, RGB(0, 0, 160)},
        {"value", {R2_PRVA, R2, R7_PRVA, R7, R10_PRVA, R10, R15_PRVA, R15}, "System", -15, 1, RGB(0, 0, 0)},
        {"band number", {R4, R5}, "Tahoma", -9, 0, RGB(90, 90, 90)},
        {"shape hint", {R12}, "Segoe UI", -11, 0, RGB(140, 140, 140)},
        {"object size", {R16, R17}, "Verdana", -9, 0, RGB(140, 140, 140)},
        {"key help", {R21, R23, R27}, "Verdana", -9, 0, RGB(0, 0, 160)},
    };
    for (const Styl& s : styly) {
        for (int i : s.riadky) {
            SCOPED_TRACE(std::string(s.nazov) + ": " + ZaznamPopis(z[i]));
            ASSERT_EQ(z[i].druh, VOLANIE_NAPIS);
            EXPECT_EQ(z[i].pismo, s.pismo);
            EXPECT_EQ(z[i].vyska_pisma, s.vyska);
            EXPECT_EQ(z[i].hrube, s.hrube);
            EXPECT_EQ(z[i].zvisle, 0);
            EXPECT_EQ(z[i].farba, s.farba);
        }
    }
    // Formats that print no number get -1; "%%" prints one percent sign.
    EXPECT_EQ(z[R11].format, "%%");
    EXPECT_EQ(z[R11].text, "%");
    for (int i : {R1, R6, R8, R9, R11, R12, R14, R21, R23, R27}) EXPECT_EQ(z[i].hodnota, -1) << ZaznamPopis(z[i]);
}

TEST(OknoKresba, StatusRowUsesDoublePrecisionFactors)
{
    // Every extent 20 x 10: Y2 = 28, Y3 = 44, Y4 = 60, Y5 = 69. 10 x 1.3 must give 13, not 12.
    struct Pripad {
        const char* nazov;
        Stav stav;
        int ys;
    };
    const Pripad pripady[] = {
        {"with objects: Y5 + 13", NAJDENE_VOLBA_4, 69 + 13},
        {"without objects: Y3 + 24", PRED_HLADANIM, 44 + 24},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        Kresli(p.stav); // sets the state; drawn again with fixed extents below
        ZaznamVymaz();
        ZaznamPevnyRozmer(20, 10);
        HDC platno = PLATNO;
        OnWM_PAINT(&platno, nullptr);
        const std::vector<Volanie> texty = ZaznamDruhu(VOLANIE_NAPIS);
        bool nasiel = false;
        for (const Volanie& v : g_zaznam)
            if (v.druh == VOLANIE_OKIENKO && v.vypln == RGB(230, 240, 240)) {
                EXPECT_EQ(v.y, p.ys);
                nasiel = true;
            }
        EXPECT_TRUE(nasiel);
        for (const Volanie& v : texty) {
            if (v.format == "Min. rozmer") {
                EXPECT_EQ(v.y, 28);
            } else if (v.format == "V\xfdpl\xf2 objektu") {
                EXPECT_EQ(v.y, 44);
            } else if (v.format == "%d x ") {
                EXPECT_EQ(v.y, 69);
            }
        }
    }
}

TEST(OknoKresba, SelectedLineIsHighlighted)
{
    // Values 3, 21, 70, 1 tell the lines apart.
    const char* const hodnoty[] = {"3", "21", "70", "1"};
    for (DWORD vyber = 0; vyber <= 5; ++vyber) {
        SCOPED_TRACE("volba " + std::to_string(vyber));
        const std::vector<Volanie> z = Kresli({2, 21, 70, vyber, 1, 1, 2});
        std::vector<std::string> zvyraznene;
        for (size_t i = 2; i < z.size(); ++i) {
            if (z[i].druh != VOLANIE_OKIENKO || z[i].vypln != RGB(255, 255, 140)) continue;
            const Volanie& box = z[i - 1];
            EXPECT_EQ(z[i].farba, RGB(255, 230, 255));
            EXPECT_EQ(z[i].roh, 12);
            EXPECT_EQ(box.vypln, RGB(205, 205, 205));
            EXPECT_EQ(box.farba, RGB(180, 180, 180));
            EXPECT_EQ(z[i].x, box.x);
            EXPECT_EQ(z[i].y, box.y);
            EXPECT_EQ(z[i].sirka, box.sirka);
            EXPECT_EQ(z[i].vyska, box.vyska);
            zvyraznene.push_back(z[i - 2].text);
        }
        std::vector<std::string> ocakavane;
        if (vyber >= 1 && vyber <= 4) ocakavane.push_back(hodnoty[vyber - 1]);
        EXPECT_EQ(zvyraznene, ocakavane);
    }
}

TEST(OknoKresba, GreySampleAndBandNumbers)
{
    struct Pripad {
        DWORD sed;
        const char* zobrazene;
        const char* od;
        const char* po;
    };
    for (const Pripad& p : {Pripad{0, "1", "0", "31"}, Pripad{7, "8", "224", "255"}, Pripad{4, "5", "128", "159"}}) {
        SCOPED_TRACE("grey level " + std::to_string(p.sed));
        const std::vector<Volanie> z = Kresli({p.sed, 20, 70, 4, 0, 0, 0}); // volba 4: no highlight shown
        EXPECT_EQ(z[R2].text, p.zobrazene);
        EXPECT_EQ(z[R4].text, p.od);
        EXPECT_EQ(z[R5].text, p.po);
        const std::vector<Volanie> ciary = ZaznamDruhu(VOLANIE_USECKA);
        ASSERT_EQ(ciary.size(), 32u);
        for (int i = 0; i < 32; ++i) {
            const int g = (int)(32 * p.sed) + i;
            EXPECT_EQ(ciary[i].farba, RGB(g, g, g)) << "line " << i;
        }
    }
}

TEST(OknoKresba, ShapeHintByFill)
{
    struct Pripad {
        DWORD vypln;
        const char* text; // nullptr: no hint
        int posun;        // from the place where ">kruh" stands
    };
    const Pripad pripady[] = {
        {100, "\x9atvorec", 2}, {75, ">kruh", 0}, {50, ">trojuholn\xedk", -4}, {70, nullptr, 0}, {0, nullptr, 0},
        {99, nullptr, 0},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE("fill " + std::to_string(p.vypln));
        const std::vector<Volanie> z = Kresli({0, 20, p.vypln, 4, 0, 0, 0}); // volba 4: no highlight shown
        const Volanie& percento = z[R11];
        ASSERT_EQ(percento.format, "%%");
        const Volanie& dalsi = z[R12];
        if (!p.text) {
            EXPECT_EQ(dalsi.druh, VOLANIE_OKIENKO) << ZaznamPopis(dalsi);
            continue;
        }
        ASSERT_EQ(dalsi.druh, VOLANIE_NAPIS);
        EXPECT_EQ(dalsi.text, p.text);
        EXPECT_EQ(dalsi.x, percento.x + percento.rozmer.cx + 11 + p.posun);
        EXPECT_EQ(dalsi.y, percento.y);
    }
}

TEST(OknoKresba, CurrentObjectSize)
{
    const std::vector<Volanie> z = Kresli({0, 20, 100, 4, 2, 1, 2});
    ASSERT_EQ(z.size(), (size_t)SPOLU);
    EXPECT_EQ(z[R16].format, "%d x ");
    EXPECT_EQ(z[R16].text, "12 x "); // left 10, right 21
    EXPECT_EQ(z[R17].text, "30");    // top 5, bottom 34
    EXPECT_EQ(z[R15].text, "1");
}

// A current object that the lists do not hold is not read: its size line shows the empty rectangle.
TEST(OknoKresba, CurrentObjectOutsideTheLists)
{
    struct Pripad {
        const char* nazov;
        int cislo;
        bool zoznamy;
    };
    for (Pripad p : {Pripad{"none current", 0, true}, Pripad{"past the count", 3, true},
                     Pripad{"no lists", 1, false}}) {
        SCOPED_TRACE(p.nazov);
        NastavStavOkna({0, 20, 100, 4, 2, p.cislo, 2});
        objekty = p.zoznamy ? s_objekty : nullptr;
        ZaznamVymaz();
        HDC platno = PLATNO;
        OnWM_PAINT(&platno, nullptr);
        ASSERT_EQ(g_zaznam.size(), (size_t)SPOLU);
        EXPECT_EQ(g_zaznam[R16].text, "1 x ");
        EXPECT_EQ(g_zaznam[R17].text, "1");
    }
}

TEST(OknoKresba, ReadsTheStateOnly)
{
    Kresli(NAJDENE_VOLBA_2);
    EXPECT_EQ(stupne_sedi, NAJDENE_VOLBA_2.sed);
    EXPECT_EQ(VelkostObjektu, NAJDENE_VOLBA_2.velkost);
    EXPECT_EQ(percento_vyplne, NAJDENE_VOLBA_2.vypln);
    EXPECT_EQ(volba, NAJDENE_VOLBA_2.volba);
    EXPECT_EQ(PocetObjektov, NAJDENE_VOLBA_2.pocet);
    EXPECT_EQ(cislo_objektu, NAJDENE_VOLBA_2.cislo);
    EXPECT_EQ(status, NAJDENE_VOLBA_2.stat);
    EXPECT_EQ(s_objekty[1].right, 149);
}
