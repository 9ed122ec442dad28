// The image's name in a JSON line: a name on Linux is any bytes, JSON text is UTF-8.
#include "scan/scan_json.h"

#include <cstdio>

namespace {

// The length of the UTF-8 character at p, or 0 when the bytes there are none, with the length of
// the longest start of one in *zlych (replaced by one U+FFFD, as the Unicode standard advises).
int Utf8Znak(const unsigned char* p, int* zlych)
{
    const unsigned char b = p[0];
    int n;
    unsigned char od = 0x80, po = 0xBF;  // the second byte's range
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        if (b == 0xE0) od = 0xA0;  // no overlong forms
        if (b == 0xED) po = 0x9F;  // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        if (b == 0xF0) od = 0x90;
        if (b == 0xF4) po = 0x8F;  // nothing past U+10FFFF
    } else {
        *zlych = 1;
        return 0;
    }
    int k = 1;
    for (; k < n; k++)
        if (p[k] < (k == 1 ? od : 0x80) || p[k] > (k == 1 ? po : 0xBF)) break;
    if (k == n) return n;
    *zlych = k;
    return 0;
}

std::string Base64(const unsigned char* p, size_t dlzka)
{
    static const char kZnaky[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string s;
    for (size_t k = 0; k < dlzka; k += 3) {
        const unsigned long trojica = (unsigned long)p[k] << 16 | (k + 1 < dlzka ? p[k + 1] << 8 : 0) |
                                      (k + 2 < dlzka ? p[k + 2] : 0);
        s += kZnaky[trojica >> 18 & 63];
        s += kZnaky[trojica >> 12 & 63];
        s += k + 1 < dlzka ? kZnaky[trojica >> 6 & 63] : '=';
        s += k + 2 < dlzka ? kZnaky[trojica & 63] : '=';
    }
    return s;
}

}  // namespace

std::string JsonMenoObrazu(const char* meno)
{
    const unsigned char* p = (const unsigned char*)meno;
    std::string s = "\"image\": \"";
    bool nahradene = false;
    size_t k = 0;
    while (p[k]) {
        int zlych = 0;
        const int dlzka = Utf8Znak(p + k, &zlych);
        if (dlzka == 0) {
            s += "\xEF\xBF\xBD";  // U+FFFD
            nahradene = true;
            k += (size_t)zlych;
            continue;
        }
        const unsigned char z = p[k];
        if (z == '"' || z == '\\') {
            s += '\\';
            s += (char)z;
        } else if (z < 0x20) {
            char kod[8];
            snprintf(kod, sizeof kod, "\\u%04x", z);
            s += kod;
        } else {
            s.append(meno + k, (size_t)dlzka);
        }
        k += (size_t)dlzka;
    }
    s += '"';
    if (nahradene) s += ", \"image_bytes\": \"" + Base64(p, k) + "\"";
    return s;
}
