// The program's command line, read once by the entry before anything else,
// as command-line programs answer: --help and --version print and end with
// status 0; a usage error names the word, gives the usage line and ends
// with status 2. Written once for every program; each platform's own words
// (words_linux.cpp, words_windows.cpp) and console (console.h) are its own.
#pragma once

#include "port_choice.h"

// What a program is called and how it speaks: its name, the usage line's
// options, its help, and whether it takes --port. Linux speaks English, as
// on standard output; Windows speaks Russian, as in its boxes.
struct ProgramWords {
    const char* name;     // as the operator starts it
    const char* product;  // before the version
    const char* usage;    // the options, after "Usage: " and the name
    const char* help;     // what it is, the options, the exit statuses, the manual
    bool takesPort;       // false: --port is a usage error (the simulated board)
    bool russian;         // speaks Russian, not English
};
extern const ProgramWords LINUX_PROGRAM;      // words_linux.cpp
extern const ProgramWords LINUX_SIM_PROGRAM;  // words_linux.cpp
extern const ProgramWords WINDOWS_PROGRAM;    // words_windows.cpp: UTF-8, Russian
// The words of the program being built: the build names them (PROGRAM_WORDS).
extern const ProgramWords& THIS_PROGRAM;

enum class ProgramAsked {
    Panel,    // open the panel on the port asked for, or run the script asked for
    Help,     // --help, -h, /?
    Version,  // --version
    Wrong,    // a usage error
};

// A usage error: the word at fault and what is wrong with it.
enum class UsageError {
    None,
    UnknownOption,
    StrayWord,
    NoValue,       // --port or --run last, or with an empty value
    GivenTwice,
    NoPortNeeded,  // the simulated board
    TooLong,       // a word longer than WORD_BYTES_MAX
};

// The longest word taken: a path as long as Windows' wide calls here open.
constexpr int WORD_BYTES_MAX = 1023;

struct CommandLine {
    ProgramAsked asked;
    PortArgument port;   // Default when --port was not given
    UsageError error;
    const char* word;    // the word at fault
    const char* script;  // --run's file ("-": standard input), or null for the panel
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
