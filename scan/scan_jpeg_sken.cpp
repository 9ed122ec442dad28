// The JPEG scans walked code by code: the Huffman codes decoded, the blocks of each MCU counted, the
// DC sums followed, exactly as the decoder (stb_image) consumes the bits. The decoder itself feeds
// zeros where the coded data end early and decodes on, so an image cut inside a scan would come out
// with made-up pixels; here it is refused instead.
#include "scan/scan_jpeg_sken.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "scan/scan_formaty_spolocne.h"

namespace {

const char* const kSkrateny = "the JPEG image is cut short (its coded data end before the last block of a scan)";

// The coded data as bits: a 0xFF byte is followed by a 0 (stuffed) or begins a marker, after which
// the decoder reads zeros. Those zeros are counted, so that using one tells a scan cut short.
struct Bity {
    const unsigned char* d;
    size_t n, pos;      // pos: the next byte not yet in the buffer
    uint64_t buf;       // the next bits from the top
    int pocet;          // bits in buf
    int falosnych;      // of them, zeros after the marker
    bool koniec;        // a marker (or the end of the data) was met, at marker
    size_t marker;
    bool prebehol;      // a zero after the marker was used
};

void Dopln(Bity* b)
{
    while (b->pocet <= 56) {
        unsigned bajt = 0;
        if (!b->koniec) {
            if (b->pos >= b->n) {
                b->koniec = true;
                b->marker = b->n;
            } else if (b->d[b->pos] != 0xFF) {
                bajt = b->d[b->pos++];
            } else {
                size_t za = b->pos + 1;
                while (za < b->n && b->d[za] == 0xFF) za++;  // fill bytes
                if (za < b->n && b->d[za] == 0) {
                    bajt = 0xFF;
                    b->pos = za + 1;
                } else {
                    b->koniec = true;
                    b->marker = b->pos;
                }
            }
        }
        if (b->koniec) b->falosnych += 8;
        b->buf |= (uint64_t)bajt << (56 - b->pocet);
        b->pocet += 8;
    }
}

inline void Zahod(Bity* b, int kolko)
{
    b->buf <<= kolko;
    b->pocet -= kolko;
    if (b->pocet < b->falosnych) b->prebehol = true;
}

// n bits (1 to 16) as a number.
inline unsigned Vezmi(Bity* b, int n)
{
    if (b->pocet < n) Dopln(b);
    const unsigned v = (unsigned)(b->buf >> (64 - n));
    Zahod(b, n);
    return v;
}

// n bits (1 to 15) as a coefficient: the top bit 0 marks a negative one.
int Prijmi(Bity* b, int n)
{
    const int v = (int)Vezmi(b, n);
    return v < 1 << (n - 1) ? v - ((1 << n) - 1) : v;
}

// The next Huffman-coded value, -1 for a code the table does not hold.
inline int Dekoduj(Bity* b, const JpegHuffman* t)
{
    if (b->pocet < 16) Dopln(b);
    const int k = t->rychla[b->buf >> 55];
    if (k < 255) {
        Zahod(b, t->dlzky[k]);
        return t->hodnoty[k];
    }
    const uint32_t kod = (uint32_t)(b->buf >> 48);
    int dlzka = 10;
    while (dlzka < 17 && kod >= t->maxkod[dlzka]) dlzka++;
    if (dlzka == 17) return -1;
    const int index = (int)(kod >> (16 - dlzka)) + t->posun[dlzka];
    Zahod(b, dlzka);
    return t->hodnoty[index];
}

// The table from 16 code counts and their values, as the decoder builds it; 0 when the counts
// make more codes of a length than the length holds.
int Zostav(JpegHuffman* t, const unsigned char* pocty, const unsigned char* hodnoty)
{
    int k = 0;
    for (int i = 0; i < 16; i++)
        for (int j = 0; j < pocty[i]; j++) t->dlzky[k++] = (unsigned char)(i + 1);
    t->dlzky[k] = 0;
    unsigned kody[256];
    unsigned kod = 0;
    k = 0;
    for (int j = 1; j <= 16; j++) {
        t->posun[j] = k - (int)kod;
        if (t->dlzky[k] == j) {
            while (t->dlzky[k] == j) kody[k++] = kod++;
            if (kod - 1 >= 1u << j) return 0;
        }
        t->maxkod[j] = kod << (16 - j);
        kod <<= 1;
    }
    t->maxkod[17] = 0xFFFFFFFFu;
    memset(t->rychla, 255, sizeof t->rychla);
    for (int i = 0; i < k; i++) {
        const int s = t->dlzky[i];
        if (s <= 9)
            for (unsigned j = 0; j < 1u << (9 - s); j++) t->rychla[(kody[i] << (9 - s)) + j] = (unsigned char)i;
    }
    memcpy(t->hodnoty, hodnoty, (size_t)k);
    for (int i = 0; i < 512; i++) {
        const int index = t->rychla[i], hodnota = index < 255 ? t->hodnoty[index] : 0;
        const int bitov = index < 255 ? t->dlzky[index] + (hodnota & 15) : 99;
        t->rychla_ac[i] = (unsigned short)((hodnota & 15) && bitov <= 9 ? (hodnota >> 4) << 8 | bitov : 0);
    }
    t->definovana = true;
    return 1;
}

// The scan's settings and its walk's counters.
struct Sken {
    int zloziek, poradie[4];
    int ss, se, ah, al;
    int eob;           // blocks left in a progressive end-of-band run
    int dc[4];         // DC predictions
    long long dc_max[4];  // the largest DC value of each component, before the quantiser
};

// A block's DC value, before the quantiser: within the 11 bits that the DCT of 8-bit samples spans.
// Larger ones come only from sums that overflow, which the decoder would turn into other pixels.
int DcHodnota(Sken* k, int c, long long dc, char* dovod, size_t miesto)
{
    if (dc < 0) dc = -dc;
    if (dc > 2047) return Dovod(dovod, miesto, "the JPEG image is damaged (its DC values overflow)");
    if (dc > k->dc_max[c]) k->dc_max[c] = dc;
    return 1;
}

// The 8 x 8 block of component c: its DC value, then its AC codes (baseline).
int Blok(JpegStav* s, Sken* k, Bity* b, int c, char* dovod, size_t miesto)
{
    JpegZlozka& z = s->z[c];
    const int t = Dekoduj(b, &s->dc[z.hd]);
    if (t < 0 || t > 15) return Dovod(dovod, miesto, "the JPEG image is damaged (a code its Huffman tables do not hold)");
    k->dc[c] += t ? Prijmi(b, t) : 0;
    if (!DcHodnota(k, c, k->dc[c], dovod, miesto)) return 0;
    const JpegHuffman* ac = &s->ac[z.ha];
    for (int i = 1; i < 64;) {
        if (b->pocet < 16) Dopln(b);
        const int rychly = ac->rychla_ac[b->buf >> 55];
        if (rychly) {  // a short code and its value's bits together
            i += (rychly >> 8) + 1;
            Zahod(b, rychly & 255);
            continue;
        }
        const int rs = Dekoduj(b, ac);
        if (rs < 0) return Dovod(dovod, miesto, "the JPEG image is damaged (a code its Huffman tables do not hold)");
        const int r = rs >> 4, v = rs & 15;
        if (v == 0) {
            if (rs != 0xF0) break;  // the end of the block
            i += 16;
        } else {
            i += r + 1;
            Vezmi(b, v);
        }
    }
    return 1;
}

// A progressive block of component c at block column x, row y: a DC scan's bits or an AC band's.
int BlokProgresivny(JpegStav* s, Sken* k, Bity* b, int c, int x, int y, char* dovod, size_t miesto)
{
    const char* const kZlyKod = "the JPEG image is damaged (a code its Huffman tables do not hold)";
    JpegZlozka& z = s->z[c];
    uint64_t& nenulove = z.nenulove[(size_t)y * z.blokov_x + x];
    if (k->ss == 0) {
        if (k->ah != 0) {
            Vezmi(b, 1);  // one more bit of the DC value
            return 1;
        }
        const int t = Dekoduj(b, &s->dc[z.hd]);
        if (t < 0 || t > 15) return Dovod(dovod, miesto, "%s", kZlyKod);
        k->dc[c] += t ? Prijmi(b, t) : 0;
        if (!DcHodnota(k, c, (long long)k->dc[c] * (1 << k->al), dovod, miesto)) return 0;
        nenulove = 0;  // the decoder clears the block's AC values at its first DC scan
        return 1;
    }
    if (k->ah == 0) {
        // The first scan of the band: values of Al bits shifted, or a run of blocks with none.
        if (k->eob > 0) {
            k->eob--;
            return 1;
        }
        const JpegHuffman* ac = &s->ac[z.ha];
        for (int i = k->ss; i <= k->se;) {
            if (b->pocet < 16) Dopln(b);
            const int rychly = k->al < 9 ? ac->rychla_ac[b->buf >> 55] : 0;
            if (rychly) {
                // A value of at most 8 bits shifted by less than 9 stays within 16 bits: not 0.
                i += rychly >> 8;
                nenulove |= (uint64_t)1 << (i > 63 ? 63 : i);
                i++;
                Zahod(b, rychly & 255);
                continue;
            }
            const int rs = Dekoduj(b, ac);
            if (rs < 0) return Dovod(dovod, miesto, "%s", kZlyKod);
            const int r = rs >> 4, v = rs & 15;
            if (v == 0) {
                if (r < 15) {
                    k->eob = (1 << r) - 1 + (r ? (int)Vezmi(b, r) : 0);
                    break;
                }
                i += 16;
            } else {
                i += r;
                // The decoder keeps the value shifted in 16 bits: it may wrap to 0.
                const bool nie_nula = (short)(Prijmi(b, v) * (1 << k->al)) != 0;
                const int bit = i > 63 ? 63 : i;
                nenulove = nie_nula ? nenulove | (uint64_t)1 << bit : nenulove & ~((uint64_t)1 << bit);
                i++;
            }
        }
        return 1;
    }
    // A refinement of the band: one more bit of each value already there, and new values of 1.
    if (k->eob > 0) {
        k->eob--;
        const uint64_t pasmo = (k->se == 63 ? ~(uint64_t)0 : ((uint64_t)1 << (k->se + 1)) - 1) & ~(((uint64_t)1 << k->ss) - 1);
        for (int bitov = __builtin_popcountll(nenulove & pasmo); bitov > 0; bitov -= 16) Vezmi(b, bitov < 16 ? bitov : 16);
        return 1;
    }
    for (int i = k->ss; i <= k->se;) {
        const int rs = Dekoduj(b, &s->ac[z.ha]);
        if (rs < 0) return Dovod(dovod, miesto, "%s", kZlyKod);
        int r = rs >> 4;
        const int v = rs & 15;
        bool novy = false;
        if (v == 0) {
            if (r < 15) {
                k->eob = (1 << r) - 1 + (r ? (int)Vezmi(b, r) : 0);
                r = 64;  // the rest of the band: its values' bits only
            }
        } else {
            if (v != 1) return Dovod(dovod, miesto, "%s", kZlyKod);
            Vezmi(b, 1);  // the new value's sign
            novy = true;
        }
        while (i <= k->se) {
            const int p = i++;
            if (nenulove >> p & 1) {
                Vezmi(b, 1);
            } else {
                if (r == 0) {
                    if (novy) nenulove |= (uint64_t)1 << p;
                    break;
                }
                --r;
            }
        }
    }
    return 1;
}

// The restart marker that must follow an interval: only the last byte's padding before it.
int Restart(Bity* b, char* dovod, size_t miesto)
{
    Dopln(b);
    size_t m = b->marker;
    while (b->koniec && m < b->n && b->d[m] == 0xFF) m++;
    // Another marker, or the end of the data: the image ends before its last MCU.
    if (b->koniec && (m == b->marker || m >= b->n || b->d[m] < 0xD0 || b->d[m] > 0xD7))
        return Dovod(dovod, miesto, "%s", kSkrateny);
    if (!b->koniec || b->pocet - b->falosnych >= 8)
        return Dovod(dovod, miesto, "the JPEG image is damaged (its coded data are out of step with its restart markers)");
    *b = Bity{b->d, b->n, m + 1, 0, 0, 0, false, 0, false};
    return 1;
}

}  // namespace

