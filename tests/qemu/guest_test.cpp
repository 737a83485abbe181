// Runs inside a qemu guest on the real parport, parport_pc and ppdev drivers:
// the link's operations through ports/ppdev, for the host to compare with
// qemu's record of every guest access to the port.
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "board_ops.h"
#include "ppdev_port.h"

// The guest has no display: standard error carries the port's troubles,
// and they end the run with status 1, as the program's do.
static void PortTroubleEnds(const char* english, const char*) {
    fprintf(stderr, "%s\n", english);
    _exit(1);
}

// The port started as the program's entry starts it.
static void Start(const char* asked) {
    const PortStarted started = PortStart(asked, PortTroubleEnds);
    if (started.port == nullptr) PortTroubleEnds(started.english, started.russian);
}

// Each operation once, with the values the host expects to see on the wire.
static void RunSequence() {
    WriteRegister(REG_DATA, 0x11);
    WriteRegister(REG_CONTROL, 0x22);
    WriteRegister(REG_ADDR_LOW, 0x44);
    WriteRegister(REG_ADDR_HIGH, 0x5A);
    printf("READ 0x%02X\n", ReadDataByte());
    ResetBoard();
    for (int i = 0; i < 256; ++i) StepAddress();  // the last one carries
}

// The port the operator's arguments name: --port PORT, or none.
static const char* Asked(int count, const char* const* args) {
    return count == 2 && strcmp(args[0], "--port") == 0 ? args[1] : nullptr;
}

// The program's start-up as a child, with the operator's arguments and
// optionally as an unprivileged user: it must refuse with status 1.
static int Refuse(const char* uid, int count, const char* const* args) {
    const pid_t child = fork();
    if (child == 0) {
        if (uid != nullptr) {
            const gid_t id = gid_t(atoi(uid));
            if (setgroups(0, nullptr) != 0 || setgid(id) != 0 || setuid(id) != 0) _exit(99);
        }
        Start(Asked(count, args));
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    printf("REFUSAL status=%d\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return 0;
}

// guest_test MODE [the program's arguments]: the arguments go to the port
// start as the operator's would (--port /dev/parport1).
int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);
    const char* mode = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? argc - 2 : 0;
    const char* const* args = argv + 2;
    if (strcmp(mode, "refuse") == 0) return Refuse(nullptr, count, args);
    if (strcmp(mode, "refuse-as") == 0 && argc == 3) return Refuse(argv[2], 0, nullptr);
    Start(Asked(count, args));
    if (strcmp(mode, "sequence") == 0) {
        RunSequence();
    } else if (strcmp(mode, "timer") == 0) {
        printf("TIMER %u\n", MeasureTimer());
    } else if (strcmp(mode, "hold") == 0) {
        printf("HOLDING\n");
        pause();  // until the check that needs the port held ends it
    } else {
        fprintf(stderr, "usage: guest_test sequence|timer|hold|refuse [--port PORT] | refuse-as UID\n");
        return 2;
    }
    return 0;
}
