// Linux: before the panel opens, choose the port among those the kernel has
// and claim it, so that the board's port is the program's alone. Every
// refusal comes before the first port access.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "kernel_ports.h"
#include "port_choice.h"
#include "port_io.h"
#include "port_refusal.h"
#include "ppdev_port.h"

// Any device may be named: opening it says whether it is a parallel port.
// With none named, /dev/parport0, listed or not: its opening says why it is
// missing.
static constexpr PortReach KERNEL_REACH = {PPDEV_PATH, false, true};

static const PortText* Advice() { return HaveUsbPrinter() ? &LINUX_USB_ADAPTER : nullptr; }

void PortStartWith(int count, const char* const* args) {
    const PortArgument asked = ReadPortArgument(count, args);
    static FoundPort found[FOUND_PORTS_MAX];
    const int listed = ListKernelPorts(found);
    const ChosenPort chosen = ChoosePort(asked, found, listed, KERNEL_REACH);
    if (chosen.name == nullptr) RefusePort(ChoiceRefusal(asked, found, listed, LINUX_PORT_WORDS, Advice()));
    if (ClaimParallelPort(chosen.name) < 0) {
        const int error = errno;
        RefusePort(OpeningRefusal(chosen.name, error, found, listed, LINUX_PORT_WORDS, Advice()));
    }
}

// The operator's arguments, from the kernel's copy of the command line.
void PortStart() {
    static char line[4096];
    const char* args[PORT_ARGS_MAX];
    FILE* file = fopen("/proc/self/cmdline", "r");
    const size_t size = file != nullptr ? fread(line, 1, sizeof line - 1, file) : 0;
    if (file != nullptr) fclose(file);
    int count = -1;  // the program's own name is not an argument
    for (size_t at = 0; at < size && count < PORT_ARGS_MAX; at += strlen(line + at) + 1) {
        if (count >= 0) args[count] = line + at;
        ++count;
    }
    PortStartWith(count < 0 ? 0 : count, args);
}
