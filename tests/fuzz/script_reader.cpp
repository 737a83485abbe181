// The script reader on any text: a refusal names a line the text has ("fuzz:LINE: "); a byte or count it takes
// is the value of its line's last word, read again here (0x hex, 0b binary, else decimal).
#include <algorithm>
#include <cassert>
#include <cstring>
#include <string>
#include "board_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static BoardScript script;
    const std::string text(data, std::find(data, data + size, 0));  // as the reader takes it: to a zero byte
    char error[SCRIPT_ERROR_MAX] = "", *after = error;
    const bool read = ReadBoardScript(text.c_str(), "fuzz", true, &script, error);
    const long line = strncmp(error, "fuzz:", 5) == 0 ? strtol(error + 5, &after, 10) : 0;
    const long lines = std::count(text.begin(), text.end(), '\n') + 1;
    assert(read || (line >= 1 && line <= lines && strncmp(after, ": ", 2) == 0));
    for (const ScriptStep* s = script.steps; read && s < script.steps + script.count; ++s) {
        size_t at = 0;  // where the step's line starts; then its last word, before any comment
        for (uint32_t n = 1; n < s->line; ++n) at = text.find('\n', at) + 1;
        std::string word = text.substr(at, text.find_first_of("\n#", at) - at);
        word.erase(word.find_last_not_of(" \t\r") + 1);
        word.erase(0, word.find_last_of(" \t\r=") + 1);
        const int base = word[0] != '0' ? 10 : tolower(word[1]) == 'x' ? 16 : tolower(word[1]) == 'b' ? 2 : 10;
        char* end = nullptr;
        const long long value = strtoll(word.c_str() + (base == 10 ? 0 : 2), &end, base);
        const bool number = *end == '\0';  // a step alone has none
        if (s->op == ScriptOp::Write || (s->op == ScriptOp::Read && s->compare)) assert(number && value == s->byte);
        if (s->op == ScriptOp::Repeat || s->op == ScriptOp::Step)
            assert(number ? value == s->times : s->op == ScriptOp::Step && s->times == 1);
        if (s->op == ScriptOp::Wait) assert(number && value == s->milliseconds);
    }
    return 0;
}
