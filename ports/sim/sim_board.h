// A simulated programmer board behind Inp32/Out32, so the tool runs and is
// tested with no hardware. It models the board's four latches, a 256 KiB chip
// in the socket, nibble read-back, programming and the timer.
//
// The chip starts filled with a recognisable pattern: each byte is the XOR of
// its address's A0-A7, A8-A15 and A16-A17 parts, so 0x00005A reads 0x5A,
// 0x000100 reads 0x01 and 0x0201FF reads 0xFC.
#pragma once

#include <cstddef>
#include <cstdint>

#include "port_io.h"
#include "port_start.h"

constexpr uint32_t SIM_MEMORY_SIZE = 1u << 18;  // A0-A17
constexpr uint32_t SIM_TIMER_DEFAULT_READS = 5000;

// Bits of the board's control register (REG_CONTROL). CS, OE and PGM are
// active low, as on the chip: a clear bit asserts the line.
constexpr uint8_t BOARD_BANK_MASK = 0x03;  // A16, A17
constexpr uint8_t BOARD_VPP = 0x08;
constexpr uint8_t BOARD_CS = 0x10;
constexpr uint8_t BOARD_PGM = 0x20;
constexpr uint8_t BOARD_OE = 0x40;

// What the board presents on its data lines when the chip is not driving them.
constexpr uint8_t BOARD_BUS_IDLE = 0xFF;

// What the board plays, so that each verdict of a check can be seen with no
// hardware: a live board; a port that is not there (nothing kept, every
// read 0xFF); a port with nothing on it (its registers kept, the status
// lines floating). KALDERON_SIM_BOARD names it at start: board, no-port,
// no-board.
enum class SimPlays { Board, NoPort, NoBoard, Count };

// The test interface.
void SimBoardReset();  // the start state: pattern, latches and ports 0, timer stopped
void SimBoardPlay(SimPlays plays);  // Board until told
void SimBoardSetTimerLength(uint32_t reads);  // status reads the timer line stays set
uint8_t SimBoardRegister(RegisterCode code);  // the latched value
uint32_t SimBoardAddress();                   // A0-A17 from the latches
uint8_t SimBoardMemory(uint32_t address);
uint8_t SimBoardPattern(uint32_t address);  // the start fill
uint8_t SimBoardPresentedByte();            // what read-back would see now

// Appends every port access to path, one line each ("W 378 5A", "R 379 F8");
// a path ending in ".vcd" is written anew as a waveform of every line
// instead (vcd_trace.h). A null or empty path turns the trace off. False
// when the file cannot be made; an access whose trace cannot be written
// ends the run with the reason, through the start's troubleEnd.
bool SimBoardTraceTo(const char* path);

// The board's start, once the program's command line is
// read: the start state, what KALDERON_SIM_BOARD says it plays, and the
// trace KALDERON_PORT_TRACE names, whose file is made here, before any
// access; where either cannot be, that is the start's refusal. Where the
// trace's variable is not set, a trace a test program has started goes on.
PortStarted SimBoardStart(PortTroubleEnd troubleEnd);
