// Linux: a script from a file or standard input; a step pause shown on the
// controlling terminal (/dev/tty) and Enter read there, wherever standard
// input and output go; SIGINT, SIGTERM and SIGHUP (the terminal closed) ask
// a stop. A stop is never lost in a wait: the handler also writes to a pipe
// that every wait polls, so a signal that comes after the flag was looked at
// and before the wait began still ends it at once.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "board_script.h"
#include "clock.h"
#include "console.h"
#include "text.h"

static volatile sig_atomic_t g_stop;
static int g_stopPipe[2] = {-1, -1};  // read end, write end
static int g_terminal = -1;

// Until fd can be read (true), a stop is asked or timeout milliseconds have
// passed (-1: none). poll ignores an fd of -1: the terminal where there is
// none, the pipe where it could not be made (and then only the flag stops).
static bool Ready(int fd, int timeout) {
    pollfd ready[] = {{g_stopPipe[0], POLLIN, 0}, {fd, POLLIN, 0}};
    return poll(ready, 2, timeout) > 0 && !g_stop && ready[1].revents != 0;
}

bool ReadScriptFile(const char* path, char* text, size_t size, size_t* length, char* reason, size_t reasonSize) {
    const bool fromInput = strcmp(path, "-") == 0;
    const int fd = fromInput ? STDIN_FILENO : open(path, O_RDONLY | O_CLOEXEC);
    size_t used = 0;
    ssize_t got = 0;
    if (fd >= 0) {
        while (used + 1 < size && ((got = read(fd, text + used, size - 1 - used)) > 0 || (got < 0 && errno == EINTR)))
            if (got > 0) used += size_t(got);
    }
    const int error = fd < 0 || got < 0 ? errno : 0;
    if (fd >= 0 && !fromInput) close(fd);
    text[used] = '\0';
    *length = used;
    reason[0] = '\0';
    if (error != 0) AddSystemReason(reason, reasonSize, error);
    return reason[0] == '\0';
}

bool OpenTerminal() {
    if (g_terminal < 0) g_terminal = open("/dev/tty", O_RDWR | O_CLOEXEC);
    return g_terminal >= 0;
}

void ScriptStepPause(const wchar_t* text) {
    char line[256] = "";
    Add(line, text, "\n");
    const char* prompt = line;
    for (size_t length = strlen(prompt); length > 0 && !g_stop;) {
        const ssize_t put = write(g_terminal, prompt, length);
        if (put < 0 && errno != EINTR) break;
        if (put > 0) prompt += put, length -= size_t(put);
    }
    char c = 0;
    while (!g_stop) {
        if (!Ready(g_terminal, -1)) continue;
        const ssize_t got = read(g_terminal, &c, 1);
        if (got == 0 || (got < 0 && errno != EINTR) || (got == 1 && c == '\n')) return;
    }
}

static void Stop(int) {
    const int saved = errno;
    g_stop = 1;
    if (write(g_stopPipe[1], "", 1) < 0) {
        // full: it holds a stop already
    }
    errno = saved;
}

void CatchStop() {
    if (pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) g_stopPipe[0] = g_stopPipe[1] = -1;
    struct sigaction action = {};
    action.sa_handler = Stop;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool StopAsked() { return g_stop != 0; }

void PauseFor(uint32_t milliseconds) {
    constexpr uint64_t NS_PER_MS = 1000000;
    const uint64_t end = ClockNanoseconds() + milliseconds * NS_PER_MS;
    for (uint64_t now = ClockNanoseconds(); !g_stop && now < end; now = ClockNanoseconds()) {
        const uint64_t left = (end - now + NS_PER_MS - 1) / NS_PER_MS;  // poll's unit, never short
        Ready(-1, int(left < INT32_MAX ? left : INT32_MAX));
    }
}
