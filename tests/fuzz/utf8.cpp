// The UTF-8 codec on any bytes, into buffers of any size (the input's first
// two bytes): what comes back is valid UTF-8 and terminated in its buffer,
// and valid UTF-8 comes back as it was, whole where it fits, else cut
// between characters.
#include <algorithm>
#include <clocale>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "hold.h"
#include "text.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Hold(setlocale(LC_ALL, "C.UTF-8") != nullptr, "a UTF-8 locale");
    return 0;
}

// The characters of valid UTF-8, as the C library's UTF-8 locale reads it
// (which takes codes beyond U+10FFFF too); -1 for text that is not.
static size_t Characters(const char* text) {
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
    Hold(wmemchr(wide.data(), L'\0', wide.size()) != nullptr, "the wide text terminated in its buffer");
    NarrowToUtf8(wide.data(), back.data(), back.size());
    Hold(memchr(back.data(), '\0', back.size()) != nullptr && Characters(back.data()) != size_t(-1),
         "valid UTF-8, terminated in its buffer");
    const size_t characters = Characters(bytes.c_str());
    if (characters == size_t(-1)) return 0;
    const bool fits = characters < wide.size() && strlen(bytes.c_str()) < back.size();
    Hold(fits ? strcmp(back.data(), bytes.c_str()) == 0 : strncmp(back.data(), bytes.c_str(), strlen(back.data())) == 0,
         "valid UTF-8 back as it was");
    return 0;
}
