// The parallel ports Windows lists: the present devices of the Ports setup
// class named LPTn, each with the base of its allocated I/O ranges.
#pragma once

#include "lpt_rules.h"

constexpr int LPT_LIST_MAX = 16;

// Fills ports (room for LPT_LIST_MAX) and returns how many there are.
int ListParallelPorts(ListedPort* ports);
