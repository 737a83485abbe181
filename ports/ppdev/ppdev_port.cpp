#include "ppdev_port.h"

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "port_io.h"
#include "port_start.h"

static int g_port = -1;

// Why the port cannot be had, and what to do: in English for standard error,
// in the panel's language for the operator's box.
struct PortFix {
    const char* english;
    const wchar_t* russian;
};

static PortFix FixFor(int error) {
    switch (error) {
    case ENOENT:
        return {"there is no parallel port, or the modules parport_pc and ppdev are not loaded "
                "(sudo modprobe parport_pc ppdev)",
                L"Параллельного порта нет, или не загружены модули parport_pc и ppdev "
                L"(sudo modprobe parport_pc ppdev)."};
    case EACCES:
    case EPERM:
        return {"add your user to the group lp (sudo adduser $USER lp) and log in again",
                L"Нет прав на порт: добавьте пользователя в группу lp (sudo adduser $USER lp) "
                L"и войдите в систему заново."};
    case ENXIO:
    case EBUSY:
        return {"the port is in use, by the lp module (sudo rmmod lp) or by another program",
                L"Порт занят модулем lp (sudo rmmod lp) или другой программой."};
    case ENOTTY:
        return {"this device is not a parallel port", L"Это устройство не параллельный порт."};
    default:
        return {"check that the parallel port is present and free", L"Проверьте, что параллельный порт есть и свободен."};
    }
}

// Once claimed, a port fails only because it went away.
static const PortFix LOST_FIX = {
    "the port went away (a card removed, an adapter unplugged or the driver unloaded); "
    "reconnect it and start the program again",
    L"Порт пропал: плата вынута, адаптер отключён или драйвер выгружен. "
    L"Подключите его снова и запустите программу заново."};

static int Fail(const char* path, FILE* err, int fd) {
    const int error = errno;
    if (fd >= 0) close(fd);
    fprintf(err, "kalderon-test: cannot use the parallel port %s: %s.\nFix: %s.\n", path, strerror(error),
            FixFor(error).english);
    errno = error;
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

// format takes the device, the system's reason and the fix, in that order.
[[noreturn]] static void Refuse(const wchar_t* format, int error, const PortFix& fix) {
    wchar_t text[512];
    swprintf(text, sizeof text / sizeof text[0], format, PPDEV_PATH, strerror(error), fix.russian);
    ShowPortTrouble(text);
    exit(1);
}

void PortStart() {
    if (ClaimParallelPort(PPDEV_PATH, stderr) >= 0) return;
    const int error = errno;
    Refuse(L"Не удалось открыть параллельный порт %s:\n%s.\n\n%ls", error, FixFor(error));
}

// An access that fails must not go on silently: Read would show invented
// bytes and the timer a count of nothing. Kept out of line, off the path
// of an access that succeeds.
[[noreturn]] __attribute__((noinline, cold)) static void PortLost() {
    const int error = errno;
    fprintf(stderr, "kalderon-test: the parallel port %s failed: %s.\nFix: %s.\n", PPDEV_PATH, strerror(error),
            LOST_FIX.english);
    Refuse(L"Параллельный порт %s перестал отвечать:\n%s.\n\n%ls", error, LOST_FIX);
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
