// Texts for the operator, built by hand into terminated buffers that cut at
// their end: no printf family, which on Windows brings MinGW's own (with a
// floating-point converter) into every program and DLL. Also the one UTF-8
// codec, the one decimal formatter (DecimalDigits) and the one number reader
// of the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// The longest path the programs open or name, in UTF-8 bytes: Linux's
// (PATH_MAX less its terminator). As wide characters it is no longer, so a
// buffer of PATH_BYTES_MAX + 1 holds any path whole on Windows too; a path
// beyond it is refused as too long, never cut.
constexpr size_t PATH_BYTES_MAX = 4095;

// Bytes the operator gave (a path, an argument, a script line, a system
// message) as wide text, decoded by hand, since a wide format's %s would need
// a UTF-8 locale the programs never set. Each piece that is not UTF-8 (a
// stray byte, an overlong form, a surrogate, a code beyond U+10FFFF, a cut
// sequence) shows as one '?', and the text goes on after it. A character
// beyond 16 bits is a surrogate pair where wchar_t is 16 bits; a pair is
// never cut in half.
void WidenUtf8(const char* bytes, wchar_t* out, size_t size);
// The way back: wide text as UTF-8, a pair as one character, a lone
// surrogate as '?'; a character is never cut in half.
void NarrowToUtf8(const wchar_t* text, char* out, size_t size);

void Append(char* to, size_t size, const char* text);
void Append(wchar_t* to, size_t size, const wchar_t* text);
void Append(wchar_t* to, size_t size, const char* utf8);  // widened
void Append(char* to, size_t size, const wchar_t* text);  // as UTF-8
// n in upper-case hex, with at least digits digits.
void AppendHex(char* to, size_t size, uint32_t n, int digits);

// n / 10 into *n, and the rest returned, in 16-bit pieces: a 32-bit
// program then needs no 64-bit division from the compiler's library.
constexpr uint32_t DivideByTen(uint64_t* n) {
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

// The program's one decimal formatter: a number's plain digits, terminated.
// Made as the program is compiled for a text that quotes a limit
// (DecimalDigits(1023).text is "1023"), or as it runs for a count (one copy
// of the code, called).
struct DecimalDigits {
    char text[21] = {};
    __attribute__((noinline)) constexpr explicit DecimalDigits(uint64_t n) {
        char reversed[21] = {};
        int count = 0;
        do {
            reversed[count++] = char('0' + DivideByTen(&n));
        } while (n != 0);
        for (int at = 0; at < count; ++at) text[at] = reversed[count - 1 - at];
    }
};

// UTF-8 parts, count of them, each in turn.
void AppendAll(char* to, size_t size, const char* const* parts, size_t count);

// A pattern with %1 to %5 standing for values, as a text in either language
// puts them where its words want them: AddPattern(text, "«%1» — не байт", word).
void AppendPattern(char* to, size_t size, const char* pattern, const char* const* values);
template <size_t N, typename... Values>
void AddPattern(char (&to)[N], const char* pattern, const Values&... values) {
    static_assert(sizeof...(Values) <= 5, "%1 to %5");
    const char* const list[] = {values..., "", "", "", "", ""};
    AppendPattern(to, N, pattern, list);
}

// Each part in turn: Add(text, "\"", given, "\" is not a port"). Parts that
// are all UTF-8 go in one call: a text is built in many places, and a
// Windows program is kept small.
template <typename Char, size_t N, typename... Parts>
void Add(Char (&to)[N], const Parts&... parts) {
    if constexpr (std::is_same_v<Char, char> && (std::is_convertible_v<const Parts&, const char*> && ...)) {
        const char* const list[] = {parts...};
        AppendAll(to, N, list, sizeof...(Parts));
    } else {
        (Append(to, N, parts), ...);
    }
}

// How a number may be written where it is read:
//   HEX     a port base: hex digits, an optional 0x before them
//   DECIMAL an LPT number
//   SCRIPT  a script's byte or count: 90, 0x5A or 0b01011010
enum class NumberForm { Hex, Decimal, Script };

// The number at *at, no more than max, in either case; *at moved past it.
// False (and *at unmoved) where there is no digit or the number is above max.
bool ReadNumber(const char** at, NumberForm form, uint32_t max, uint32_t* value);
// The same, for a whole word: nothing may follow the number.
bool ReadWholeNumber(const char* word, NumberForm form, uint32_t max, uint32_t* value);
