// The platform's steady clock, for what the program measures in time rather
// than in port reads (a check's cost of one status read, a script's wait on
// Linux): each platform's own (clock_linux.cpp, clock_windows.cpp).
#pragma once

#include <cstdint>

// Nanoseconds from any start, never going back.
uint64_t ClockNanoseconds();
