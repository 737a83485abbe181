// Linux: answers on standard output, errors on standard error; the
// controlling terminal is the console, whatever the streams were sent to.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "console.h"
#include "text.h"

const bool ANSWER_IN_BOX = false;

static int g_lost[2];  // by stream: standard output, standard error

void SayToConsole(const char* text, bool error) {
    FILE* stream = error ? stderr : stdout;
    if ((fputs(text, stream) < 0 || fflush(stream) != 0) && g_lost[error] == 0) g_lost[error] = errno;
}

// Each text was flushed as it was said, so its failure was seen then; a
// stream left open lets whatever still speaks at the exit (Qt) speak. A
// stream closed before the start counts only where something was said on it.
int StreamLost(bool error) { return g_lost[error]; }

void AddSystemReason(char* to, size_t size, int code) { Append(to, size, strerror(code)); }

bool StartedFromConsole() {
    const int terminal = open("/dev/tty", O_RDONLY | O_CLOEXEC);
    if (terminal < 0) return false;
    close(terminal);
    return true;
}

const char* EnvironmentUtf8(const char* name) { return getenv(name); }

FILE* OpenUtf8(const char* path, const char* mode) { return fopen(path, mode); }
