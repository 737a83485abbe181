// The UTF-8 codec on any bytes, into buffers of any size (the input's first two bytes): back comes valid UTF-8
// terminated in its buffer; valid UTF-8 that fits comes back unchanged. Valid: as the C library reads it.
#include <algorithm>
#include <cassert>
#include <clocale>
#include <string>
#include <vector>
#include "text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const utf8 = setlocale(LC_ALL, "C.UTF-8");
    if (size < 2) return 0;
    const std::string bytes(data + 2, std::find(data + 2, data + size, 0));  // as a C string: to a zero byte
    std::vector<wchar_t> wide(data[0] % 64 + 1);
    std::vector<char> back(data[1] % 128 + 1);
    WidenUtf8(bytes.c_str(), wide.data(), wide.size());
    NarrowToUtf8(wide.data(), back.data(), back.size());
    assert(utf8 && std::count(back.begin(), back.end(), '\0') > 0 && mbstowcs(nullptr, back.data(), 0) != size_t(-1));
    const size_t characters = mbstowcs(nullptr, bytes.c_str(), 0);  // the library takes codes past U+10FFFF: '?'
    if (characters < wide.size() && bytes.size() < back.size() && std::count(wide.begin(), wide.end(), L'?') == 0)
        assert(bytes == back.data());
    return 0;
}
