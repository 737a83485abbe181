// The script reader on any text: a number it takes is its whole word's value,
// a refusal names a line the text has, an end pairs with its repeat.
#include <algorithm>
#include <cassert>
#include <cstring>
#include <string>

#include "board_script.h"

// A line's last word, found again here: after its last blank or '=', before any '#'.
static std::string LastWord(const char* text, uint32_t line) {
    while (--line > 0) text = strchr(text, '\n') + 1;
    std::string words(text, strcspn(text, "\n#"));
    words.erase(words.find_last_not_of(" \t\r") + 1);
    return words.substr(words.find_last_of(" \t\r=") + 1);
}

// A byte or count as the whole word reads (0x hex, 0b binary, else decimal); -1 for no number.
static long long Value(const std::string& word) {
    const char form = word[0] == '0' ? char(tolower(word[1])) : '\0';
    const int base = form == 'x' ? 16 : form == 'b' ? 2 : 10;
    const char* digits = word.c_str() + (base == 10 ? 0 : 2);
    char* end = nullptr;
    const long long value = static_cast<long long>(strtoull(digits, &end, base));
    return isxdigit(static_cast<unsigned char>(*digits)) && *end == '\0' ? value : -1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static BoardScript script;
    const std::string given(reinterpret_cast<const char*>(data), size);
    const char* text = given.c_str();
    const uint32_t lines = uint32_t(std::count(text, text + strlen(text), '\n')) + 1;
    char error[SCRIPT_ERROR_MAX] = "", *end = error;
    if (!ReadBoardScript(text, "fuzz", true, &script, error)) {
        const unsigned long line = strncmp(error, "fuzz:", 5) == 0 ? strtoul(error + 5, &end, 10) : 0;
        assert(line >= 1 && line <= lines && strncmp(end, ": ", 2) == 0);
        return 0;
    }
    uint32_t open[SCRIPT_DEPTH_MAX + 1], depth = 0;
    for (uint32_t i = 0; i < script.count; ++i) {
        const ScriptStep& s = script.steps[i];
        assert(s.line >= 1 && s.line <= lines && (i == 0 || s.line > script.steps[i - 1].line));
        const std::string word = LastWord(text, s.line);
        const size_t dots = word.find("..");
        const long long value = Value(word.substr(0, dots));
        const long long most = Value(word.substr(dots == word.npos ? 0 : dots + 2));  // a band's; else the count's
        switch (s.op) {
        case ScriptOp::Write:
        case ScriptOp::Read: assert(value == s.byte || (s.op == ScriptOp::Read && !s.compare)); break;
        case ScriptOp::Timer: assert(!s.compare || (value == s.count && most == s.other)); break;
        case ScriptOp::Step:  // alone: once
        case ScriptOp::Wait: assert(value == s.count || (s.op == ScriptOp::Step && value == -1 && s.count == 1)); break;
        case ScriptOp::Repeat: assert(value == s.count && depth < SCRIPT_DEPTH_MAX); open[depth++] = i; break;
        case ScriptOp::End: assert(depth > 0 && open[--depth] == s.other && script.steps[s.other].other == i); break;
        default: break;
        }
    }
    assert(depth == 0 && script.count <= SCRIPT_STEPS_MAX);
    return 0;
}
