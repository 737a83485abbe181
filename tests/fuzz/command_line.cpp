// The command line on any words (the input cut at its zero bytes): a word over WORD_BYTES_MAX never opens the
// panel, a value it takes is a whole word or follows its option's '=', and a usage error's answer names its word.
#include <cassert>
#include <cstring>
#include <string>
#include <vector>
#include "command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static constexpr DecimalDigits LIMIT(WORD_BYTES_MAX);  // named in place of a word too long to show
    const std::string text(data, data + size);
    std::vector<const char*> args;
    for (size_t at = 0; at < size; at += strlen(&text[at]) + 1) args.push_back(&text[at]);
    const CommandLine line = ReadCommandLine(int(args.size()), args.data(), true);
    const bool panel = line.asked == ProgramAsked::Panel, wrong = line.asked == ProgramAsked::Wrong;
    for (const char* word : args) assert(!panel || strlen(word) <= WORD_BYTES_MAX);
    for (const char* value : {line.port, line.script, line.record})
        assert(!panel || value == nullptr || value[-1] == '\0' || value[-1] == '=');
    const Answer answer = CommandLineAnswer(line, LINUX_PROGRAM);
    assert(memchr(answer.text, '\0', sizeof answer.text));
    assert(!wrong || strstr(answer.text, line.error == UsageError::TooLong ? LIMIT.text : line.word));
    return 0;
}