void JpegZacni(JpegStav* s) { memset(s, 0, sizeof *s); }

void JpegUvolni(JpegStav* s)
{
    for (JpegZlozka& z : s->z) {
        free(z.nenulove);
        z.nenulove = nullptr;
    }
}

int JpegTabulky(JpegStav* s, int m, const unsigned char* p, size_t dlzka, char* dovod, size_t miesto)
{
    size_t pos = 0;
    if (m == 0xDD) {
        if (dlzka != 2) return Dovod(dovod, miesto, "the JPEG image is damaged (its restart interval)");
        s->interval = (int)Be16(p);
        return 1;
    }
    if (m == 0xDB) {
        while (pos < dlzka) {
            const int presnost = p[pos] >> 4, t = p[pos] & 15;
            const size_t velkost = presnost ? 129 : 65;
            if (presnost > 1 || t > 3 || dlzka - pos < velkost)
                return Dovod(dovod, miesto, "the JPEG image is damaged (its quantisation tables)");
            s->q0[t] = presnost ? Be16(p + pos + 1) : p[pos + 1];
            pos += velkost;
        }
        return 1;
    }
    while (pos < dlzka) {
        const int trieda = p[pos] >> 4, t = p[pos] & 15;
        int kodov = 0;
        if (dlzka - pos >= 17)
            for (int k = 1; k <= 16; k++) kodov += p[pos + k];
        if (trieda > 1 || t > 3 || dlzka - pos < 17 || kodov > 256 || dlzka - pos - 17 < (size_t)kodov ||
            !Zostav(trieda ? &s->ac[t] : &s->dc[t], p + pos + 1, p + pos + 17))
            return Dovod(dovod, miesto, "the JPEG image is damaged (its Huffman tables)");
        pos += 17 + (size_t)kodov;
    }
    return 1;
}

