// The program's command line, read once by the entry before anything else,
// as command-line programs answer: --help and --version print and end with
// status 0; a usage error names the word, gives the usage line and ends
// with status 2. Written once for every program; each platform's own words
// (words_linux.cpp, words_windows.cpp) and console (console.h) are its own.
#pragma once

#include "port_choice.h"

// What is wrong with a word, around the word: one per UsageError.
struct UsageText {
    const char* before;
    const char* after;
};

// What a program is called and how it speaks: its name, the usage line's
// options, its help, whether it takes --port, and its language's words.
// Linux speaks English, as on standard output, a usage error after the
// program's name; Windows speaks Russian, as in its boxes, a usage error
// as a sentence of its own.
struct ProgramWords {
    const char* name;     // as the operator starts it
    const char* product;  // before the version
    const char* usage;    // the options, after the usage label and the name
    const char* help;     // what it is, the options, the exit statuses, the manual
    bool takesPort;       // false: --port is a usage error (the simulated board)
    const char* usageLabel;         // "Usage: "
    const char* moreLabel;          // "More: ", before "NAME --help"
    const char* errorPrefix;        // before a usage error: the name and ": ", or nothing
    const UsageText* usageErrors;   // by UsageError
};
extern const ProgramWords LINUX_PROGRAM;      // words_linux.cpp
extern const ProgramWords LINUX_SIM_PROGRAM;  // words_linux.cpp
extern const ProgramWords WINDOWS_PROGRAM;    // words_windows.cpp: UTF-8, Russian
// The words of the program being built: the build names them (PROGRAM_WORDS).
extern const ProgramWords& THIS_PROGRAM;

enum class ProgramAsked {
    Panel,    // open the panel on the port asked for (recording it, --record), or run
              // the script asked for
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
    TooLong,       // a word longer than WORD_BYTES_MAX (not shown)
    RecordAndRun,  // --record with --run: a script is not a panel session
};

// The longest word taken: a path as long as Windows' wide calls here open.
constexpr int WORD_BYTES_MAX = 1023;

struct CommandLine {
    ProgramAsked asked;
    PortArgument port;   // Default when --port was not given
    UsageError error;
    const char* word;    // the word at fault
    const char* script;  // --run's file ("-": standard input), or null for the panel
    const char* record;  // --record's file, or null: the panel's session is not recorded
};

constexpr int EXIT_USAGE = 2;

// args are the program's arguments after its name, as UTF-8; every one of
// them is read.
CommandLine ReadCommandLine(int count, const char* const* args, const ProgramWords& program);

// What the start says for a command line it does not go on with: the help,
// the version, or the usage error with the usage line; empty for the panel.
struct Answer {
    char text[4096];
};
Answer CommandLineAnswer(const CommandLine& line, const ProgramWords& program);

// This program's own command line: where it asks for help, the version, or
// is wrong, the answer is said (console.h) and the program ends, touching no
// port; otherwise what it asks for.
CommandLine ReadProgramCommandLine();
