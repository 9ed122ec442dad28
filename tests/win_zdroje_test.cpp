// Wine test of the resource catalogue: every resource read back from the program through the platform.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "resources/resource.h"

static HMODULE Modul() { return GetModuleHandleA(NULL); }

// The raw bytes of one resource, empty when it is missing.
static std::vector<BYTE> Data(LPCSTR typ, int id)
{
    HRSRC r = FindResourceA(Modul(), MAKEINTRESOURCEA(id), typ);
    if (!r) return {};
    const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(Modul(), r)));
    return std::vector<BYTE>(p, p + SizeofResource(Modul(), r));
}

static WORD Slovo(const std::vector<BYTE>& d, size_t o) { return (WORD)(d[o] | d[o + 1] << 8); }
static DWORD Dvojslovo(const std::vector<BYTE>& d, size_t o) { return Slovo(d, o) | (DWORD)Slovo(d, o + 2) << 16; }

TEST(Zdroje, BitmapyMajuRozmerHlbkuAVelkost)
{
    struct { int id, w, h; DWORD data; } pripady[] = {
        {IDB_POZADIE, 1021, 783, 2399112},
        {IDB_POZADIE_O_PROGRAME, 616, 408, 753984},
        {IDB_POZADIE_NASTAVENIA, 381, 318, 363792},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.id);
        std::vector<BYTE> d = Data(RT_BITMAP, c.id);
        ASSERT_EQ(d.size(), 40 + c.data);  // the header, no colour table, the rows
        BITMAPINFOHEADER bi;
        std::memcpy(&bi, d.data(), sizeof bi);
        EXPECT_EQ(bi.biSize, 40u);
        EXPECT_EQ(bi.biWidth, c.w);
        EXPECT_EQ(bi.biHeight, c.h);  // positive: bottom-up
        EXPECT_EQ(bi.biPlanes, 1);
        EXPECT_EQ(bi.biBitCount, 24);
        EXPECT_EQ(bi.biCompression, (DWORD)BI_RGB);
        EXPECT_EQ(bi.biClrUsed, 0u);

        HBITMAP b = LoadBitmapA(Modul(), MAKEINTRESOURCEA(c.id));
        ASSERT_TRUE(b != NULL);
        BITMAP bm = {};
        ASSERT_EQ(GetObjectA(b, sizeof bm, &bm), (int)sizeof bm);
        EXPECT_EQ(bm.bmWidth, c.w);
        EXPECT_EQ(bm.bmHeight, c.h);
        HBRUSH stetec = CreatePatternBrush(b);
        EXPECT_TRUE(stetec != NULL);
        DeleteObject(stetec);
        DeleteObject(b);
    }
}

// The pattern brushes show the top-left corner: light grey behind dark text, near-black behind light
// text, gold behind dark text. Compared as the mean brightness of the corner the windows show.
TEST(Zdroje, BitmapyMajuTonyPodlaPouzitia)
{
    struct { int id, w, h, min_jas, max_jas; bool siva; } pripady[] = {
        {IDB_POZADIE, 220, 200, 170, 245, true},
        {IDB_POZADIE_O_PROGRAME, 280, 200, 5, 50, false},
        {IDB_POZADIE_NASTAVENIA, 170, 120, 140, 235, false},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.id);
        std::vector<BYTE> d = Data(RT_BITMAP, c.id);
        ASSERT_FALSE(d.empty());
        int sirka = Dvojslovo(d, 4), vyska = Dvojslovo(d, 8);
        size_t riadok = ((size_t)sirka * 3 + 3) & ~(size_t)3;
        double r = 0, g = 0, b = 0;
        for (int y = 0; y < c.h; y++) {
            const BYTE* p = &d[40 + (size_t)(vyska - 1 - y) * riadok];  // bottom-up
            for (int x = 0; x < c.w; x++) {
                b += p[3 * x];
                g += p[3 * x + 1];
                r += p[3 * x + 2];
            }
        }
        double n = (double)c.w * c.h;
        double jas = (r + g + b) / (3 * n);
        EXPECT_GE(jas, c.min_jas);
        EXPECT_LE(jas, c.max_jas);
        if (c.siva) {
            EXPECT_LT(std::abs(r - b) / n, 16.0);
        }
        if (c.id == IDB_POZADIE_NASTAVENIA) {
            EXPECT_GT((r - b) / n, 60.0);  // golden: red well above blue
        }
    }
}