int JpegRamec(JpegStav* s, int m, const unsigned char* p, size_t dlzka, char* dovod, size_t miesto)
{
    // What the decoder refuses it refuses by itself: 8-bit samples, 1, 3 or 4 components, each
    // sampled 1 to 4 times and a whole fraction of the most.
    const int c = dlzka >= 6 ? p[5] : 0;
    if (dlzka < 6 || p[0] != 8 || (c != 1 && c != 3 && c != 4) || dlzka != 6 + 3 * (size_t)c) return 1;
    const int h = (int)Be16(p + 1), w = (int)Be16(p + 3);
    s->zloziek = c;
    s->hmax = s->vmax = 1;
    for (int i = 0; i < c; i++) {
        JpegZlozka& z = s->z[i];
        z.id = p[6 + 3 * i];
        z.h = p[7 + 3 * i] >> 4;
        z.v = p[7 + 3 * i] & 15;
        z.tq = p[8 + 3 * i];
        if (z.h < 1 || z.h > 4 || z.v < 1 || z.v > 4 || z.tq > 3) return 1;
        if (z.h > s->hmax) s->hmax = z.h;
        if (z.v > s->vmax) s->vmax = z.v;
    }
    s->mcu_x = (w + 8 * s->hmax - 1) / (8 * s->hmax);
    s->mcu_y = (h + 8 * s->vmax - 1) / (8 * s->vmax);
    s->progresivny = m == 0xC2;
    for (int i = 0; i < c; i++) {
        JpegZlozka& z = s->z[i];
        if (s->hmax % z.h || s->vmax % z.v) return 1;
        z.x = (w * z.h + s->hmax - 1) / s->hmax;
        z.y = (h * z.v + s->vmax - 1) / s->vmax;
        z.blokov_x = s->mcu_x * z.h;
        z.blokov_y = s->mcu_y * z.v;
        memset(z.bit, -1, sizeof z.bit);
    }
    if (s->progresivny)
        for (int i = 0; i < c; i++) {
            JpegZlozka& z = s->z[i];
            z.nenulove = (uint64_t*)calloc((size_t)z.blokov_x * (size_t)z.blokov_y, sizeof(uint64_t));
            if (!z.nenulove) return Dovod(dovod, miesto, "not enough memory to check the JPEG image's scans");
        }
    s->ramec = true;
    return 1;
}

