// The parallel ports Windows lists: the present devices of the Ports setup
// class named LPTn, each with the base of its allocated I/O ranges.
#pragma once

#include "port_choice.h"

// The port library's driver reaches every I/O port, and Windows may not
// list every port: a base is taken, listed or not.
constexpr PortReach WINDOWS_REACH = {nullptr, true, false};

// Fills ports (room for FOUND_PORTS_MAX), named LPTn, in ascending n, and
// returns how many there are.
int ListParallelPorts(FoundPort* ports);
