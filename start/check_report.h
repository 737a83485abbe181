// What a check of the port and the board (--check, link/port_check.h) says,
// in the program's language (said.h): a line for each link of the chain it
// tried, naming what it tried and what it found, the other ports where a
// link failed, what the check can prove there, and last the verdict, naming
// the port.
#pragma once

#include <cstddef>

#include "port_check.h"
#include "port_start.h"

constexpr size_t CHECK_SAID_MAX = 4096;
struct CheckSaid {
    char text[CHECK_SAID_MAX];
};

// The check's lines in said; the status (run_end.h): EXIT_DONE where the
// board answered, EXIT_TROUBLE where the port or the board did not.
int SayPortCheck(const PortCheck& check, const PortStarted& port, CheckSaid* said);
