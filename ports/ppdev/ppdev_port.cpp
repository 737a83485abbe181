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

#include "kernel_ports.h"
#include "port_args.h"
#include "port_io.h"
#include "port_trouble.h"
#include "utf8_text.h"

static int g_port = -1;
static const char* g_path = PPDEV_PATH;  // the device claimed, for messages

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

static constexpr size_t TEXT_MAX = 2048;

// The ports the kernel has, and why a USB adapter will not do, in both
// languages: appended to every refusal at start.
struct PortsHere {
    char english[TEXT_MAX];
    wchar_t russian[TEXT_MAX];
};

static void DescribePortsHere(PortsHere* here) {
    KernelPort ports[KERNEL_PORTS_MAX];
    char listed[TEXT_MAX / 2];
    DescribePorts(ports, ListKernelPorts(ports), listed, sizeof listed);
    const bool usb = HaveUsbPrinter();
    if (listed[0] == '\0') {
        snprintf(here->english, TEXT_MAX, "The kernel has no parallel port.");
        swprintf(here->russian, TEXT_MAX, L"Ядро не нашло ни одного параллельного порта.");
    } else {
        snprintf(here->english, TEXT_MAX, "Parallel ports here: %s.", listed);
        swprintf(here->russian, TEXT_MAX, L"Параллельные порты этого компьютера: %s.", listed);
    }
    if (!usb) return;
    const size_t english = strlen(here->english), russian = wcslen(here->russian);
    snprintf(here->english + english, TEXT_MAX - english,
             "\nA USB-to-parallel adapter (/dev/usb/lp*) cannot drive the board: it is a printer "
             "interface, not a port.");
    swprintf(here->russian + russian, TEXT_MAX - russian,
             L"\nUSB-адаптер параллельного порта (/dev/usb/lp*) не может управлять платой: это интерфейс "
             L"принтера, а не порт.");
}

// What the operator typed, for the box.
struct WideText {
    wchar_t text[512];
};

static WideText Widen(const char* bytes) {
    WideText wide;
    WidenUtf8(bytes, wide.text, sizeof wide.text / sizeof wide.text[0]);
    return wide;
}

[[noreturn]] static void Refuse(const wchar_t* text) {
    ShowPortTrouble(text);
    exit(1);
}

// --port named nothing this program can open.
[[noreturn]] static void RefuseGiven(const char* given) {
    static PortsHere here;
    DescribePortsHere(&here);
    fprintf(stderr,
            "kalderon-test: \"%s\" is not a parallel port here.\n"
            "Name a port as --port /dev/parport1 or by its base, --port 0x278.\n%s\n",
            given, here.english);
    static wchar_t text[TEXT_MAX];
    swprintf(text, TEXT_MAX,
             L"Порт «%ls» не найден или это не порт.\n"
             L"Укажите порт так: --port /dev/parport1 или --port 0x278.\n\n%ls",
             Widen(given).text, here.russian);
    Refuse(text);
}

// The device of the kernel's port with this base, or null.
static const char* DeviceAt(uint32_t base) {
    static char path[32];
    KernelPort ports[KERNEL_PORTS_MAX];
    const int count = ListKernelPorts(ports);
    for (int i = 0; i < count; ++i) {
        if (ports[i].base != base) continue;
        snprintf(path, sizeof path, "/dev/parport%u", ports[i].number);
        return path;
    }
    return nullptr;
}

void PortStartWith(int count, const char* const* args) {
    const PortArgument asked = ReadPortArgument(count, args);
    if (asked.kind == PortAsked::Device) g_path = asked.given;
    if (asked.kind == PortAsked::Base) g_path = DeviceAt(asked.number);
    if (asked.kind == PortAsked::Lpt || asked.kind == PortAsked::Wrong || g_path == nullptr)
        RefuseGiven(asked.given);
    if (ClaimParallelPort(g_path, stderr) >= 0) return;
    const int error = errno;
    static PortsHere here;
    DescribePortsHere(&here);
    fprintf(stderr, "%s\n", here.english);
    static wchar_t text[TEXT_MAX];
    swprintf(text, TEXT_MAX, L"Не удалось открыть параллельный порт %ls:\n%s.\n\n%ls\n\n%ls",
             Widen(g_path).text, strerror(error), FixFor(error).russian, here.russian);
    Refuse(text);
}

// The operator's arguments, from the kernel's copy of the command line.
static constexpr int ARGS_MAX = 8;  // more than --port's two are wrong anyway

void PortStart() {
    static char line[4096];
    const char* args[ARGS_MAX];
    FILE* file = fopen("/proc/self/cmdline", "r");
    const size_t size = file != nullptr ? fread(line, 1, sizeof line - 1, file) : 0;
    if (file != nullptr) fclose(file);
    int count = -1;  // the program's own name is not an argument
    for (size_t at = 0; at < size && count < ARGS_MAX; at += strlen(line + at) + 1) {
        if (count >= 0) args[count] = line + at;
        ++count;
    }
    PortStartWith(count < 0 ? 0 : count, args);
}

// An access that fails must not go on silently: Read would show invented
// bytes and the timer a count of nothing. Kept out of line, off the path
// of an access that succeeds.
[[noreturn]] __attribute__((noinline, cold)) static void PortLost() {
    const int error = errno;
    fprintf(stderr, "kalderon-test: the parallel port %s failed: %s.\nFix: %s.\n", g_path, strerror(error),
            LOST_FIX.english);
    static wchar_t text[TEXT_MAX];
    swprintf(text, TEXT_MAX, L"Параллельный порт %ls перестал отвечать:\n%s.\n\n%ls", Widen(g_path).text,
             strerror(error), LOST_FIX.russian);
    Refuse(text);
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
