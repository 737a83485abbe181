#include "text.h"

#include <cstring>
#include <cwchar>

static constexpr uint32_t PLANE_END = 0x10000;  // the first character beyond 16 bits

void WidenUtf8(const char* bytes, wchar_t* out, size_t size) {
    size_t used = 0;
    for (const unsigned char* in = reinterpret_cast<const unsigned char*>(bytes); *in != 0 && used + 1 < size;) {
        const int more = *in >= 0xF0 ? 3 : *in >= 0xE0 ? 2 : *in >= 0xC0 ? 1 : 0;
        uint32_t code = more == 0 ? *in : *in & (0x3F >> more);
        int i = 1;
        for (; i <= more && (in[i] & 0xC0) == 0x80; ++i) code = code << 6 | (in[i] & 0x3F);
        const bool whole = *in < 0x80 || (*in >= 0xC0 && i > more);
        in += whole ? more + 1 : 1;
        if (!whole) {
            out[used++] = L'?';
        } else if (sizeof(wchar_t) == 2 && code >= PLANE_END) {
            if (used + 2 >= size) break;  // a pair is never cut in half
            code -= PLANE_END;
            out[used++] = wchar_t(0xD800 + (code >> 10));
            out[used++] = wchar_t(0xDC00 + (code & 0x3FF));
        } else {
            out[used++] = wchar_t(code);
        }
    }
    if (size > 0) out[used] = L'\0';
}

void Append(char* to, size_t size, const char* text) {
    size_t used = strlen(to);
    for (; *text != '\0' && used + 1 < size; ++text) to[used++] = *text;
    to[used] = '\0';
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

// A surrogate pair, where wchar_t is 16 bits, is one character.
void Append(char* to, size_t size, const wchar_t* text) {
    for (; *text != L'\0'; ++text) {
        uint32_t u = uint32_t(*text);
        if (u >= 0xD800 && u < 0xDC00 && text[1] >= 0xDC00 && text[1] < 0xE000)
            u = PLANE_END + ((u - 0xD800) << 10) + (uint32_t(*++text) - 0xDC00);
        const int more = u < 0x80 ? 0 : u < 0x800 ? 1 : u < PLANE_END ? 2 : 3;
        char bytes[5] = {};
        bytes[0] = more == 0 ? char(u) : char(((0xFF00 >> (more + 1)) & 0xFF) | (u >> (6 * more)));
        for (int i = 1; i <= more; ++i) bytes[i] = char(0x80 | ((u >> (6 * (more - i))) & 0x3F));
        const size_t used = strlen(to);
        if (used + size_t(more) + 1 >= size) break;  // a character is never cut in half
        Append(to, size, bytes);
    }
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

// Divided by ten in 16-bit pieces: a 32-bit program then needs no 64-bit
// division from the compiler's library.
static uint32_t DivideByTen(uint64_t* n) {
    uint64_t quotient = 0;
    uint32_t rest = 0;
    for (int shift = 48; shift >= 0; shift -= 16) {
        const uint32_t piece = rest << 16 | uint32_t(*n >> shift & 0xFFFF);
        quotient |= uint64_t(piece / 10) << shift;
        rest = piece % 10;
    }
    *n = quotient;
    return rest;
}

void AppendDecimal(char* to, size_t size, uint64_t n) {
    char digits[21] = {};
    int at = 20;
    do {
        digits[--at] = char('0' + DivideByTen(&n));
    } while (n != 0);
    Append(to, size, digits + at);
}
