// The program's command line, read once by the entry before anything else,
// as command-line programs answer: --help and --version print and end with
// status 0; a usage error names the word, gives the usage line and ends
// with status 2. Written once for every program; each platform's own words
// (words_linux.cpp, words_windows.cpp) and arguments (console.h) are its own.
#pragma once

#include "console.h"

// What is wrong with a word, around the word: one per UsageError.
struct UsageText {
    const char* before;
    const char* after;
};

// What a program is called and how it speaks: its name, the usage line's
// options, its help, and its language's words. Linux speaks English, as on
// standard output, a usage error after the program's name; Windows speaks
// Russian, as in its boxes, a usage error as a sentence of its own.
struct ProgramWords {
    const char* name;     // as the operator starts it
    const char* product;  // before the version, and before its errors
    const char* usage;    // the options, after the usage label and the name
    const char* help;     // what it is, the options, the exit statuses, the manual
    const char* usageLabel;         // "Usage: "
    const char* moreLabel;          // "More: ", before "NAME --help"
    bool usageErrorNamed;           // a usage error after the product's name (run_end.h's Voice)
    const UsageText* usageErrors;   // by UsageError, UsageError::Count of them
    const char* noWindow;           // no window could be opened for the panel: why, and what to do
};
extern const ProgramWords LINUX_PROGRAM;      // words_linux.cpp
extern const ProgramWords LINUX_SIM_PROGRAM;  // words_linux.cpp
extern const ProgramWords WINDOWS_PROGRAM;    // words_windows.cpp: UTF-8, Russian
// The words of the program being built: the build names them (PROGRAM_WORDS).
extern const ProgramWords& THIS_PROGRAM;

enum class ProgramAsked {
    Panel,    // open the panel on the port asked for (recording it, --record), run the
              // script asked for (--run), or check the port and the board (--check)
    Help,     // --help, -h, /?
    Version,  // --version
    Wrong,    // a usage error
};

// A usage error: the word at fault and what is wrong with it.
enum class UsageError {
    None,
    UnknownOption,
    StrayWord,
    NoValue,       // an option last, or with an empty value
    GivenTwice,
    NoPortNeeded,  // the simulated board
    TooLong,       // a word longer than WORD_BYTES_MAX: the word is the limit, not the word
    RecordAndRun,  // --record with --run: a script is not a panel session
    CheckAndMore,  // --check with --run or --record: a check runs nothing else
    Count
};

// The longest word taken, so that the usage line still fits after it.
constexpr int WORD_BYTES_MAX = 1023;

struct CommandLine {
    ProgramAsked asked;
    UsageError error;
    const char* word;    // the word at fault
    const char* port;    // --port's value, or null: the platform's first port
    const char* script;  // --run's file ("-": standard input), or null for the panel; where
                         // the line is wrong, not null if it has --run anywhere
    const char* record;  // --record's file, or null: the panel's session is not recorded
    bool check;          // --check: the port and the board checked, in place of the panel
};

// args are the program's arguments after its name, as UTF-8; every one of
// them is read. portNamed: whether the port library takes a port the
// operator names (the simulated board takes none, and --port is a usage
// error).
CommandLine ReadCommandLine(int count, const char* const* args, bool portNamed);

// What the start says for a command line it does not go on with: the help,
// the version, or the usage error with the usage line; empty for the panel.
struct Answer {
    char text[4096];
};
static_assert(sizeof(Answer::text) <= SAID_MAX, "an answer is said whole");
Answer CommandLineAnswer(const CommandLine& line, const ProgramWords& program);
