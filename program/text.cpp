#include "text.h"

#include <cstring>
#include <cwchar>

static constexpr uint32_t PLANE_END = 0x10000;  // the first character beyond 16 bits
static constexpr uint32_t CODE_MAX = 0x10FFFF;
static constexpr uint32_t SURROGATES = 0xD800, SURROGATES_END = 0xE000, LOW_SURROGATES = 0xDC00;

// --- UTF-8 ---------------------------------------------------------------------

// How many bytes the sequence a lead byte starts takes, and the range its
// second byte must be in: the ranges leave out overlong forms, surrogates
// and codes beyond U+10FFFF. 0 for a byte that starts no sequence.
static int SequenceLength(unsigned char lead, unsigned char* low, unsigned char* high) {
    *low = 0x80;
    *high = 0xBF;
    if (lead < 0x80) return 1;
    if (lead < 0xC2) return 0;  // a continuation byte, or an overlong two-byte form
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) {
        if (lead == 0xE0) *low = 0xA0;
        if (lead == 0xED) *high = 0x9F;
        return 3;
    }
    if (lead > 0xF4) return 0;
    if (lead == 0xF0) *low = 0x90;
    if (lead == 0xF4) *high = 0x8F;
    return 4;
}

// One character, or -1 for a piece that is not one; *used is what either
// took: a bad piece is its lead and the continuation bytes that fitted, so
// the next byte starts afresh (a terminating zero never fits).
static int32_t DecodeOne(const unsigned char* in, int* used) {
    unsigned char low = 0, high = 0;
    const int length = SequenceLength(in[0], &low, &high);
    *used = 1;
    if (length == 0) return -1;
    uint32_t code = length == 1 ? in[0] : in[0] & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if (in[i] < low || in[i] > high) return -1;
        code = code << 6 | (in[i] & 0x3F);
        *used = i + 1;
        low = 0x80;
        high = 0xBF;
    }
    return int32_t(code);
}

void WidenUtf8(const char* bytes, wchar_t* out, size_t size) {
    if (size == 0) return;
    size_t used = 0;
    for (const unsigned char* in = reinterpret_cast<const unsigned char*>(bytes); *in != 0 && used + 1 < size;) {
        int took = 0;
        const int32_t decoded = DecodeOne(in, &took);
        in += took;
        const uint32_t code = decoded < 0 ? '?' : uint32_t(decoded);
        if (sizeof(wchar_t) == 2 && code >= PLANE_END) {
            if (used + 2 >= size) break;
            out[used++] = wchar_t(SURROGATES + ((code - PLANE_END) >> 10));
            out[used++] = wchar_t(LOW_SURROGATES + ((code - PLANE_END) & 0x3FF));
        } else {
            out[used++] = wchar_t(code);
        }
    }
    out[used] = L'\0';
}

void NarrowToUtf8(const wchar_t* text, char* out, size_t size) {
    if (size == 0) return;
    size_t used = 0;
    for (; *text != L'\0'; ++text) {
        uint32_t u = uint32_t(*text);
        const bool high = u >= SURROGATES && u < LOW_SURROGATES;
        if (high && uint32_t(text[1]) >= LOW_SURROGATES && uint32_t(text[1]) < SURROGATES_END)
            u = PLANE_END + ((u - SURROGATES) << 10) + (uint32_t(*++text) - LOW_SURROGATES);
        else if ((u >= SURROGATES && u < SURROGATES_END) || (sizeof(wchar_t) == 4 && u > CODE_MAX))
            u = '?';
        const int more = u < 0x80 ? 0 : u < 0x800 ? 1 : u < PLANE_END ? 2 : 3;
        if (used + size_t(more) + 1 >= size) break;
        out[used++] = more == 0 ? char(u) : char(((0xFF00 >> (more + 1)) & 0xFF) | (u >> (6 * more)));
        for (int i = 1; i <= more; ++i) out[used++] = char(0x80 | ((u >> (6 * (more - i))) & 0x3F));
    }
    out[used] = '\0';
}

// --- Building ------------------------------------------------------------------

void Append(char* to, size_t size, const char* text) {
    size_t used = strlen(to);
    for (; *text != '\0' && used + 1 < size; ++text) to[used++] = *text;
    to[used] = '\0';
}

void AppendAll(char* to, size_t size, const char* const* parts, size_t count) {
    for (size_t i = 0; i < count; ++i) Append(to, size, parts[i]);
}

void AppendPattern(char* to, size_t size, const char* pattern, const char* const* values) {
    char piece[2] = "";
    for (const char* at = pattern; *at != '\0'; ++at) {
        const bool value = at[0] == '%' && at[1] >= '1' && at[1] <= '5';
        piece[0] = *at;
        Append(to, size, value ? values[*++at - '1'] : piece);
    }
}

void Append(wchar_t* to, size_t size, const wchar_t* text) {
    size_t used = wcslen(to);
    for (; *text != L'\0' && used + 1 < size; ++text) to[used++] = *text;
    to[used] = L'\0';
}

void Append(wchar_t* to, size_t size, const char* utf8) {
    const size_t used = wcslen(to);
    WidenUtf8(utf8, to + used, size - used);
}

void Append(char* to, size_t size, const wchar_t* text) {
    const size_t used = strlen(to);
    NarrowToUtf8(text, to + used, size - used);
}

void AppendHex(char* to, size_t size, uint32_t n, int digits) {
    char hex[9] = {};
    int at = 8;
    do {
        hex[--at] = "0123456789ABCDEF"[n & 0xF];
        n >>= 4;
    } while ((n != 0 || 8 - at < digits) && at > 0);
    Append(to, size, hex + at);
}

// --- Reading numbers -----------------------------------------------------------

static unsigned DigitValue(char c) {
    if (c >= '0' && c <= '9') return unsigned(c - '0');
    if (c >= 'a' && c <= 'f') return unsigned(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return unsigned(c - 'A' + 10);
    return 99;  // a digit in no base
}

bool ReadNumber(const char** at, NumberForm form, uint32_t max, uint32_t* value) {
    const char* p = *at;
    unsigned base = form == NumberForm::Hex ? 16 : 10;
    if (form != NumberForm::Decimal && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        base = 16;
        p += 2;
    } else if (form == NumberForm::Script && p[0] == '0' && (p[1] == 'b' || p[1] == 'B')) {
        base = 2;
        p += 2;
    }
    const char* digits = p;
    uint32_t v = 0;
    for (unsigned d; (d = DigitValue(*p)) < base; ++p) {
        if (d > max || v > (max - d) / base) return false;
        v = v * base + d;
    }
    if (p == digits) return false;
    *at = p;
    *value = v;
    return true;
}

bool ReadWholeNumber(const char* word, NumberForm form, uint32_t max, uint32_t* value) {
    return ReadNumber(&word, form, max, value) && *word == '\0';
}
