// Makes tools/sample/desktop.png, the sample screenshot that zentrivo-scan is shown and tested on.
//
// Deterministic: the only noise is a hash of the coordinates. The build makes a copy in the build
// tree and a test checks that it has the committed picture's pixels. To remake the committed file:
//   g++ -O2 -std=c++17 tools/sample/make_desktop.cpp -lstb -o build/make_desktop
//   build/make_desktop tools/sample/desktop.png
#include <stb/stb_image_write.h>

#include <cstdint>
#include <cstdio>
#include <vector>

static const int W = 1024, H = 768;
static std::vector<unsigned char> px(3 * W * H);

static void Bod(int x, int y, int r, int g, int b)
{
    if (x < 0 || y < 0 || x >= W || y >= H) return;
    unsigned char* p = &px[3 * (y * W + x)];
    p[0] = (unsigned char)r;
    p[1] = (unsigned char)g;
    p[2] = (unsigned char)b;
}

static void Obdlznik(int l, int t, int r, int b, int cr, int cg, int cb)  // bounds inclusive
{
    for (int y = t; y <= b; y++)
        for (int x = l; x <= r; x++) Bod(x, y, cr, cg, cb);
}

static void Kruh(int cx, int cy, int polomer, int r, int g, int b)
{
    for (int y = cy - polomer; y <= cy + polomer; y++)
        for (int x = cx - polomer; x <= cx + polomer; x++)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= polomer * polomer) Bod(x, y, r, g, b);
}

static uint32_t Hash(uint32_t x, uint32_t y, uint32_t semeno)
{
    uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ semeno * 0xcb1ab31fu;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

// A line of made-up letters, 5 x 7 cells with a column between them: thin strokes only.
static void Text(int x, int y, int znakov, int semeno, int r, int g, int b)
{
    for (int k = 0; k < znakov; k++) {
        if (Hash(k, 0, semeno) % 6 == 0) continue;  // a space
        for (int riadok = 0; riadok < 7; riadok++)
            for (int stlpec = 0; stlpec < 5; stlpec++)
                if (Hash(stlpec + 8 * k, riadok, semeno) % 3 == 0) Bod(x + 6 * k + stlpec, y + riadok, r, g, b);
    }
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: make_desktop OUT.png\n");
        return 2;
    }
    // Wallpaper: a blue gradient, never grey (blue > green > red on every row).
    for (int y = 0; y < H; y++) Obdlznik(0, y, W - 1, y, 20 + y / 16, 90 + y / 12, 150 + y / 10);

    // Desktop icons with their labels: dark greys of band 0.
    Obdlznik(20, 20, 67, 67, 16, 16, 16);                   // square: fill 100 %
    Text(14, 72, 10, 1, 255, 255, 255);
    Kruh(44, 120, 24, 20, 20, 20);                          // disk: about 79 %
    Text(14, 148, 10, 2, 255, 255, 255);
    for (int k = 0; k < 40; k++) Obdlznik(44 - k / 2, 170 + k, 44 + k / 2, 170 + k, 12, 12, 12);  // triangle: 51 %
    Text(14, 214, 10, 3, 255, 255, 255);
    Kruh(44, 260, 24, 8, 8, 8);                             // ring: too little filled
    Kruh(44, 260, 19, 20 + 260 / 16, 90 + 260 / 12, 150 + 260 / 10);
    Text(14, 288, 10, 4, 255, 255, 255);

    // A window: blue title bar, white client area with black text, two band-6 grey buttons.
    Obdlznik(200, 100, 799, 129, 0, 84, 166);
    Text(210, 111, 24, 5, 255, 255, 255);
    Obdlznik(200, 130, 799, 549, 255, 255, 255);
    for (int riadok = 0; riadok < 20; riadok++) Text(216, 146 + 16 * riadok, 60 + (int)(Hash(riadok, 1, 6) % 30), 7 + riadok, 0, 0, 0);
    Obdlznik(620, 510, 694, 532, 192, 192, 192);
    Text(648, 518, 2, 40, 0, 0, 0);
    Obdlznik(705, 510, 779, 532, 192, 192, 192);
    Text(720, 518, 6, 41, 0, 0, 0);

    // Band 4: a grey patch, and beside it one that is grey but for its blue.
    Obdlznik(850, 300, 909, 359, 128, 128, 128);
    Obdlznik(930, 300, 989, 359, 128, 128, 129);

    // A photo thumbnail: colour noise.
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            uint32_t h = Hash(x, y, 99);
            Bod(880 + x, 120 + y, h & 255, (h >> 8) & 255, (h >> 16) & 255);
        }

    // Taskbar with a dark start button and a light clock.
    Obdlznik(0, 728, W - 1, H - 1, 32, 36, 48);
    Obdlznik(4, 732, 43, 763, 24, 24, 24);
    Text(970, 742, 5, 50, 230, 230, 230);

    if (!stbi_write_png(argv[1], W, H, 3, px.data(), 3 * W)) {
        fprintf(stderr, "make_desktop: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