struct Obrazok { int velkost; WORD id; };

// The entries of an icon or cursor group, in stored order.
static std::vector<std::vector<BYTE>> Polozky(LPCSTR typ, int id, int* pocet)
{
    std::vector<BYTE> d = Data(typ, id);
    std::vector<std::vector<BYTE>> vysledok;
    *pocet = -1;
    if (d.size() < 6) return vysledok;
    *pocet = Slovo(d, 4);
    for (int i = 0; i < *pocet && 6 + 14 * (size_t)(i + 1) <= d.size(); i++)
        vysledok.emplace_back(d.begin() + 6 + 14 * i, d.begin() + 6 + 14 * (i + 1));
    return vysledok;
}

// Alpha and mask of a 32-bit DIB image of an icon or cursor: some pixels fully clear (mask bit set,
// alpha 0), some partly clear (smooth edges), some opaque.
static void OverAlfuAMasku(const std::vector<BYTE>& dib, int s)
{
    const BYTE* pixely = &dib[40];
    size_t maska_riadok = (size_t)((s + 31) / 32) * 4;
    const BYTE* maska = pixely + (size_t)s * s * 4;
    int cire = 0, ciastocne = 0, plne = 0, zle_masky = 0;
    for (int y = 0; y < s; y++)
        for (int x = 0; x < s; x++) {
            BYTE a = pixely[((size_t)y * s + x) * 4 + 3];
            bool bit = maska[y * maska_riadok + x / 8] & (0x80 >> (x % 8));
            if (a == 0) cire++;
            else if (a == 255) plne++;
            else ciastocne++;
            if (bit != (a == 0)) zle_masky++;
        }
    EXPECT_GT(cire, 0);
    EXPECT_GT(ciastocne, 0);
    EXPECT_GT(plne, 0);
    EXPECT_EQ(zle_masky, 0);
}

TEST(Zdroje, SkupinyIkonMajuVelkostiVPoradi)
{
    struct { int id; std::vector<int> velkosti; } pripady[] = {
        {IDI_IKONA, {256, 128, 64, 48, 32, 24, 16}},
        {IDI_IKONA_DIALOGU, {128, 96, 72, 64, 48, 32, 24, 16}},
        {IDI_IKONA_REZERVA, {256, 128, 96, 72, 64, 48, 32, 24, 16}},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.id);
        std::vector<BYTE> skupina = Data(RT_GROUP_ICON, c.id);
        ASSERT_GE(skupina.size(), 6u);
        EXPECT_EQ(Slovo(skupina, 2), 1);  // icons
        int pocet;
        auto polozky = Polozky(RT_GROUP_ICON, c.id, &pocet);
        ASSERT_EQ(pocet, (int)c.velkosti.size());
        ASSERT_EQ(skupina.size(), 6 + 14 * c.velkosti.size());
        for (size_t i = 0; i < polozky.size(); i++) {
            const std::vector<BYTE>& e = polozky[i];
            int s = c.velkosti[i];
            SCOPED_TRACE(s);
            EXPECT_EQ(e[0], s & 0xFF);  // 256 is stored as 0
            EXPECT_EQ(e[1], s & 0xFF);
            EXPECT_EQ(Slovo(e, 4), 1);   // planes
            EXPECT_EQ(Slovo(e, 6), 32);  // bits per pixel
            std::vector<BYTE> obraz = Data(RT_ICON, Slovo(e, 12));
            ASSERT_EQ(obraz.size(), Dvojslovo(e, 8));
            bool png = c.id == IDI_IKONA_REZERVA && s == 256;
            static const BYTE podpis[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
            ASSERT_GE(obraz.size(), 40u);
            EXPECT_EQ(std::memcmp(obraz.data(), podpis, 8) == 0, png);
            if (png) {
                EXPECT_EQ(Dvojslovo(obraz, 16), 0x00010000u);  // IHDR width 256, big-endian
                EXPECT_EQ(obraz[25], 6);                        // colour type: RGB with alpha
                continue;
            }
            EXPECT_EQ(Dvojslovo(obraz, 0), 40u);
            EXPECT_EQ((int)Dvojslovo(obraz, 4), s);
            EXPECT_EQ((int)Dvojslovo(obraz, 8), 2 * s);  // colour and mask
            EXPECT_EQ(Slovo(obraz, 14), 32);
            EXPECT_EQ(obraz.size(), 40 + (size_t)s * s * 4 + (size_t)((s + 31) / 32) * 4 * s);
            OverAlfuAMasku(obraz, s);
        }
    }
    EXPECT_TRUE(LoadIconA(Modul(), MAKEINTRESOURCEA(IDI_IKONA)) != NULL);
    EXPECT_TRUE(LoadIconA(Modul(), MAKEINTRESOURCEA(IDI_IKONA_DIALOGU)) != NULL);
}

