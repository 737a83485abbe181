// The parallel ports the kernel has (parport_pc's /proc/sys/dev/parport), so
// that --port can name one by base and a refusal can say which there are.
#pragma once

#include "port_choice.h"

constexpr const char* PARPORT_PROC = "/proc/sys/dev/parport";

// Fills ports (room for FOUND_PORTS_MAX) with /dev/parportN and its base in
// ascending N, returns how many.
int ListKernelPorts(FoundPort* ports);

// A USB-to-parallel adapter shows as a printer (/dev/usb/lp0), not a port.
bool HaveUsbPrinter();
