// A parallel port through the kernel's ppdev driver: /dev/parport0, or the
// one the operator names with --port (a device, or the base of a port the
// kernel has). It serves cards whose port is not at 0x378 too: the port
// numbers the link uses are mapped onto the claimed port's three registers.
#pragma once

#include <cstdio>

constexpr const char* PPDEV_PATH = "/dev/parport0";

// Opens path read-write, takes it exclusively and claims it. On failure writes
// one clear message to err (the device, the system's reason, the fix) and
// returns -1 with errno kept; on success returns the descriptor, which
// Inp32/Out32 then use.
int ClaimParallelPort(const char* path, FILE* err);

// PortStart with the arguments given here rather than the process's own.
void PortStartWith(int count, const char* const* args);

// PortStart, when the port cannot be claimed, and any access that fails after
// the claim write the reason and the fix to standard error, pass the same in
// the panel's language to ShowPortTrouble (port_trouble.h), and end the
// program with status 1.
