#include "command_line.h"

#include <cstring>

#include "text.h"

static const char PORT_OPTION[] = "--port";
static const char RUN_OPTION[] = "--run";
static const char RECORD_OPTION[] = "--record";
static const char CHECK_OPTION[] = "--check";

static bool Is(const char* word, const char* name) { return strcmp(word, name) == 0; }

static constexpr DecimalDigits WORD_LIMIT(WORD_BYTES_MAX);

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
// usage error) decides. The words after it are still looked through for
// --run: a line that asks for a script anywhere is a script's run, wrong
// before that word or not, and never opens a box.
CommandLine ReadCommandLine(int count, const char* const* args, bool portNamed) {
    static const char* const OPTIONS[] = {PORT_OPTION, RUN_OPTION, RECORD_OPTION};
    constexpr int PORT = 0, RUN = 1, RECORD = 2, NONE = 3;
    CommandLine line = {ProgramAsked::Panel, UsageError::None, "", nullptr, nullptr, nullptr, false};
    const char* values[NONE] = {};  // by OPTIONS
    for (int i = 0; i < count; ++i) {
        const char* word = args[i];
        const char* value = "";
        int option = 0;
        while (option < NONE && !Option(OPTIONS[option], count, args, &i, &value)) ++option;
        if (line.asked == ProgramAsked::Panel) {
            UsageError error = UsageError::None;
            if (strlen(word) > size_t(WORD_BYTES_MAX) || strlen(value) > size_t(WORD_BYTES_MAX))
                error = UsageError::TooLong;
            else if (Is(word, "--help") || Is(word, "-h") || Is(word, "/?"))  // "/?": Windows' way, harmless elsewhere
                line.asked = ProgramAsked::Help;
            else if (Is(word, "--version"))
                line.asked = ProgramAsked::Version;
            else if (Is(word, CHECK_OPTION) && line.check)
                error = UsageError::GivenTwice;
            else if (Is(word, CHECK_OPTION))
                line.check = true;
            else if (option == NONE)
                error = word[0] == '-' && word[1] != '\0' ? UsageError::UnknownOption : UsageError::StrayWord;
            else if (option == PORT && !portNamed)
                error = UsageError::NoPortNeeded;
            else if (values[option] != nullptr)
                error = UsageError::GivenTwice;
            else if (*value == '\0')
                error = UsageError::NoValue;
            else
                values[option] = value;
            if (error != UsageError::None) line.asked = ProgramAsked::Wrong;
            line.error = error;
            if (line.asked != ProgramAsked::Panel)
                line.word = error == UsageError::TooLong ? "" : option == NONE ? word : OPTIONS[option];
        }
        // Wherever it is, --run makes the line a script's run.
        if (option == RUN && values[RUN] == nullptr) values[RUN] = value;
    }
    line.script = values[RUN];
    if (line.asked != ProgramAsked::Panel) return line;
    line.port = values[PORT];
    line.record = values[RECORD];
    // A script is not a panel session, and a check is neither.
    if (line.script != nullptr && line.record != nullptr) {
        line.asked = ProgramAsked::Wrong;
        line.error = UsageError::RecordAndRun;
        line.word = RECORD_OPTION;
    } else if (line.check && (line.script != nullptr || line.record != nullptr)) {
        line.asked = ProgramAsked::Wrong;
        line.error = UsageError::CheckAndMore;
        line.word = line.script != nullptr ? RUN_OPTION : RECORD_OPTION;
    }
    return line;
}

Answer CommandLineAnswer(const CommandLine& line, const ProgramWords& program) {
    Answer said = {};
    char(&answer)[sizeof said.text] = said.text;
    if (line.asked == ProgramAsked::Panel) return said;
    if (line.asked == ProgramAsked::Version) {
        Add(answer, program.product, " ", KALDERON_VERSION, "\n");
        return said;
    }
    const bool wrong = line.asked == ProgramAsked::Wrong;
    if (wrong) {
        const UsageText& text = program.usageErrors[int(line.error)];
        // A word too long is not shown, so that the usage line still fits: the limit is.
        const char* word = line.error == UsageError::TooLong ? WORD_LIMIT.text : line.word;
        Add(answer, text.before, word, text.after, "\n");
    }
    // The usage line, then the help, or where to find it.
    Add(answer, program.usageLabel, program.name, " ", program.usage, "\n");
    if (wrong)
        Add(answer, program.moreLabel, program.name, " --help\n");
    else
        Add(answer, program.help);
    return said;
}
