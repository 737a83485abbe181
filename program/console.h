// Where the program speaks to the operator, each platform's own
// (console_linux.cpp, console_windows.cpp): its arguments, standard output
// and error or the console it was started from, and whether it was started
// from one at all (run_end.h says what follows from that).
#pragma once

#include <cstdio>

#include "trouble.h"

// The longest text said in one piece: trouble with its path, or a command
// line's answer (the help), whole.
constexpr size_t SAID_MAX = TROUBLE_TEXT_MAX + 4096;

// The program's arguments after its name, as UTF-8, every one of them
// (arguments_linux.cpp, arguments_windows.cpp).
int ProgramArguments(const char* const** args);

// A text (UTF-8) to standard output, or to standard error: on Windows, where
// the program has none of its own, to the console it was started from.
void SayToConsole(const char* text, bool error);

// Whether all said on standard output (or error) reached it, as each text
// was written and flushed, asked as the run ends: 0 where it did, else the
// system's code of the first failure (errno; Windows: GetLastError's), as a
// file or a pipe that is full or gone. A console gone is no failure: no one
// is left to read it.
int StreamLost(bool error);
// The system's words for such a code, added to a text (UTF-8).
void AddSystemReason(char* to, size_t size, int code);

// Whether the command line's answer (the help, the version, a usage error)
// is shown in a box where there is no console. Windows: a start from
// Explorer has no streams at all, and a box is the only way to answer.
// Linux: never, as its programs do; the streams always lead somewhere, and a
// box would hold whatever asked, a desktop's script or a packaging tool.
extern const bool ANSWER_IN_BOX;

// Whether the program was started from a console or a terminal, where the
// operator reads what SayToConsole says: Linux asks for the controlling
// terminal; Windows for the starter's console, or standard handles the
// starter gave (a pipe, a file, kalderon-test.com's console). A start from a
// desktop or a shortcut has none of them.
bool StartedFromConsole();

// An environment variable's value and a file's path as UTF-8, whatever
// the Windows code page, so that the texts that name them show them right.
const char* EnvironmentUtf8(const char* name);  // null where it is not set
FILE* OpenUtf8(const char* path, const char* mode);

// Windows: the console of the process that started this one, attached (the
// program has none of its own); false where there is none.
bool AttachStarterConsole();
