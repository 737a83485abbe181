// Linux: before the panel opens, choose the port among those the kernel has
// and claim it, so that the board's port is the program's alone. Every
// refusal comes before the first port access.
#include <cerrno>

#include "kernel_ports.h"
#include "port_choice.h"
#include "port_refusal.h"
#include "port_start.h"
#include "ppdev_port.h"

static const PortText* Advice() { return HaveUsbPrinter() ? &LINUX_USB_ADAPTER : nullptr; }

bool PortNamed() { return true; }

PortStarted PortStart(const char* value, PortTroubleEnd troubleEnd) {
    static FoundPort found[FOUND_PORTS_MAX];
    static Trouble refusal;
    PortWhenLost(troubleEnd);
    const PortArgument asked = ReadPortValue(value);
    const int listed = ListKernelPorts(found);
    const ChosenPort chosen = ChoosePort(asked, found, listed, KERNEL_REACH);
    if (chosen.name == nullptr) {
        refusal = ChoiceRefusal(asked, found, listed, LINUX_PORT_WORDS, Advice());
        return {nullptr, refusal.english, refusal.russian};
    }
    if (ClaimParallelPort(chosen.name) < 0) {
        const int error = errno;
        refusal = OpeningRefusal(chosen.name, error, found, listed, LINUX_PORT_WORDS, Advice());
        return {nullptr, refusal.english, refusal.russian};
    }
    static NamedPorts named;
    NamePorts(&named, chosen, found, listed, LINUX_PORT_WORDS);
    // ppdev answers a control-register read from parport_pc's own copy.
    return {chosen.name, nullptr, nullptr, named.where, false, named.others};
}
