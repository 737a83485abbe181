// Linux: a script from a file or standard input; a step pause shown on the
// controlling terminal (/dev/tty) and Enter read there, wherever standard
// input and output go; SIGINT, SIGTERM and SIGHUP (the terminal closed) ask
// a stop.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <initializer_list>

#include "board_script.h"
#include "text.h"

static volatile sig_atomic_t g_stop;
static int g_terminal = -1;

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
    if (error != 0) Append(reason, reasonSize, strerror(error));
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
        const ssize_t got = read(g_terminal, &c, 1);
        if (got == 0 || (got < 0 && errno != EINTR) || (got == 1 && c == '\n')) return;
    }
}

static void Stop(int) { g_stop = 1; }

// No SA_RESTART: a pause or a wait for Enter ends with EINTR.
void CatchStop() {
    struct sigaction action = {};
    action.sa_handler = Stop;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool StopAsked() { return g_stop != 0; }

void PauseFor(uint32_t milliseconds) {
    timespec left = {time_t(milliseconds / 1000), long(milliseconds % 1000) * 1000000L};
    while (!g_stop && nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}
