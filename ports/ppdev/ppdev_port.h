// A parallel port through the kernel's ppdev driver: /dev/parport0, or the
// one the operator names with --port (a device, or the base of a port the
// kernel has). It serves cards whose port is not at 0x378 too: the port
// numbers the link uses are mapped onto the claimed port's three registers.
#pragma once

#include "port_choice.h"
#include "port_start.h"

constexpr const char* PPDEV_PATH = "/dev/parport0";

// Any device may be named: opening it says whether it is a parallel port.
// With none named, /dev/parport0, listed or not: its opening says why it is
// missing.
constexpr PortReach KERNEL_REACH = {PPDEV_PATH, false, true};

// Opens path read-write, takes it exclusively and claims it: the descriptor
// Inp32/Out32 then use, or -1 with errno saying why.
int ClaimParallelPort(const char* path);

// PortStart (port_start.h) refuses (port_refusal.h) a port it cannot choose
// or claim. An access that fails after the claim cannot go on: troubleEnd,
// which the start keeps here, ends the run with the reason.
void PortWhenLost(PortTroubleEnd troubleEnd);
