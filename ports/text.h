// Texts for the operator, built by hand into terminated buffers that cut at
// their end: no printf family, which on Windows brings MinGW's own (with a
// floating-point converter) into every program and DLL.
#pragma once

#include <cstddef>
#include <cstdint>

// Bytes the operator gave (a path, an argument, a system message) as wide
// text: UTF-8 decoded by hand, since a wide format's %s would need a UTF-8
// locale the programs never set. A byte that is not UTF-8 shows as '?'; a
// character beyond 16 bits is a surrogate pair where wchar_t is 16 bits.
void WidenUtf8(const char* bytes, wchar_t* out, size_t size);

void Append(char* to, size_t size, const char* text);
void Append(wchar_t* to, size_t size, const wchar_t* text);
void Append(wchar_t* to, size_t size, const char* utf8);  // widened
void Append(char* to, size_t size, const wchar_t* text);  // as UTF-8
// n in upper-case hex, with at least digits digits.
void AppendHex(char* to, size_t size, uint32_t n, int digits);
void AppendDecimal(char* to, size_t size, uint64_t n);

// Each part in turn: Add(text, "\"", given, "\" is not a port").
template <typename Char, size_t N, typename... Parts>
void Add(Char (&to)[N], const Parts&... parts) {
    (Append(to, N, parts), ...);
}
