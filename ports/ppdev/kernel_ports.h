// The parallel ports the kernel has (parport_pc's /proc/sys/dev/parport), so
// that a refusal can say which there are and --port can name one by base.
#pragma once

#include <cstddef>
#include <cstdint>

struct KernelPort {
    unsigned number;  // N of /dev/parportN
    uint32_t base;
};

constexpr int KERNEL_PORTS_MAX = 16;
constexpr const char* PARPORT_PROC = "/proc/sys/dev/parport";

// Fills ports (room for KERNEL_PORTS_MAX) in ascending N, returns how many.
int ListKernelPorts(KernelPort* ports);

// A USB-to-parallel adapter shows as a printer (/dev/usb/lp0), not a port.
bool HaveUsbPrinter();

// "/dev/parport0 (0x378), /dev/parport1 (0x278)" into text; empty when none.
void DescribePorts(const KernelPort* ports, int count, char* text, size_t size);
