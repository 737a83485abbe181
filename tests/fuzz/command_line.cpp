// The command line on any words (the input split at its zero bytes): the
// decision is the words', and each answer is terminated in its buffer.
#include <algorithm>
#include <cassert>
#include <cstring>
#include <vector>

#include "command_line.h"

// Whether value is option's, and not empty: the word after it, or after its '='.
static bool Given(const char* value, const char* option, const std::vector<const char*>& args) {
    const size_t n = strlen(option);
    for (size_t i = 0; value != nullptr && *value != '\0' && i < args.size(); ++i)
        if ((i > 0 && value == args[i] && strcmp(args[i - 1], option) == 0) ||
            (strncmp(args[i], option, n) == 0 && args[i][n] == '=' && value == args[i] + n + 1))
            return true;
    return value == nullptr;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    std::vector<const char*> args;
    for (size_t at = 0; at < size; at += strlen(args.back()) + 1) args.push_back(&text[at]);
    const bool tooLong = std::any_of(args.begin(), args.end(), [](const char* w) { return strlen(w) > WORD_BYTES_MAX; });
    static constexpr DecimalDigits LIMIT(WORD_BYTES_MAX);
    for (const bool portNamed : {false, true}) {
        const CommandLine line = ReadCommandLine(int(args.size()), args.data(), portNamed);
        const bool panel = line.asked == ProgramAsked::Panel, wrong = line.asked == ProgramAsked::Wrong;
        assert(wrong == (line.error != UsageError::None) && !(panel && tooLong));
        assert(!panel || (Given(line.port, "--port", args) && Given(line.script, "--run", args) &&
                          Given(line.record, "--record", args) && !(line.script && line.record)));
        for (const ProgramWords* program : {&LINUX_PROGRAM, &LINUX_SIM_PROGRAM, &WINDOWS_PROGRAM}) {
            const Answer answer = CommandLineAnswer(line, *program);
            assert(memchr(answer.text, '\0', sizeof answer.text) && (answer.text[0] == '\0') == panel);
            assert(!wrong || strstr(answer.text, line.error == UsageError::TooLong ? LIMIT.text : line.word));
        }
    }
    return 0;
}
