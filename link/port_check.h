// The check of the chain from the port to the board (--check), for the
// operator who sees nothing happen: whether the port answers at its
// address, whether a board answers on it, and what one status read costs
// there. It asks only what the port and the board can answer without harm:
// it never raises the write strobe, so no board register takes a byte; it
// leaves the control port as MeasureTimer does (0x00) and the data lines as
// it found them.
#pragma once

#include <cstdint>

#include "board_ops.h"

// Written to the data register and read back: a port keeps each, a missing
// one reads the bus floating high and keeps nothing.
constexpr uint8_t CHECK_DATA[] = {0x55, 0xAA};
constexpr int CHECK_DATA_COUNT = 2;
// The register codes, written to the control register and read back, last
// to first so that the port is left at 0x00: a port's control register
// reads back its low bits as written. Never the strobe or the timer start.
constexpr uint8_t CHECK_CONTROL[] = {REG_ADDR_HIGH, REG_ADDR_LOW, REG_CONTROL, REG_DATA};
constexpr int CHECK_CONTROL_COUNT = 4;
constexpr uint8_t CONTROL_READ_BACK_BITS = 0x0F;
// The status reads a read's cost is measured over: enough for a clock to
// be steady on a port of a microsecond a read.
constexpr uint32_t CHECK_COST_READS = 10000;

// The platform's clock, in nanoseconds from any start: given by whoever
// runs the check, as the link reads no clock.
using NanosecondClock = uint64_t (*)();

// The first link of the chain that failed, or none.
enum class CheckFound : uint8_t {
    NoPort,        // neither register kept what was written
    TimerStuck,    // the timer line set for every read: no board
    TimerNeverSet, // the timer line clear from the first read: no board
    Board,         // the timer ran, and stopped
};

struct PortCheck {
    CheckFound found;
    uint8_t dataRead[CHECK_DATA_COUNT];        // after each of CHECK_DATA
    uint8_t controlRead[CHECK_CONTROL_COUNT];  // after each of CHECK_CONTROL
    uint8_t status[2];                         // the low nibble selected, then the high
    uint32_t count;                            // MeasureTimer's
    uint64_t costNanoseconds;                  // CHECK_COST_READS status reads took
};

// Each link in turn, stopping at the first that fails. controlFromPort:
// whether a control-register read comes from the port itself (Linux's
// ppdev answers it from the driver's own copy, which proves nothing), so
// that only what came from the port counts. clock: read only around the
// cost's reads, outside MeasureTimer's loop.
PortCheck CheckPort(bool controlFromPort, NanosecondClock clock);
