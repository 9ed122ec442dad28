// Arrow glyph points: centred 13.3-pixel arrows, single-precision arithmetic truncated toward zero.
#include <gtest/gtest.h>

#include "render/sipky.h"

struct Body {
    int smer;
    const char* nazov;
    int velkost, x, y;
    int ocakavane[6][2];
};

static void Over(const Body& p)
{
    SCOPED_TRACE(std::string(p.nazov) + " size " + std::to_string(p.velkost) + " at (" + std::to_string(p.x) + ", " +
                 std::to_string(p.y) + ")");
    POINT body[6];
    BodySipky(p.smer, p.velkost, p.x, p.y, body);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(body[i].x, p.ocakavane[i][0]) << "point " << i + 1;
        EXPECT_EQ(body[i].y, p.ocakavane[i][1]) << "point " << i + 1;
    }
}

TEST(Sipky, Size21AtTheOrigin)
{
    const Body pripady[] = {
        {SIPKA_VPRAVO, "right", 21, 0, 0, {{3, 10}, {10, 10}, {10, 14}, {16, 10}, {10, 6}, {10, 10}}},
        {SIPKA_VLAVO, "left", 21, 0, 0, {{17, 10}, {10, 10}, {10, 14}, {3, 10}, {10, 6}, {10, 10}}},
        {SIPKA_HORE, "up", 21, 0, 0, {{10, 17}, {10, 10}, {14, 10}, {10, 3}, {6, 10}, {10, 10}}},
        {SIPKA_DOLE, "down", 21, 0, 0, {{10, 3}, {10, 10}, {14, 10}, {10, 16}, {6, 10}, {10, 10}}},
    };
    for (const Body& p : pripady) Over(p);
}

TEST(Sipky, ControlWindowKeysHaveTheirTips)
{
    struct Spic {
        int smer;
        int x, y, tx, ty;
    };
    const Spic pripady[] = {
        {SIPKA_HORE, 115, 141, 125, 144},
        {SIPKA_DOLE, 115, 164, 125, 180},
        {SIPKA_VLAVO, 92, 164, 95, 174},
        {SIPKA_VPRAVO, 138, 164, 154, 174},
    };
    for (const Spic& p : pripady) {
        SCOPED_TRACE("key at (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")");
        POINT body[6];
        BodySipky(p.smer, 21, p.x, p.y, body);
        EXPECT_EQ(body[3].x, p.tx);
        EXPECT_EQ(body[3].y, p.ty);
    }
}

TEST(Sipky, TruncatesTowardZero)
{
    // Negative starts truncate up, not down: -36.15 gives -36 and the tip -22.7 gives -22.
    // A left or up arrow whose start is below 14 keeps its tip 13 pixels away (-6.3 gives -6).
    const Body pripady[] = {
        {SIPKA_VPRAVO, "right", 21, -40, -5, {{-36, 5}, {-29, 5}, {-29, 9}, {-22, 5}, {-29, 1}, {-29, 5}}},
        {SIPKA_VLAVO, "left", 21, -40, 0, {{-22, 10}, {-29, 10}, {-29, 14}, {-35, 10}, {-29, 6}, {-29, 10}}},
        {SIPKA_VLAVO, "left", 21, -10, 0, {{7, 10}, {0, 10}, {0, 14}, {-6, 10}, {0, 6}, {0, 10}}},
        {SIPKA_HORE, "up", 21, 0, -8, {{10, 9}, {10, 2}, {14, 2}, {10, -4}, {6, 2}, {10, 2}}},
        {SIPKA_DOLE, "down", 21, -21, -30, {{-11, -26}, {-11, -19}, {-7, -19}, {-11, -12}, {-15, -19}, {-11, -19}}},
        {SIPKA_VPRAVO, "right", 40, 0, 0, {{13, 20}, {20, 20}, {20, 24}, {26, 20}, {20, 16}, {20, 20}}},
    };
    for (const Body& p : pripady) Over(p);
}
