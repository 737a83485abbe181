// A port library for tests: records every access and answers status reads
// from a script, then with a fixed value.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <vector>

struct PortAccess {
    char kind;  // 'W' or 'R'
    short port;
    uint8_t value;
    bool operator==(const PortAccess& o) const { return kind == o.kind && port == o.port && value == o.value; }
};
std::ostream& operator<<(std::ostream& out, const PortAccess& a);

using PortTrace = std::vector<PortAccess>;

inline PortAccess W(short port, uint8_t value) { return {'W', port, value}; }
inline PortAccess R(short port, uint8_t value) { return {'R', port, value}; }

extern PortTrace RecordedPorts;

// Clears the record and the script; status reads then answer idleStatus.
void ResetRecordingPort(uint8_t idleStatus = 0x00);
// The next status reads answer these, in order, before idleStatus again.
void ScriptStatusReads(std::initializer_list<uint8_t> values);
void ScriptStatusReads(uint8_t value, uint32_t times);
