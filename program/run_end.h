// How a run ends and where it speaks: one way for every part of the program,
// on both platforms. The entry says once, at its start, which program this
// is and what kind of run; from then on every end goes through EndRun, the
// one place the process ends, which names the program in its errors and
// decides whether a box is shown.
//
// The rule: what ends the run is said in the console; a panel or a check
// started without a console or a terminal (from a desktop or a shortcut,
// where no one reads standard error) says it in a box too. A board script never opens a
// box, wherever its streams go: a box would hold a loop over boards until
// someone clicked it. How each platform asks about the console: console.h.
#pragma once

#include <cstdint>

#include "command_line.h"
#include "trouble.h"

// The exit statuses. What each means, and each cause of it, is written once,
// in options_and_statuses.txt, which the help, the manual and the guides are
// made from.
constexpr int EXIT_DONE = 0;
constexpr int EXIT_TROUBLE = 1;
constexpr int EXIT_WRONG = 2;
constexpr int EXIT_STOPPED = 130;  // as a shell reports a stop by SIGINT: 128 + 2

enum class RunKind { Panel, Script, Check };

// The entry's first word, before anything is said: the program, whose name
// its errors begin with, and the run's kind. Whether there is a console is
// asked as the run ends, where it matters.
void BeginRun(const ProgramWords& program, RunKind kind);

// Who speaks in what ends the run, from which EndRun alone decides whether
// it begins with the program's name: the text itself, where it says who
// speaks or needs no one (a script's "NAME:LINE:", the help, a check's
// lines); the program, of its own trouble (named); a usage error (named
// where the platform's words say so: Linux's are, Windows' are sentences of
// their own).
enum class Voice : uint8_t { Text, Program, Usage };

// The run's end with status, and what the operator is told: said, lines
// for the console (UTF-8, on standard output for EXIT_DONE, else on
// standard error; a last newline added where missing), after the program's
// name where its voice asks; and boxed, the box's text, where
// one may be shown (null: never a box, as where no window can open). A run
// whose output did not all reach its streams ends with EXIT_TROUBLE where it
// would have ended with EXIT_DONE, naming standard output where that failed.
[[noreturn]] void EndRun(int status, const char* said = "", const char* boxed = nullptr, Voice voice = Voice::Text);

// Trouble the run cannot go on after (status EXIT_TROUBLE): the English in
// the console after the program's name, the Russian in the box. Also how a
// port library ends the run where its port fails after the start.
[[noreturn]] void EndWithTrouble(const char* english, const char* russian);