TEST(Zdroje, KurzoryMajuVelkostABodDotyku)
{
    struct { int id, hx, hy; } pripady[] = {
        {IDC_KURZOR_BOD, 1, 1}, {IDC_KURZOR_SIPKA, 4, 3}, {IDC_KURZOR_KRIZ, 11, 11},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.id);
        int pocet;
        auto polozky = Polozky(RT_GROUP_CURSOR, c.id, &pocet);
        ASSERT_EQ(pocet, 1);
        ASSERT_EQ(polozky.size(), 1u);
        const std::vector<BYTE>& e = polozky[0];
        EXPECT_EQ(Slovo(e, 0), 32);  // width
        EXPECT_EQ(Slovo(e, 2), 64);  // height of colour and mask
        // The depth is the image's own (below): windres writes 1 plane and 1 bit into every cursor
        // group entry, whatever the image holds, and the loaders go by the image.
        std::vector<BYTE> obraz = Data(RT_CURSOR, Slovo(e, 12));
        ASSERT_EQ(obraz.size(), 4 + 40 + 32 * 32 * 4 + 4 * 32u);
        EXPECT_EQ(Slovo(obraz, 0), c.hx);
        EXPECT_EQ(Slovo(obraz, 2), c.hy);
        std::vector<BYTE> dib(obraz.begin() + 4, obraz.end());
        EXPECT_EQ((int)Dvojslovo(dib, 4), 32);
        EXPECT_EQ((int)Dvojslovo(dib, 8), 64);
        EXPECT_EQ(Slovo(dib, 14), 32);
        OverAlfuAMasku(dib, 32);
        // The picture marks its hotspot: that pixel is opaque (rows are stored bottom-up).
        EXPECT_EQ(dib[40 + ((size_t)(31 - c.hy) * 32 + c.hx) * 4 + 3], 255);

        HCURSOR k = LoadCursorA(Modul(), MAKEINTRESOURCEA(c.id));
        ASSERT_TRUE(k != NULL);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(k, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ((int)info.xHotspot, c.hx);
        EXPECT_EQ((int)info.yHotspot, c.hy);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
    }
}

TEST(Zdroje, MenuMaTriPrikazy)
{
    struct { const char* text; UINT id; } polozky[] = {
        {"&Nastavenia", IDM_NASTAVENIA}, {"&O programe", IDM_O_PROGRAME}, {"&Koniec", IDM_KONIEC},
    };
    HMENU menu = LoadMenuA(Modul(), MAKEINTRESOURCEA(IDM_MENU));
    ASSERT_TRUE(menu != NULL);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    for (int i = 0; i < 3; i++) {
        SCOPED_TRACE(i);
        char text[64] = {};
        MENUITEMINFOA mi = {};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
        mi.dwTypeData = text;
        mi.cch = sizeof text;
        ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &mi));
        EXPECT_STREQ(text, polozky[i].text);
        EXPECT_EQ(mi.wID, polozky[i].id);
        EXPECT_EQ(mi.fType, (UINT)MFT_STRING);
        EXPECT_EQ(mi.fState, 0u);
        EXPECT_TRUE(mi.hSubMenu == NULL);
    }
    DestroyMenu(menu);

    // The template itself: a standard menu header, then flags, ID and text of each item; only the
    // last item carries a flag, the end of the menu.
    std::vector<BYTE> d = Data(RT_MENU, IDM_MENU);
    ASSERT_GE(d.size(), 4u);
    EXPECT_EQ(Slovo(d, 0), 0);  // version
    EXPECT_EQ(Slovo(d, 2), 0);  // header size
    size_t o = 4;
    for (int i = 0; i < 3; i++) {
        SCOPED_TRACE(i);
        ASSERT_LE(o + 4, d.size());
        EXPECT_EQ(Slovo(d, o), i == 2 ? MF_END : 0);
        EXPECT_EQ(Slovo(d, o + 2), polozky[i].id);
        o += 4;
        std::string text;
        while (o + 1 < d.size() && Slovo(d, o) != 0) text += (char)Slovo(d, o), o += 2;
        o += 2;
        EXPECT_EQ(text, polozky[i].text);
    }
    EXPECT_EQ(o, d.size());
}

