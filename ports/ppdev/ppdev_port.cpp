#include "ppdev_port.h"

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "port_io.h"
#include "port_start.h"

static int g_port = -1;

static const char* FixFor(int error) {
    switch (error) {
    case ENOENT:
        return "there is no parallel port, or the modules parport_pc and ppdev are not loaded "
               "(sudo modprobe parport_pc ppdev)";
    case EACCES:
    case EPERM:
        return "add your user to the group lp (sudo adduser $USER lp) and log in again";
    case ENXIO:
    case EBUSY:
        return "the port is in use, by the lp module (sudo rmmod lp) or by another program";
    case ENOTTY:
        return "this device is not a parallel port";
    default:
        return "check that the parallel port is present and free";
    }
}

static int Fail(const char* path, FILE* err, int fd) {
    const int error = errno;
    if (fd >= 0) close(fd);
    fprintf(err, "kalderon-test: cannot use the parallel port %s: %s.\nFix: %s.\n", path, strerror(error),
            FixFor(error));
    return -1;
}

int ClaimParallelPort(const char* path, FILE* err) {
    const int fd = open(path, O_RDWR | O_CLOEXEC);
    if (fd < 0) return Fail(path, err, fd);
    if (ioctl(fd, PPEXCL) < 0) return Fail(path, err, fd);
    // The claim itself sets the control register to 0x0C (nInit and Select
    // high): that is the kernel's doing, before the operator's first command.
    if (ioctl(fd, PPCLAIM) < 0) return Fail(path, err, fd);
    g_port = fd;
    return fd;
}

void PortStart() {
    if (ClaimParallelPort(PPDEV_PATH, stderr) < 0) exit(1);
}

// Exactly one ioctl per access and nothing else in the path, so the timer
// loop's passes cost the same.
extern "C" void Out32(short port, short value) {
    unsigned char byte = static_cast<unsigned char>(value);
    if (port == LPT_DATA) ioctl(g_port, PPWDATA, &byte);
    if (port == LPT_CONTROL) ioctl(g_port, PPWCONTROL, &byte);
}

extern "C" short Inp32(short port) {
    unsigned char byte = 0xFF;
    if (port == LPT_STATUS) ioctl(g_port, PPRSTATUS, &byte);
    if (port == LPT_DATA) ioctl(g_port, PPRDATA, &byte);
    if (port == LPT_CONTROL) ioctl(g_port, PPRCONTROL, &byte);
    return byte;
}
