#include "ppdev_port.h"

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

#include "port_io.h"
#include "port_refusal.h"

static int g_port = -1;
static const char* g_path = PPDEV_PATH;  // the device claimed, for messages
static PortTroubleEnd g_troubleEnd;

void PortWhenLost(PortTroubleEnd troubleEnd) { g_troubleEnd = troubleEnd; }

int ClaimParallelPort(const char* path) {
    g_path = path;
    const int fd = open(path, O_RDWR | O_CLOEXEC);
    if (fd < 0) return -1;
    // The claim itself sets the control register to 0x0C (nInit and Select
    // high): that is the kernel's doing, before the operator's first command.
    if (ioctl(fd, PPEXCL) < 0 || ioctl(fd, PPCLAIM) < 0) {
        const int error = errno;
        close(fd);
        errno = error;
        return -1;
    }
    g_port = fd;
    return fd;
}

// An access that fails must not go on silently: Read would show invented
// bytes and the timer a count of nothing. Kept out of line, off the path
// of an access that succeeds.
[[noreturn]] __attribute__((noinline, cold)) static void PortLost() {
    static Trouble said;
    said = LostPortRefusal(g_path, errno);
    if (g_troubleEnd != nullptr) g_troubleEnd(said.english, said.russian);
    __builtin_trap();  // no way to end given, or one that returned: never go on
}

// Exactly one ioctl per access and nothing else in the path but its result's
// check, so the timer loop's passes cost the same.
extern "C" void Out32(short port, short value) {
    unsigned char byte = static_cast<unsigned char>(value);
    if (port == LPT_DATA && ioctl(g_port, PPWDATA, &byte) < 0) PortLost();
    if (port == LPT_CONTROL && ioctl(g_port, PPWCONTROL, &byte) < 0) PortLost();
}

extern "C" short Inp32(short port) {
    unsigned char byte = 0xFF;
    if (port == LPT_STATUS && ioctl(g_port, PPRSTATUS, &byte) < 0) PortLost();
    if (port == LPT_DATA && ioctl(g_port, PPRDATA, &byte) < 0) PortLost();
    if (port == LPT_CONTROL && ioctl(g_port, PPRCONTROL, &byte) < 0) PortLost();
    return byte;
}
