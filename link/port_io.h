// Ports, bit meanings and register codes of the programmer board, and the two
// port primitives every other part of the link goes through.
// This header depends on no platform header; the build supplies the port
// library's calling convention where it needs one.
#pragma once

#include <cstdint>

// The build defines PORT_CALL as the port library's calling convention;
// natively it is empty.
#ifndef PORT_CALL
#define PORT_CALL
#endif

// The first parallel port at its classic base. The link always speaks to
// these; a port library whose port lies elsewhere moves each access there.
constexpr short LPT_DATA = 0x378;     // written: the byte for a board register
constexpr short LPT_STATUS = 0x379;   // read: read-back nibble and timer line
constexpr short LPT_CONTROL = 0x37A;  // written: register code, strobe, nibble, timer

// Control-port bits. Bits 1-2 carry the register code during a write cycle.
constexpr uint8_t CTRL_WRITE_STROBE = 0x01;
constexpr uint8_t CTRL_NIBBLE_HIGH = 0x02;  // read-back: 0x00 low nibble, 0x02 high
constexpr uint8_t CTRL_TIMER_START = 0x08;  // pulsed to start the board's timer

// Status-port bits. Bits 0-2 mean nothing to the board and are never looked at.
constexpr uint8_t STATUS_NIBBLE_MASK = 0xF0;
constexpr uint8_t STATUS_TIMER_RUNNING = 0x08;

// A board register, as placed on control bits 1-2. Bit 0 is always clear, so
// OR-ing in CTRL_WRITE_STROBE keeps the selection.
using RegisterCode = uint8_t;
constexpr RegisterCode REG_DATA = 0;       // D0-D7
constexpr RegisterCode REG_CONTROL = 2;    // A16 A17 --- VPP CS PGM OE DE
constexpr RegisterCode REG_ADDR_LOW = 4;   // A0-A7
constexpr RegisterCode REG_ADDR_HIGH = 6;  // A8-A15

// The port library's ABI. Out32 writes the low byte of value; Inp32's low byte
// is the byte read. Neither reports failure, and nothing waits around them.
extern "C" short PORT_CALL Inp32(short port);
extern "C" void PORT_CALL Out32(short port, short value);
