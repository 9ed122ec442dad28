// The readout strip: one box and five labels from the client size, the cursor and the pixel's colour.
#include <gtest/gtest.h>

#include "stubs/kit_zaznam.h"
#include "tracking/sledovanie.h"

static const HDC PLATNO = (HDC)(uintptr_t)0x5500;

TEST(Sledovanie, StripAndFiveLabels)
{
    struct Pripad {
        int w, h, x, y;
        COLORREF farba;
        const char* texty[5];
    };
    const Pripad pripady[] = {
        {218, 200, 640, 480, RGB(12, 34, 56), {"x=640", "y=480", "R=12", "G=34", "B=56"}},
        {218, 183, -5, -1080, RGB(170, 170, 170), {"x=-5", "y=-1080", "R=170", "G=170", "B=170"}},
        {300, 50, 0, 0, CLR_INVALID, {"x=0", "y=0", "R=255", "G=255", "B=255"}},
        {100, 17, -2147483647 - 1, 2147483647, RGB(255, 0, 128), {"x=-2147483648", "y=2147483647", "R=255", "G=0",
                                                                  "B=128"}},
    };
    const char* const formaty[5] = {"x=%d", "y=%d", "R=%d", "G=%d", "B=%d"};
    const COLORREF farby[5] = {RGB(255, 255, 0), RGB(0, 250, 250), RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(std::string("readout ") + p.texty[0] + " " + p.texty[1] + " width " + std::to_string(p.w));
        ZaznamVymaz();
        KresliSledovanie(PLATNO, p.w, p.h, p.x, p.y, p.farba);
        ASSERT_EQ(g_zaznam.size(), 6u);
        const Volanie& pas = g_zaznam[0];
        ASSERT_EQ(pas.druh, VOLANIE_OKIENKO);
        EXPECT_EQ(pas.hdc, PLATNO);
        EXPECT_EQ(pas.farba, RGB(145, 145, 145));
        EXPECT_EQ(pas.vypln, RGB(170, 170, 170));
        EXPECT_EQ(pas.roh, 0);
        EXPECT_EQ(pas.x, 0);
        EXPECT_EQ(pas.y, p.h - 17);
        EXPECT_EQ(pas.sirka, p.w);
        EXPECT_EQ(pas.vyska, 17);
        const int xy[5] = {10, 50, p.w - 114, p.w - 77, p.w - 38};
        for (int i = 0; i < 5; ++i) {
            const Volanie& v = g_zaznam[i + 1];
            SCOPED_TRACE(ZaznamPopis(v));
            ASSERT_EQ(v.druh, VOLANIE_NAPIS);
            EXPECT_EQ(v.hdc, PLATNO);
            EXPECT_EQ(v.format, formaty[i]);
            EXPECT_EQ(v.text, p.texty[i]);
            EXPECT_EQ(v.x, xy[i]);
            EXPECT_EQ(v.y, p.h - 15);
            EXPECT_EQ(v.farba, farby[i]);
            EXPECT_EQ(v.pismo, "Segoe UI");
            EXPECT_EQ(v.vyska_pisma, -11);
            EXPECT_EQ(v.hrube, 0);
            EXPECT_EQ(v.zvisle, 0);
        }
    }
}