// Reads a text of a dialog template (UTF-16, zero-ended) or an ordinal (0xFFFF, then the number).
static std::string TextSablony(const std::vector<BYTE>& d, size_t* o, int* ordinal)
{
    *ordinal = -1;
    if (Slovo(d, *o) == 0xFFFF) {
        *ordinal = Slovo(d, *o + 2);
        *o += 4;
        return "";
    }
    std::string s;
    while (Slovo(d, *o) != 0) s += (char)Slovo(d, *o), *o += 2;
    *o += 2;
    return s;
}

struct Prvok { WORD id; const char* text; DWORD styl; short x, y, cx, cy; };
struct Sablona {
    int id;
    const char* titul;
    short x, y, cx, cy;
    std::vector<Prvok> prvky;
};

TEST(Zdroje, DialogoveSablonyPolePoPoli)
{
    const DWORD styl = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    const DWORD tlacidlo = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    Sablona sablony[] = {
        {IDD_O_PROGRAME, " O programe", 0, 0, 183, 120,
         {{IDOK, "&Ok", tlacidlo | BS_DEFPUSHBUTTON, 138, 117, 40, 12}}},
        {IDD_NASTAVENIA, " Nastavenia", 1, 1, 110, 70,
         {{IDOK, "&Ok", tlacidlo | BS_DEFPUSHBUTTON, 40, 70, 30, 11},
          {IDCANCEL, "&Cancel", tlacidlo | BS_PUSHBUTTON, 75, 70, 30, 11},
          {IDC_SLEDOVAT_KURZOR, "", tlacidlo | BS_AUTOCHECKBOX, 15, 15, 8, 8}}},
    };
    for (const Sablona& s : sablony) {
        SCOPED_TRACE(s.id);
        std::vector<BYTE> d = Data(RT_DIALOG, s.id);
        ASSERT_GE(d.size(), 18u);
        EXPECT_NE(Slovo(d, 2), 0xFFFF);  // the classic form, not the extended one
        EXPECT_EQ(Dvojslovo(d, 0), styl);
        EXPECT_EQ(Dvojslovo(d, 4), (DWORD)WS_EX_APPWINDOW);
        ASSERT_EQ(Slovo(d, 8), s.prvky.size());
        EXPECT_EQ((short)Slovo(d, 10), s.x);
        EXPECT_EQ((short)Slovo(d, 12), s.y);
        EXPECT_EQ((short)Slovo(d, 14), s.cx);
        EXPECT_EQ((short)Slovo(d, 16), s.cy);
        size_t o = 18;
        int ordinal;
        EXPECT_EQ(TextSablony(d, &o, &ordinal), "");  // no menu
        EXPECT_EQ(ordinal, -1);
        EXPECT_EQ(TextSablony(d, &o, &ordinal), "");  // the platform's dialog class
        EXPECT_EQ(ordinal, -1);
        EXPECT_EQ(TextSablony(d, &o, &ordinal), s.titul);
        EXPECT_EQ(Slovo(d, o), 8);  // point size
        o += 2;
        EXPECT_EQ(TextSablony(d, &o, &ordinal), "MS Sans Serif");
        for (const Prvok& p : s.prvky) {
            SCOPED_TRACE(p.id);
            o = (o + 3) & ~(size_t)3;
            ASSERT_LE(o + 18, d.size());
            EXPECT_EQ(Dvojslovo(d, o), p.styl);
            EXPECT_EQ(Dvojslovo(d, o + 4), 0u);  // no extended style
            EXPECT_EQ((short)Slovo(d, o + 8), p.x);
            EXPECT_EQ((short)Slovo(d, o + 10), p.y);
            EXPECT_EQ((short)Slovo(d, o + 12), p.cx);
            EXPECT_EQ((short)Slovo(d, o + 14), p.cy);
            EXPECT_EQ(Slovo(d, o + 16), p.id);
            o += 18;
            EXPECT_EQ(TextSablony(d, &o, &ordinal), "");
            EXPECT_EQ(ordinal, 0x0080);  // button
            EXPECT_EQ(TextSablony(d, &o, &ordinal), p.text);
            EXPECT_EQ(ordinal, -1);
            EXPECT_EQ(Slovo(d, o), 0);  // no creation data
            o += 2;
        }
        EXPECT_EQ(o, d.size());
    }
}

