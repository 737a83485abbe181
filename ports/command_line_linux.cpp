// Linux: the arguments the entry kept; answers on standard output, errors
// on standard error.
#include <cstdio>
#include <cstdlib>

#include "command_line.h"

static int g_count;
static const char* const* g_args;

void KeepProgramArguments(int count, const char* const* args) {
    g_count = count;
    g_args = args;
}

int ProgramArguments(const char** args) {
    const int count = g_count < PORT_ARGS_MAX ? g_count : PORT_ARGS_MAX;
    for (int i = 0; i < count; ++i) args[i] = g_args[i];
    return count;
}

const char* EnvironmentUtf8(const char* name) { return getenv(name); }

FILE* OpenUtf8(const char* path, const char* mode) { return fopen(path, mode); }

void SayToConsole(const char* text, bool error) {
    fputs(text, error ? stderr : stdout);
    fflush(stdout);
}

void AnswerAndEnd(const char* text, int status) {
    SayToConsole(text, status != 0);
    exit(status);
}
