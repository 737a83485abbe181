// The UTF-8 codec on any bytes, into buffers of any size (the input's first
// two bytes): back comes valid UTF-8 terminated in its buffer; valid UTF-8
// comes back as it was, whole where it fits, else cut between characters.
#include <algorithm>
#include <cassert>
#include <clocale>
#include <cstring>
#include <string>
#include <vector>

#include "text.h"

// The characters of valid UTF-8, as the C library's UTF-8 locale reads it
// (which takes codes beyond U+10FFFF too); -1 for bytes that are not.
static size_t Characters(const char* text) {
    static const char* const locale = setlocale(LC_ALL, "C.UTF-8");
    assert(locale != nullptr);
    std::vector<wchar_t> wide(strlen(text) + 1);
    const size_t count = mbstowcs(wide.data(), text, wide.size());
    const auto beyond = [](wchar_t c) { return uint32_t(c) > 0x10FFFF; };
    return count == size_t(-1) || std::any_of(wide.begin(), wide.begin() + count, beyond) ? size_t(-1) : count;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const std::string bytes(data + 2, data + size);
    std::vector<wchar_t> wide(data[0] % 64 + 1);
    std::vector<char> back(data[1] % 128 + 1);
    WidenUtf8(bytes.c_str(), wide.data(), wide.size());
    NarrowToUtf8(wide.data(), back.data(), back.size());
    assert(wmemchr(wide.data(), L'\0', wide.size()) && memchr(back.data(), '\0', back.size()));
    assert(Characters(back.data()) != size_t(-1));
    const size_t characters = Characters(bytes.c_str());
    const bool fits = characters < wide.size() && strlen(bytes.c_str()) < back.size();
    const size_t compared = fits ? back.size() : strlen(back.data());  // the terminator too, where it fits
    assert(characters == size_t(-1) || strncmp(back.data(), bytes.c_str(), compared) == 0);
    return 0;
}
