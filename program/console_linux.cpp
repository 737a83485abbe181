// Linux: answers on standard output, errors on standard error; the
// controlling terminal is the console, whatever the streams were sent to.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "console.h"

void SayToConsole(const char* text, bool error) {
    fputs(text, error ? stderr : stdout);
    fflush(error ? stderr : stdout);
}

bool StartedFromConsole() {
    const int terminal = open("/dev/tty", O_RDONLY | O_CLOEXEC);
    if (terminal < 0) return false;
    close(terminal);
    return true;
}

const char* EnvironmentUtf8(const char* name) { return getenv(name); }

FILE* OpenUtf8(const char* path, const char* mode) { return fopen(path, mode); }
