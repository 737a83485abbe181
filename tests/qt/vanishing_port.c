/* Preloaded into the real kalderon-test: a /dev/parport0 that opens and is
 * claimed as a real one is, then is gone, as when a card is removed or an
 * adapter unplugged: every later access fails with ENODEV. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <linux/ppdev.h>
#include <stdarg.h>
#include <string.h>
#include <sys/ioctl.h>

static int port_fd = -1;

static int open_port(const char *path, int flags, mode_t mode) {
    int (*next)(const char *, int, ...) = (int (*)(const char *, int, ...))dlsym(RTLD_NEXT, "open");
    if (strcmp(path, "/dev/parport0") != 0) return next(path, flags, mode);
    port_fd = next("/dev/null", O_RDWR | O_CLOEXEC);
    return port_fd;
}

int open(const char *path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    mode_t mode = (flags & O_CREAT) ? va_arg(args, mode_t) : 0;
    va_end(args);
    return open_port(path, flags, mode);
}

/* On 64-bit Linux the two are one and the same call. */
int open64(const char *path, int flags, ...) __attribute__((alias("open")));

int ioctl(int fd, unsigned long request, ...) {
    va_list args;
    va_start(args, request);
    void *arg = va_arg(args, void *);
    va_end(args);
    if (fd != port_fd || port_fd < 0) {
        int (*next)(int, unsigned long, ...) = (int (*)(int, unsigned long, ...))dlsym(RTLD_NEXT, "ioctl");
        return next(fd, request, arg);
    }
    if (request == PPEXCL || request == PPCLAIM) return 0;
    errno = ENODEV;
    return -1;
}
