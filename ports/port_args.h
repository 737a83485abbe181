// What the operator may say about the port on the command line:
//   --port VALUE  or  --port=VALUE
// VALUE is LPTn, a device path (/dev/parport1), or a base address in hex
// (D010, 0xD010, or a range as Device Manager shows it, D010-D017).
// Which of these a platform can use is the port library's own business.
// No platform header: the rule is the same everywhere and tested anywhere.
#pragma once

#include <cstdint>

enum class PortAsked {
    Default,  // nothing said: the platform's first port
    Lpt,      // LPTn: number is n
    Base,     // an I/O base: number is the base
    Device,   // a path: given is the path
    Wrong,    // not a port at all, a missing value, or an unknown option
};

struct PortArgument {
    PortAsked kind;
    uint32_t number;
    const char* given;  // the value as given, or the argument that is wrong
};

// The highest I/O port number there is, and the highest base whose data,
// status and control ports all lie below it.
constexpr uint32_t PORT_NUMBER_MAX = 0xFFFF;
constexpr uint32_t PORT_BASE_MAX = PORT_NUMBER_MAX - 2;

// args are the program's arguments after its name. given points into them.
PortArgument ReadPortArgument(int count, const char* const* args);