TEST(Zdroje, ManifestJeTentoText)
{
    static const char ocakavany[] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
        "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
        "<assemblyIdentity version=\"1.0.0.0\" processorArchitecture=\"" ZENTRIVO_MANIFEST_CPU "\" name=\"Zentrivo.App\" "
        "type=\"win32\"/>\r\n"
        "<dependency>\r\n"
        "<dependentAssembly>\r\n"
        "<assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
        "processorArchitecture=\"" ZENTRIVO_MANIFEST_CPU "\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>\r\n"
        "</dependentAssembly>\r\n"
        "</dependency>\r\n"
        "</assembly>\r\n";
    std::vector<BYTE> d = Data(RT_MANIFEST, IDR_MANIFEST);
    // 485 bytes with the program's x86; the 64-bit build names amd64 twice.
    ASSERT_EQ(d.size(), 485u + 2 * (sizeof ZENTRIVO_MANIFEST_CPU - sizeof "x86"));
    EXPECT_EQ(std::string(d.begin(), d.end()), std::string(ocakavany));
    // Every line feed follows a carriage return, and the text is plain ASCII (so valid UTF-8).
    for (size_t i = 0; i < d.size(); i++) {
        if (d[i] == '\n') {
            EXPECT_EQ(d[i - 1], '\r') << i;
        }
        EXPECT_LT(d[i], 0x80) << i;
    }
}

// Every resource of the module, type by type: names and languages.
static BOOL CALLBACK Jazyk(HMODULE, LPCSTR, LPCSTR, WORD jazyk, LONG_PTR p)
{
    reinterpret_cast<std::vector<WORD>*>(p)->push_back(jazyk);
    return TRUE;
}

struct Zoznam { std::map<int, std::map<int, std::vector<WORD>>> typy; };

static BOOL CALLBACK Meno(HMODULE m, LPCSTR typ, LPSTR meno, LONG_PTR p)
{
    auto* z = reinterpret_cast<Zoznam*>(p);
    std::vector<WORD>& jazyky = z->typy[(int)(ULONG_PTR)typ][IS_INTRESOURCE(meno) ? (int)(ULONG_PTR)meno : -1];
    EnumResourceLanguagesA(m, typ, meno, Jazyk, reinterpret_cast<LONG_PTR>(&jazyky));
    return TRUE;
}

static BOOL CALLBACK Typ(HMODULE m, LPSTR typ, LONG_PTR p)
{
    if (IS_INTRESOURCE(typ)) EnumResourceNamesA(m, typ, Meno, p);
    else reinterpret_cast<Zoznam*>(p)->typy[-1][-1].push_back(0);  // a named type: not expected
    return TRUE;
}

TEST(Zdroje, KatalogJePresneTentoAVsetkoMaJazyk1033)
{
    Zoznam z;
    EnumResourceTypesA(Modul(), Typ, reinterpret_cast<LONG_PTR>(&z));
    std::map<int, std::vector<int>> ocakavane = {
        {2, {201, 202, 203}}, {4, {401}}, {5, {601, 602}}, {12, {301, 302, 303}},
        {14, {101, 102, 103}}, {24, {1}},
    };
    int obrazky_ikon = 0, obrazky_kurzorov = 0;
    for (const auto& [typ, mena] : z.typy) {
        SCOPED_TRACE(typ);
        for (const auto& [meno, jazyky] : mena) {
            SCOPED_TRACE(meno);
            EXPECT_EQ(jazyky, std::vector<WORD>{1033});
        }
        if (typ == 3) obrazky_ikon = (int)mena.size();
        else if (typ == 1) obrazky_kurzorov = (int)mena.size();
        else {
            std::vector<int> ids;
            for (const auto& m : mena) ids.push_back(m.first);
            EXPECT_EQ(ids, ocakavane[typ]);
        }
    }
    EXPECT_EQ(z.typy.size(), ocakavane.size() + 2);  // and the single images of icons and cursors
    EXPECT_EQ(obrazky_ikon, 7 + 8 + 9);
    EXPECT_EQ(obrazky_kurzorov, 3);
}
