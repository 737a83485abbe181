// Where the program speaks to the operator, each platform's own
// (console_linux.cpp, console_windows.cpp): its arguments, standard output
// and error or the console it was started from, and the rule for a box: a
// start from a console answers in the console alone; a box is for a start
// without one.
#pragma once

#include <cstdio>

// The program's arguments after its name, as UTF-8, every one of them
// (arguments_linux.cpp, arguments_windows.cpp).
int ProgramArguments(const char* const** args);

// A text (UTF-8) to standard output, or to standard error: on Windows, where
// the program has none of its own, to the console it was started from.
void SayToConsole(const char* text, bool error);

// Whether the operator reads what SayToConsole says: a terminal on Linux,
// a console or handles given by the starter on Windows. Where not, what
// matters goes in a box too.
bool HaveConsole();

// An answer to the command line said, then the end with status: in the
// console, and on Windows in a box where there is none.
[[noreturn]] void AnswerAndEnd(const char* text, int status);

// No window could be opened for the panel: said with what to do, then the
// end with status 1.
[[noreturn]] void EndWithoutWindow();

// An environment variable's value and a file's path as UTF-8, whatever
// the Windows code page, so that the texts that name them show them right.
const char* EnvironmentUtf8(const char* name);  // null where it is not set
FILE* OpenUtf8(const char* path, const char* mode);

// Windows: the console of the process that started this one, attached (the
// program has none of its own); false where there is none.
bool AttachStarterConsole();
