// Running an event to the end: the ordered calls the shell makes, with the state each call sees.
#include "shell/vykonaj_akcie.h"
#include "shell_pomoc.h"
#include <gtest/gtest.h>

static std::vector<std::string> zaznam;
static int najdene;  // what the stand-in search returns
static int zapis;    // what the stand-in centres file returns: 0 written
static HWND okno = reinterpret_cast<HWND>(0x1234);

static std::string Okno(HWND h)
{
    return h == okno ? "" : " (wrong window)";
}

static void Prekresli(HWND h)
{
    zaznam.push_back("repaint status " + std::to_string(status) + " N " + std::to_string(PocetObjektov) +
                     " object " + std::to_string(cislo_objektu) + Okno(h));
}

static int Hladaj(HWND h, int stupen, int velkost, int percento)
{
    zaznam.push_back("search " + std::to_string(stupen) + " " + std::to_string(velkost) + " " +
                     std::to_string(percento) + " while status " + std::to_string(status) + Okno(h));
    return najdene;
}

static int Zapis(const char* subor, const POINT* body, int pocet)
{
    zaznam.push_back(std::string("file ") + subor + " " + std::to_string(pocet) +
                     (body == centers ? "" : " (not centers)"));
    return zapis;
}

static void Kurzor(int x, int y)
{
    zaznam.push_back("cursor " + std::to_string(x) + "," + std::to_string(y));
}

static void Zatvor(HWND h)
{
    zaznam.push_back("close" + Okno(h));
}

static const Vykonavac VYKONAVAC = {Prekresli, Hladaj, Zapis, Kurzor, Zatvor};

static std::vector<std::string> Stlac(UINT vk)
{
    zaznam.clear();
    Akcie a;
    UdalostKlavesa(&a, vk, 1920);
    VykonajAkcie(okno, &a, &VYKONAVAC);
    return zaznam;
}

using Zoznam = std::vector<std::string>;

TEST(RunEnter, ObjectsFound)
{
    NastavPociatocnyStav();
    ZaistiVysledky();
    stupne_sedi = 4;
    najdene = 3;
    EXPECT_EQ(Stlac(VK_RETURN), (Zoznam{"repaint status 1 N 0 object 0", "search 4 20 70 while status 1",
                                        "file Stredy.txt 3", "repaint status 2 N 3 object 1"}));
}

TEST(RunEnter, NothingFound)
{
    NastavPociatocnyStav();
    ZaistiVysledky();
    najdene = 0;
    EXPECT_EQ(Stlac(VK_RETURN), (Zoznam{"repaint status 1 N 0 object 0", "search 0 20 70 while status 1",
                                        "file Stredy.txt 0", "repaint status 3 N 0 object 0"}));
}

TEST(RunEnter, Line4SelectedThenNothingFound)
{
    StavPoHladani(4, 3, 4, 2);
    ZaistiVysledky();
    najdene = 2;
    EXPECT_EQ(Stlac(VK_RETURN), (Zoznam{"repaint status 1 N 4 object 3", "search 0 20 70 while status 1",
                                        "file Stredy.txt 2", "repaint status 2 N 2 object 2"}));
    EXPECT_EQ(volba, 4u);
    najdene = 0;
    EXPECT_EQ(Stlac(VK_RETURN), (Zoznam{"repaint status 1 N 2 object 2", "search 0 20 70 while status 1",
                                        "file Stredy.txt 0", "repaint status 3 N 0 object 0"}));
    EXPECT_EQ(volba, 2u);
}

// A search that cannot run writes no file and shows its own status; no object is known afterwards.
// A file that cannot be written shows its own status, and the objects found still count.
TEST(RunEnter, FailedSearchAndUnwritableFile)
{
    struct Pripad {
        const char* nazov;
        int najdene, zapis;
        Zoznam po_hladani;
        DWORD volba;
    };
    const Pripad pripady[] = {
        {"search fails", -1, 0, {"repaint status 4 N 0 object 0"}, 2},
        {"file not written", 3, 1, {"file Stredy.txt 3", "repaint status 5 N 3 object 2"}, 4},
        {"nothing found, file not written", 0, 1, {"file Stredy.txt 0", "repaint status 5 N 0 object 0"}, 2},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        StavPoHladani(4, 2, 4, 2);  // an earlier search found objects, and line 4 is selected
        ZaistiVysledky();
        najdene = p.najdene;
        zapis = p.zapis;
        Zoznam ocakavane = {"repaint status 1 N 4 object 2", "search 0 20 70 while status 1"};
        ocakavane.insert(ocakavane.end(), p.po_hladani.begin(), p.po_hladani.end());
        EXPECT_EQ(Stlac(VK_RETURN), ocakavane);
        EXPECT_EQ(volba, p.volba);
        EXPECT_EQ(vypinac_TAB, 1);
    }
    zapis = 0;
    // After the unwritable file, TAB goes on as after any search.
    najdene = 2;
    zapis = 1;
    NastavPociatocnyStav();
    centers[0] = POINT{5, 6};
    Stlac(VK_RETURN);
    zapis = 0;
    EXPECT_EQ(Stlac(VK_TAB), (Zoznam{"cursor 5,6", "repaint status 5 N 2 object 1"}));
}

TEST(RunEnter, TabAfterTheSearchVisitsTheFoundCentres)
{
    NastavPociatocnyStav();
    ZaistiVysledky();
    centers[0] = POINT{5, 6};
    centers[1] = POINT{-7, 8};
    najdene = 2;
    Stlac(VK_RETURN);
    EXPECT_EQ(Stlac(VK_TAB), (Zoznam{"cursor 5,6", "repaint status 2 N 2 object 1"}));
    EXPECT_EQ(Stlac(VK_TAB), (Zoznam{"cursor -7,8", "repaint status 2 N 2 object 2"}));
    EXPECT_EQ(Stlac(VK_TAB), (Zoznam{"cursor 5,6", "repaint status 2 N 2 object 1"}));
}

TEST(RunEvents, EscClosesTheWindowAndNullActionsAreSkipped)
{
    NastavPociatocnyStav();
    EXPECT_EQ(Stlac(VK_ESCAPE), Zoznam{"close"});
    // only a repaint wanted: every other kind left out, and a search without a function finds nothing
    Vykonavac iba = {Prekresli, nullptr, nullptr, nullptr, nullptr};
    zaznam.clear();
    Akcie a;
    UdalostKlavesa(&a, VK_RETURN, 1920);
    VykonajAkcie(okno, &a, &iba);
    EXPECT_EQ(zaznam, (Zoznam{"repaint status 1 N 0 object 0", "repaint status 3 N 0 object 0"}));
}
