// File names between the Windows API's UTF-16 and the scan command's UTF-8, written out by hand so
// that a lone surrogate (a name Windows allows) survives the round trip.
#include "scan/scan_mena_win32.h"

std::string Utf8Meno(const wchar_t* meno)
{
    std::string s;
    for (const wchar_t* p = meno; *p; p++) {
        unsigned long z = (unsigned short)*p;
        if (z >= 0xD800 && z <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
            z = 0x10000 + ((z - 0xD800) << 10) + ((unsigned short)p[1] - 0xDC00);
            p++;
        }
        if (z < 0x80) {
            s += (char)z;
        } else if (z < 0x800) {
            s += (char)(0xC0 | z >> 6);
            s += (char)(0x80 | (z & 0x3F));
        } else if (z < 0x10000) {
            s += (char)(0xE0 | z >> 12);
            s += (char)(0x80 | (z >> 6 & 0x3F));
            s += (char)(0x80 | (z & 0x3F));
        } else {
            s += (char)(0xF0 | z >> 18);
            s += (char)(0x80 | (z >> 12 & 0x3F));
            s += (char)(0x80 | (z >> 6 & 0x3F));
            s += (char)(0x80 | (z & 0x3F));
        }
    }
    return s;
}

std::wstring SirokeMeno(const char* meno)
{
    std::wstring s;
    const unsigned char* p = (const unsigned char*)meno;
    while (*p) {
        const unsigned char b = *p;
        const int dlzka = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
        unsigned long z = dlzka == 1 ? b : dlzka == 2 ? b & 0x1F : dlzka == 3 ? b & 0x0F : b & 0x07;
        int k = 1;
        for (; k < dlzka && (p[k] & 0xC0) == 0x80; k++) z = z << 6 | (p[k] & 0x3F);
        // Too short, or a form longer than the character needs, or past U+10FFFF.
        const bool zle = dlzka == 0 || k < dlzka || (dlzka == 3 && z < 0x800) || (dlzka == 4 && (z < 0x10000 || z > 0x10FFFF));
        if (zle) {
            s += (wchar_t)0xFFFD;
            p += k > 1 ? k : 1;
            continue;
        }
        if (z >= 0x10000) {
            s += (wchar_t)(0xD800 + ((z - 0x10000) >> 10));
            s += (wchar_t)(0xDC00 + ((z - 0x10000) & 0x3FF));
        } else {
            s += (wchar_t)z;
        }
        p += dlzka;
    }
    return s;
}

std::string VKodovejStranke(const char* text, UINT strana)
{
    const std::wstring siroky = SirokeMeno(text);
    if (siroky.empty()) return std::string();
    const int dlzka = WideCharToMultiByte(strana, 0, siroky.c_str(), (int)siroky.size(), nullptr, 0, nullptr, nullptr);
    if (dlzka <= 0) return text;
    std::string s((size_t)dlzka, '\0');
    WideCharToMultiByte(strana, 0, siroky.c_str(), (int)siroky.size(), &s[0], dlzka, nullptr, nullptr);
    return s;
}