int JpegSken(JpegStav* s, const unsigned char* d, size_t n, size_t hlavicka, size_t* pos, char* dovod, size_t miesto)
{
    if (!s->ramec) return 1;
    const char* const kZlaHlavicka = "the JPEG image is damaged (a scan header)";
    const unsigned char* p = d + hlavicka;
    const size_t dlzka = Be16(p) - 2;
    Sken k = {};
    k.zloziek = dlzka >= 1 ? p[2] : 0;
    if (k.zloziek < 1 || k.zloziek > 4 || k.zloziek > s->zloziek || dlzka != 4 + 2 * (size_t)k.zloziek)
        return Dovod(dovod, miesto, "%s", kZlaHlavicka);
    for (int i = 0; i < k.zloziek; i++) {
        int c = 0;
        while (c < s->zloziek && s->z[c].id != p[3 + 2 * i]) c++;
        if (c == s->zloziek || p[4 + 2 * i] >> 4 > 3 || (p[4 + 2 * i] & 15) > 3)
            return Dovod(dovod, miesto, "%s", kZlaHlavicka);
        s->z[c].hd = p[4 + 2 * i] >> 4;
        s->z[c].ha = p[4 + 2 * i] & 15;
        k.poradie[i] = c;
    }
    const unsigned char* za = p + 3 + 2 * k.zloziek;
    k.ss = za[0];
    k.se = za[1];
    k.ah = za[2] >> 4;
    k.al = za[2] & 15;
    if (s->progresivny) {
        if (k.ss > 63 || k.se > 63 || k.ss > k.se || k.ah > 13 || k.al > 13 || (k.ss == 0 && k.se != 0) ||
            (k.zloziek > 1 && k.ss != 0))
            return Dovod(dovod, miesto, "%s", kZlaHlavicka);
    } else {
        if (k.ss != 0 || k.ah != 0 || k.al != 0) return Dovod(dovod, miesto, "%s", kZlaHlavicka);
        k.se = 63;
    }
    // The tables the scan uses: a table never defined would decode every block to nothing.
    for (int i = 0; i < k.zloziek; i++) {
        const JpegZlozka& z = s->z[k.poradie[i]];
        const bool dc = k.ss == 0 && k.ah == 0, ac = !s->progresivny || k.ss > 0;
        if ((dc && !s->dc[z.hd].definovana) || (ac && !s->ac[z.ha].definovana))
            return Dovod(dovod, miesto, "the JPEG image is damaged (a scan names a Huffman table never defined)");
    }

    // MCUs of all the scan's components, or with one component its own blocks one by one.
    const JpegZlozka& prva = s->z[k.poradie[0]];
    const int jeden = k.zloziek == 1;
    const int mcu_x = jeden ? (prva.x + 7) / 8 : s->mcu_x, mcu_y = jeden ? (prva.y + 7) / 8 : s->mcu_y;
    Bity b = {d, n, *pos, 0, 0, 0, false, 0, false};
    int zostava = s->interval ? s->interval : INT_MAX;
    for (int y = 0; y < mcu_y; y++)
        for (int x = 0; x < mcu_x; x++) {
            for (int i = 0; i < k.zloziek; i++) {
                const int c = k.poradie[i];
                const JpegZlozka& z = s->z[c];
                const int bh = jeden ? 1 : z.h, bv = jeden ? 1 : z.v;
                for (int by = 0; by < bv; by++)
                    for (int bx = 0; bx < bh; bx++) {
                        const int ok = s->progresivny
                                           ? BlokProgresivny(s, &k, &b, c, jeden ? x : x * z.h + bx, jeden ? y : y * z.v + by,
                                                             dovod, miesto)
                                           : Blok(s, &k, &b, c, dovod, miesto);
                        if (b.prebehol) return Dovod(dovod, miesto, "%s", kSkrateny);
                        if (!ok) return 0;
                    }
            }
            const bool posledny = y == mcu_y - 1 && x == mcu_x - 1;
            if (--zostava <= 0 && !posledny) {
                if (!Restart(&b, dovod, miesto)) return 0;
                for (int& dc : k.dc) dc = 0;
                k.eob = 0;
                zostava = s->interval;
            }
        }
    // The DC values times their quantiser must fit the decoder's 16-bit coefficients too.
    for (int i = 0; i < k.zloziek; i++) {
        const int c = k.poradie[i];
        if (k.dc_max[c] * s->q0[s->z[c].tq] > 32767)
            return Dovod(dovod, miesto, "the JPEG image is damaged (its DC values overflow)");
        for (int j = k.ss; j <= k.se; j++) s->z[c].bit[j] = (signed char)k.al;
    }
    *pos = b.koniec ? b.marker : b.pos;
    return 1;
}

int JpegKoniec(const JpegStav* s, char* dovod, size_t miesto)
{
    if (!s->ramec) return 1;
    for (int c = 0; c < s->zloziek; c++)
        for (int j = 0; j < 64; j++)
            if (s->z[c].bit[j] != 0) return Dovod(dovod, miesto, "the JPEG image is cut short (scans are missing)");
    return 1;
}
