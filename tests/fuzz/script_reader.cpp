// The script reader on any text: a number it takes is its whole word's
// value, a refusal names a line the text has, repeats pair with their ends.
#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "board_script.h"
#include "hold.h"

// The line's words, split again here: blanks between, '=' one of its own, '#' a comment.
static std::vector<std::string> Words(const char* text, uint32_t line) {
    while (--line > 0) text = strchr(text, '\n') + 1;
    std::string spaced;
    for (; *text != '\0' && *text != '\n' && *text != '#'; ++text) spaced += *text == '=' ? " = " : std::string(1, *text);
    std::vector<std::string> words;
    for (char* w = strtok(&spaced[0], " \t\r"); w != nullptr; w = strtok(nullptr, " \t\r")) words.push_back(w);
    words.resize(std::max<size_t>(words.size(), 3));
    return words;
}

// A byte or count as its whole word reads (0x hex, 0b binary, decimal); ULONG_MAX for no number.
static unsigned long Value(const std::string& word, size_t from = 0, size_t to = std::string::npos) {
    std::string w = word.substr(from, to == std::string::npos ? to : to - from);
    const int base = strncasecmp(w.c_str(), "0x", 2) == 0 ? 16 : strncasecmp(w.c_str(), "0b", 2) == 0 ? 2 : 10;
    if (base != 10) w.erase(0, 2);
    char* end = nullptr;
    const unsigned long value = strtoul(w.c_str(), &end, base);
    return isxdigit(static_cast<unsigned char>(w[0])) && *end == '\0' ? value : ULONG_MAX;
}

static BoardScript g_script;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string given(reinterpret_cast<const char*>(data), size);
    const char* text = given.c_str();
    const unsigned long lines = std::count(text, text + strlen(text), '\n') + 1;
    char error[SCRIPT_ERROR_MAX] = "";
    if (!ReadBoardScript(text, "fuzz", true, &g_script, error)) {
        char* end = error;
        const unsigned long line = strncmp(error, "fuzz:", 5) == 0 ? strtoul(error + 5, &end, 10) : 0;
        Hold(line >= 1 && line <= lines && strncmp(end, ": ", 2) == 0, "a refusal begins NAME:LINE: at a line of the text");
        return 0;
    }
    Hold(g_script.count <= SCRIPT_STEPS_MAX, "steps within their limit");
    uint32_t open[SCRIPT_DEPTH_MAX], depth = 0;
    for (uint32_t i = 0; i < g_script.count; ++i) {
        const ScriptStep& s = g_script.steps[i];
        Hold(s.line >= 1 && s.line <= lines && (i == 0 || s.line > g_script.steps[i - 1].line), "a step a line, in order");
        const std::vector<std::string> w = Words(text, s.line);
        const size_t dots = w[2].find("..");
        bool whole = true;
        switch (s.op) {
        case ScriptOp::Write: whole = Value(w[2]) == s.byte; break;
        case ScriptOp::Read: whole = !s.compare || Value(w[2]) == s.byte; break;
        case ScriptOp::Timer:
            whole = !s.compare || (Value(w[2], 0, dots) == s.count && Value(w[2], dots == w[2].npos ? 0 : dots + 2) == s.other);
            break;
        case ScriptOp::Step: whole = w[1].empty() ? s.count == 1 : Value(w[1]) == s.count; break;
        case ScriptOp::Wait: whole = Value(w[1]) == s.count; break;
        case ScriptOp::Repeat:
            whole = Value(w[1]) == s.count && depth < SCRIPT_DEPTH_MAX;
            open[depth++ % SCRIPT_DEPTH_MAX] = i;
            break;
        case ScriptOp::End: whole = depth > 0 && open[--depth] == s.other && g_script.steps[s.other].other == i; break;
        default: break;
        }
        Hold(whole, "each number is its whole word's, each end its repeat's, repeats within their depth");
    }
    Hold(depth == 0, "every repeat ended");
    return 0;
}
