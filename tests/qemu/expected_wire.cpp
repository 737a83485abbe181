// What the guest's runs must put on the wire, printed from the one helper
// the link tests and the panel scenarios use (expected_traffic.h), for
// check.py to compare with qemu's record. A status read's value is the
// board's, printed as "??".
// Usage: expected_wire   (prints "== NAME" then one access a line)
#include <cstdio>

#include "expected_traffic.h"

static constexpr uint8_t ANY_STATUS = 0;  // printed as ??

static void Print(const char* name, const PortTrace& trace) {
    printf("== %s\n", name);
    for (const PortAccess& a : trace) {
        std::string line = TraceLine(a);
        if (a.kind == 'R') line.replace(line.size() - 2, 2, "??");
        printf("%s\n", line.c_str());
    }
}

static void Append(PortTrace& to, const PortTrace& more) { to.insert(to.end(), more.begin(), more.end()); }

int main() {
    // guest_test's sequence: a write to each register, a read-back, a reset,
    // then 256 address steps, the last of which carries into the high byte.
    PortTrace sequence = WriteCycles({{REG_DATA, 0x11}, {REG_CONTROL, 0x22}, {REG_ADDR_LOW, 0x44},
                                      {REG_ADDR_HIGH, 0x5A}});
    Append(sequence, ReadBackAccesses(ANY_STATUS, ANY_STATUS));
    Append(sequence, WriteCycles(RESET_WRITES));
    for (int step = 1; step <= 256; ++step) Append(sequence, WriteCycles({{REG_ADDR_LOW, uint8_t(step)}}));
    Append(sequence, WriteCycles({{REG_ADDR_HIGH, 0x01}}));
    Print("sequence", sequence);
    // The shipped program's one Write: A16 checked, the control register.
    Print("panel write", WriteCycles({{REG_CONTROL, 0x01}}));
    // The shipped program's --check: the data register probed (then written
    // back as found: check.py); the control register's codes, whose reads
    // ppdev answers from its own copy, off the wire; the status lines with
    // each nibble selected; the timer's start.
    const uint8_t data[2] = {}, control[4] = {};
    const PortTrace probe = CheckProbeAccesses(ANY_STATUS, data, control);
    Print("check probe", PortTrace(probe.begin(), probe.begin() + 5));
    PortTrace board;
    for (size_t i = 6; i < probe.size(); i += 2) board.push_back(probe[i]);
    Append(board, ReadBackAccesses(ANY_STATUS, ANY_STATUS));
    Append(board, {W(LPT_CONTROL, CTRL_TIMER_START), W(LPT_CONTROL, 0x00)});
    Print("check board", board);
    return 0;
}
