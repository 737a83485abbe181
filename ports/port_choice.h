// Choosing the port the board hangs on, one rule for both platforms: what
// the operator may say with --port, what a port's name and place must be,
// and which of the ports the platform found is taken. Each platform only
// finds its ports (port_choice.cpp has no platform header) and opens the one
// chosen, in its library's start (port_start.h); every refusal is
// port_refusal.h's.
#pragma once

#include <cstddef>
#include <cstdint>

// --- What the operator may say ----------------------------------------------
//   --port VALUE  or  --port=VALUE  (the command line is command_line.h's)
// VALUE is LPTn, a device path (/dev/parport1), or a base address in hex
// (D010, 0xD010, or a range as Device Manager shows it, D010-D017). The
// start reads it.

enum class PortAsked {
    Default,  // nothing said: the platform's first port
    Lpt,      // LPTn: number is n
    Base,     // an I/O base: number is the base
    Device,   // a path: given is the path
    Wrong,    // not a port at all
};

struct PortArgument {
    PortAsked kind;
    uint32_t number;
    const char* given;  // the value as given
};

// --port's value, as UTF-8; given points to it. Null: Default.
PortArgument ReadPortValue(const char* value);

// What the simulated board's start says it took: it answers on whatever port.
constexpr const char* SIMULATED_BOARD_PORT = "the simulated board";

// --- What a port is -----------------------------------------------------------

// Data, status and control: three I/O ports from the base, all of them below
// the end of the I/O space.
constexpr uint32_t LPT_PORT_COUNT = 3;
constexpr uint32_t PORT_NUMBER_MAX = 0xFFFF;

// A range of I/O ports the port can be at: it starts above port 0 (the DMA
// controller's), holds the three and ends inside the I/O space. The same for
// the operator's base or range and for the ranges Windows allocated.
bool PortRangeFits(uint64_t start, uint64_t length);

// "LPT3" (or "lpt3") as 3, for LPT1 to LPT255; 0 for any other name (COM1,
// LPT0, /dev/parport1). The operator's --port and Windows' PortName alike.
uint32_t LptNumberOf(const char* name);

// --- Which port is taken ------------------------------------------------------

// A port the platform found: its name as the operator may give it ("LPT3",
// "/dev/parport1") and its base.
constexpr size_t PORT_NAME_MAX = 32;
constexpr int FOUND_PORTS_MAX = 16;
struct FoundPort {
    char name[PORT_NAME_MAX];
    uint32_t base;
};

// Adds a port to those found (room for FOUND_PORTS_MAX), kept in the order of
// the number its name ends in (LPTn, /dev/parportN), whatever order the
// platform finds them in. Returns the new count; a port beyond the room is
// left out.
int AddFoundPort(FoundPort* ports, int count, const char* name, uint32_t base);

// What a platform can open without having found it.
struct PortReach {
    const char* firstPort;  // taken when none is named, found or not; null: the first found
    bool anyBase;           // any base, found or not
    bool anyDevice;         // any device path, found or not
};

// The port taken: its name (as found, or as given) and its base (0 for a
// device that was not found: opening it says what it is). name is null when
// the operator's word, or the lack of one, names nothing the platform can open.
struct ChosenPort {
    const char* name;
    uint32_t base;
};

// The found port the operator named (by LPT number, base or device), or,
// when none was named, the platform's first port or else the first found;
// failing that, what the platform reaches unlisted.
ChosenPort ChoosePort(const PortArgument& asked, const FoundPort* found, int count, const PortReach& reach);
