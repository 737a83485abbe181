#include "utf8_text.h"

#include <cstdint>

void WidenUtf8(const char* bytes, wchar_t* out, size_t size) {
    size_t used = 0;
    for (const unsigned char* in = reinterpret_cast<const unsigned char*>(bytes); *in != 0 && used + 1 < size;) {
        const int more = *in >= 0xF0 ? 3 : *in >= 0xE0 ? 2 : *in >= 0xC0 ? 1 : 0;
        uint32_t code = more == 0 ? *in : *in & (0x3F >> more);
        int i = 1;
        for (; i <= more && (in[i] & 0xC0) == 0x80; ++i) code = code << 6 | (in[i] & 0x3F);
        const bool whole = *in < 0x80 || (*in >= 0xC0 && i > more);
        out[used++] = whole ? wchar_t(code) : L'?';
        in += whole ? more + 1 : 1;
    }
    if (size > 0) out[used] = L'\0';
}
