#include "command_line.h"

#include <cstring>

#include "console.h"
#include "text.h"

static const char PORT_OPTION[] = "--port";
static const char RUN_OPTION[] = "--run";

// What is wrong with a word, in each language: English after the program's
// name, Russian as a sentence of its own.
struct UsageText {
    const char* english;  // before and after the word
    const char* englishAfter;
    const char* russian;
    const char* russianAfter;
};
static const UsageText USAGE_TEXTS[] = {
    {"", "", "", ""},  // UsageError::None
    {"unknown option \"", "\"", "Неизвестный параметр «", "»."},
    {"unexpected word \"", "\"", "Лишнее слово «", "»."},
    {"\"", "\" needs a value", "После «", "» нужно значение."},
    {"\"", "\" is given twice", "«", "» указан дважды."},
    {"\"", "\": the simulated board needs no port", "«", "»: имитатору платы порт не нужен."},
    {"a word longer than 1023 bytes: \"", "\"", "Слово длиннее 1023 байт: «", "»."},
};

static bool Is(const char* word, const char* name) { return strcmp(word, name) == 0; }

static CommandLine Wrong(UsageError error, const char* word) {
    return {ProgramAsked::Wrong, {PortAsked::Default, 0, ""}, error, word, nullptr};
}

// "--port VALUE" or "--port=VALUE": whether args[*at] is the option; its
// value (empty where there is none) in *value, *at moved past it.
static bool Option(const char* name, int count, const char* const* args, int* at, const char** value) {
    const char* word = args[*at];
    const size_t length = strlen(name);
    if (strncmp(word, name, length) != 0) return false;
    if (word[length] == '=') {
        *value = word + length + 1;
        return true;
    }
    if (word[length] != '\0') return false;
    *value = *at + 1 < count ? args[++*at] : "";
    return true;
}

// In order, as getopt reads: the first word that decides (help, version, a
// usage error) decides.
CommandLine ReadCommandLine(int count, const char* const* args, const ProgramWords& program) {
    CommandLine line = {ProgramAsked::Panel, {PortAsked::Default, 0, ""}, UsageError::None, "", nullptr};
    bool portGiven = false;
    for (int i = 0; i < count; ++i) {
        if (strlen(args[i]) > size_t(WORD_BYTES_MAX)) return Wrong(UsageError::TooLong, args[i]);
        const char* word = args[i];
        const char* value = nullptr;
        // "/?" is Windows' way of asking; harmless elsewhere.
        if (Is(word, "--help") || Is(word, "-h") || Is(word, "/?"))
            return {ProgramAsked::Help, line.port, {}, word, nullptr};
        if (Is(word, "--version")) return {ProgramAsked::Version, line.port, {}, word, nullptr};
        const bool port = Option(PORT_OPTION, count, args, &i, &value);
        const bool run = !port && Option(RUN_OPTION, count, args, &i, &value);
        if ((port || run) && strlen(value) > size_t(WORD_BYTES_MAX)) return Wrong(UsageError::TooLong, value);
        if (port) {
            if (!program.takesPort) return Wrong(UsageError::NoPortNeeded, PORT_OPTION);
            if (portGiven) return Wrong(UsageError::GivenTwice, PORT_OPTION);
            if (*value == '\0') return Wrong(UsageError::NoValue, PORT_OPTION);
            line.port = ReadPortValue(value);
            portGiven = true;
        } else if (run) {
            if (line.script != nullptr) return Wrong(UsageError::GivenTwice, RUN_OPTION);
            if (*value == '\0') return Wrong(UsageError::NoValue, RUN_OPTION);
            line.script = value;
        } else {
            return Wrong(word[0] == '-' && word[1] != '\0' ? UsageError::UnknownOption : UsageError::StrayWord, word);
        }
    }
    return line;
}

Answer CommandLineAnswer(const CommandLine& line, const ProgramWords& program) {
    Answer said = {};
    char(&answer)[sizeof said.text] = said.text;
    const char* usage = program.russian ? "Запуск: " : "Usage: ";
    const char* space = *program.usage != '\0' ? " " : "";
    switch (line.asked) {
    case ProgramAsked::Panel:
        break;
    case ProgramAsked::Help:
        Add(answer, usage, program.name, space, program.usage, "\n", program.help);
        break;
    case ProgramAsked::Version:
        Add(answer, program.product, " ", KALDERON_VERSION, "\n");
        break;
    case ProgramAsked::Wrong: {
        const UsageText& text = USAGE_TEXTS[int(line.error)];
        // A word too long is shown by its start, so that the usage line
        // still fits.
        char word[WORD_BYTES_MAX + 1] = "";
        const bool tooLong = line.error == UsageError::TooLong;
        Append(word, tooLong ? 41 : sizeof word, line.word);
        if (tooLong) Add(word, "…");
        if (program.russian)
            Add(answer, text.russian, word, text.russianAfter, "\n");
        else
            Add(answer, program.name, ": ", text.english, word, text.englishAfter, "\n");
        Add(answer, usage, program.name, space, program.usage, "\n");
        Add(answer, program.russian ? "Справка: " : "More: ", program.name, " --help\n");
        break;
    }
    }
    return said;
}

CommandLine ReadProgramCommandLine() {
    const char* const* args = nullptr;
    const int count = ProgramArguments(&args);
    const CommandLine line = ReadCommandLine(count, args, THIS_PROGRAM);
    if (line.asked == ProgramAsked::Panel) return line;
    AnswerAndEnd(CommandLineAnswer(line, THIS_PROGRAM).text, line.asked == ProgramAsked::Wrong ? EXIT_USAGE : 0);
}
