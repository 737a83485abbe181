// Linux: answers on standard output, errors on standard error, a terminal
// there being the console.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "console.h"

void SayToConsole(const char* text, bool error) {
    fputs(text, error ? stderr : stdout);
    fflush(error ? stderr : stdout);
}

bool HaveConsole() { return isatty(STDERR_FILENO) == 1; }

void AnswerAndEnd(const char* text, int status) {
    SayToConsole(text, status != 0);
    exit(status);
}

void EndWithoutWindow() {
    fprintf(stderr,
            "%s: no display to open the panel on. Start it in a desktop session, or with make run, which "
            "starts a virtual display; over ssh, use ssh -X.\n",
            program_invocation_short_name);
    exit(1);
}

const char* EnvironmentUtf8(const char* name) { return getenv(name); }

FILE* OpenUtf8(const char* path, const char* mode) { return fopen(path, mode); }
