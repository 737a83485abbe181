// The program's command line, read whole by the port library's start before
// anything else happens, as command-line programs answer: --help and
// --version print and end with status 0; a usage error names the word,
// gives the usage line and ends with status 2. A port the board cannot be
// reached on stays status 1 (port_refusal.h). Written once for every
// program; each platform only hands over its arguments and shows what is
// said (command_line_linux.cpp, command_line_windows.cpp).
#pragma once

#include <cstdio>

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
extern const ProgramWords LINUX_PROGRAM;
extern const ProgramWords LINUX_SIM_PROGRAM;
extern const ProgramWords WINDOWS_PROGRAM;  // UTF-8, Russian

enum class ProgramAsked {
    Panel,    // open the panel, on the port asked for (or run a script, --run)
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
};

struct CommandLine {
    ProgramAsked asked;
    PortArgument port;   // Default when --port was not given
    UsageError error;
    const char* word;    // the word at fault
    const char* script;  // --run's file ("-": standard input), or null for the panel
};

constexpr int EXIT_USAGE = 2;

// args are the program's arguments after its name, as UTF-8.
CommandLine ReadCommandLine(int count, const char* const* args, const ProgramWords& program);

// What the start says for a command line it does not go on with: the help,
// the version, or the usage error with the usage line; empty for the panel.
struct Answer {
    char text[2048];
};
Answer CommandLineAnswer(const CommandLine& line, const ProgramWords& program);

// Reads the command line and ends the program where it asks for no panel:
// the answer on standard output (help, version) or error (a usage error),
// on Windows in a box and in the console it was started from. Otherwise
// returns the port asked for.
PortArgument StartCommandLine(int count, const char* const* args, const ProgramWords& program);

// The board script --run names, for the entry to read before the port is
// taken; null for the panel, and where the command line is wrong (the port
// library's start answers that).
const char* ScriptAsked();

// --- Each platform's (command_line_linux.cpp, command_line_windows.cpp)
// The program's arguments after its name, as UTF-8 (at most PORT_ARGS_MAX;
// args point into storage of its own).
int ProgramArguments(const char** args);
// Linux: the entry keeps its arguments here, as Windows' C runtime keeps
// them for the program; an entry called by a test keeps none.
void KeepProgramArguments(int count, const char* const* args);
// A line of text (UTF-8) to standard output, or to standard error: on
// Windows, where the program has none, to the console it was started from.
void SayToConsole(const char* text, bool error);
// An environment variable's value and a file's path as UTF-8, whatever
// the Windows code page, so that the texts that name them show them right.
const char* EnvironmentUtf8(const char* name);  // null where it is not set
FILE* OpenUtf8(const char* path, const char* mode);
// An answer said as SayToConsole says it (on Windows also in a box), then
// the end with status.
[[noreturn]] void AnswerAndEnd(const char* text, int status);
