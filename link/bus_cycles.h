// The two transfers everything else is built from: a register write with a full
// strobe cycle, and a byte read back in two nibbles over the status lines.
#pragma once

#include <cstdint>

#include "port_io.h"

// Non-zero: WriteRegister pauses after each phase. 0 at start; the panel's
// Write and Read commands set it, and a board script's steps lines; the link
// only reads it.
extern uint32_t StepMode;

// The four phases, each one port write, with a pause after each in step mode.
void WriteRegister(RegisterCode code, uint8_t data);

// Low nibble, then high nibble, from status bits 4-7. Never pauses.
uint8_t ReadDataByte();

// Shows a phase text to the operator and returns once it is acknowledged.
// The link declares it; whoever runs the operations installs it before the
// first write cycle: the panel its box, a board script its wait for Enter.
using StepPause = void (*)(const wchar_t* text);
extern StepPause StepNotifier;
