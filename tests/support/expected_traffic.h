// What the link must put on the port, written once for the link tests and
// the panel scenarios of both platforms: port accesses, write cycles, the
// reset sequence, the step pauses' texts, and the lines the simulated board's
// trace shows for them ("W 378 5A").
#pragma once

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "port_io.h"

struct PortAccess {
    char kind;  // 'W' or 'R'
    short port;
    uint8_t value;
    bool operator==(const PortAccess& o) const { return kind == o.kind && port == o.port && value == o.value; }
};

using PortTrace = std::vector<PortAccess>;

inline PortAccess W(short port, uint8_t value) { return {'W', port, value}; }
inline PortAccess R(short port, uint8_t value) { return {'R', port, value}; }

// An access as the simulated board's trace writes it.
inline std::string TraceLine(const PortAccess& a) {
    char line[16];
    snprintf(line, sizeof line, "%c %03X %02X", a.kind, unsigned(a.port) & 0xFFFF, unsigned(a.value));
    return line;
}

inline std::vector<std::string> TraceLines(const PortTrace& trace) {
    std::vector<std::string> lines;
    for (const PortAccess& a : trace) lines.push_back(TraceLine(a));
    return lines;
}

inline std::ostream& operator<<(std::ostream& out, const PortAccess& a) { return out << TraceLine(a); }

struct RegisterWrite {
    RegisterCode code;
    uint8_t data;
};

// Each write cycle in turn: data, code, code with strobe, code.
inline PortTrace WriteCycles(const std::vector<RegisterWrite>& writes) {
    PortTrace trace;
    for (const RegisterWrite& w : writes)
        trace.insert(trace.end(), {W(LPT_DATA, w.data), W(LPT_CONTROL, w.code),
                                   W(LPT_CONTROL, uint8_t(w.code | CTRL_WRITE_STROBE)), W(LPT_CONTROL, w.code)});
    return trace;
}

// A read-back: the low nibble selected and read, then the high one.
inline PortTrace ReadBackAccesses(uint8_t lowStatus, uint8_t highStatus) {
    return {W(LPT_CONTROL, 0x00), R(LPT_STATUS, lowStatus), W(LPT_CONTROL, CTRL_NIBBLE_HIGH),
            R(LPT_STATUS, highStatus)};
}

// A check's probe: the data register found, 0x55 and 0xAA written and read back, the
// byte found written back; each register code, last to first, to control and read back.
inline PortTrace CheckProbeAccesses(uint8_t found, const uint8_t (&data)[2], const uint8_t (&control)[4]) {
    PortTrace trace = {R(LPT_DATA, found)};
    for (int i = 0; i < 2; ++i) trace.insert(trace.end(), {W(LPT_DATA, uint8_t(0x55 << i)), R(LPT_DATA, data[i])});
    trace.push_back(W(LPT_DATA, found));
    for (int i = 0; i < 4; ++i)
        trace.insert(trace.end(), {W(LPT_CONTROL, uint8_t(REG_ADDR_HIGH - 2 * i)), R(LPT_CONTROL, control[i])});
    return trace;
}

// Reset: control lines, data, address high, address low.
const std::vector<RegisterWrite> RESET_WRITES = {
    {REG_CONTROL, 0xC0}, {REG_DATA, 0xFF}, {REG_ADDR_HIGH, 0x00}, {REG_ADDR_LOW, 0x00}};

// The step pauses of one write cycle, in order.
const std::vector<std::u16string> CYCLE_PAUSES = {u"Данные на шине", u"Адрес регистра выставлен",
                                                  u"Строб записи выставлен", u"Строб записи снят"};
