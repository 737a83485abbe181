// The composite operations of the panel: reset, address stepping and the timer
// measurement.
#pragma once

#include <cstdint>

#include "bus_cycles.h"

// The address the stepping has reached (A0-A15). Only ResetBoard and
// StepAddress change it; it is never read from the board. A carry out of the
// high byte is dropped: A16/A17 live in the control register, which stepping
// never writes.
struct AddressCounterState {
    uint8_t low;
    uint8_t high;
};
extern AddressCounterState AddressCounter;

// Bounds how long one measurement can block the panel.
constexpr uint32_t TIMER_POLL_LIMIT = 100000;
// The most a measurement gives: a timer that never stops.
constexpr uint32_t TIMER_COUNT_MAX = TIMER_POLL_LIMIT - 1;

// Control lines first, then data, then the high address byte before the low.
void ResetBoard();

// One address up; the high register is written only on a carry, after the low.
void StepAddress();

// Pulses the timer start and counts the status reads that find the timer line
// still set: 0 to TIMER_COUNT_MAX.
uint32_t MeasureTimer();

// The commands that reach the board, one per operation above and in
// bus_cycles.h, as whoever runs them tells of each one done (the panel's
// recording hook).
enum class BoardCommand : uint8_t { Write, Read, Reset, Step, Timer };
