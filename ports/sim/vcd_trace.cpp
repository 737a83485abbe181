#include "vcd_trace.h"

#include <cstring>

#include "text.h"

// Every wire, in one table that both the header and each change are written
// from: a group of count wires is numbered from first ("STAT3"...), a single
// wire (first < 0) is not; lines gives the group's bits, lowest wire first.
struct WireGroup {
    const char* scope;
    const char* name;
    int count;
    int first;
    uint32_t (*lines)(const BoardLines&);
};

// The board's latched control lines: VPP is bit 3, DE bit 7.
template <int BIT>
static uint32_t LatchLine(const BoardLines& l) {
    return uint32_t(l.controlLatch >> BIT);
}

static const WireGroup WIRES[] = {
    {"pc", "DATA", 8, 0, [](const BoardLines& l) { return uint32_t(l.dataPort); }},
    {"pc", "CTRL", 4, 0, [](const BoardLines& l) { return uint32_t(l.controlPort); }},
    {"pc", "STAT", 5, 3, [](const BoardLines& l) { return uint32_t(l.status >> 3); }},  // STAT3: the timer line
    {"pc", "STATUS_READ", 1, -1, [](const BoardLines& l) { return uint32_t(l.statusRead); }},
    {"board", "D", 8, 0, [](const BoardLines& l) { return uint32_t(l.dataLatch); }},
    {"board", "A", 18, 0, [](const BoardLines& l) { return l.address; }},
    {"board", "VPP", 1, -1, LatchLine<3>},
    {"board", "CS", 1, -1, LatchLine<4>},
    {"board", "PGM", 1, -1, LatchLine<5>},
    {"board", "OE", 1, -1, LatchLine<6>},
    {"board", "DE", 1, -1, LatchLine<7>},
    {"board", "Q", 8, 0, [](const BoardLines& l) { return uint32_t(l.presented); }},
    {"board", "TIMER", 1, -1, [](const BoardLines& l) { return uint32_t(l.timer); }},
};

static constexpr char FIRST_ID = '!';  // VCD identifiers: one printable character each

static uint64_t g_last;
static uint64_t g_time;

// Every wire's level, wire n at bit n.
static uint64_t Pack(const BoardLines& l) {
    uint64_t bits = 0;
    int at = 0;
    for (const WireGroup& group : WIRES) {
        bits |= (uint64_t(group.lines(l)) & ((uint64_t(1) << group.count) - 1)) << at;
        at += group.count;
    }
    return bits;
}

static void Value(FILE* file, uint64_t bits, int wire) {
    const char line[] = {((bits >> wire) & 1) ? '1' : '0', char(FIRST_ID + wire), '\n', '\0'};
    fputs(line, file);
}

// "#12": the time of what follows.
static void Time(FILE* file) {
    char line[24] = "#";
    Add(line, DecimalDigits(g_time).text);
    Add(line, "\n");
    fputs(line, file);
}

void VcdStart(FILE* file, const BoardLines& start) {
    fputs("$version kalderon-test simulated board $end\n$timescale 1 us $end\n", file);
    const char* scope = nullptr;
    int wire = 0;
    for (const WireGroup& group : WIRES) {
        if (scope == nullptr || strcmp(group.scope, scope) != 0) {
            if (scope != nullptr) fputs("$upscope $end\n", file);
            scope = group.scope;
            char line[64] = "";
            Add(line, "$scope module ", scope, " $end\n");
            fputs(line, file);
        }
        for (int i = 0; i < group.count; ++i, ++wire) {
            const char id[] = {char(FIRST_ID + wire), '\0'};
            char line[64] = "";
            Add(line, "$var wire 1 ", id, " ", group.name);
            if (group.first >= 0) Add(line, DecimalDigits(uint64_t(group.first + i)).text);
            Add(line, " $end\n");
            fputs(line, file);
        }
    }
    fputs("$upscope $end\n$enddefinitions $end\n#0\n$dumpvars\n", file);
    g_last = Pack(start);
    for (int w = 0; w < wire; ++w) Value(file, g_last, w);
    g_time = 1;
    fputs("$end\n", file);
    Time(file);
    fflush(file);
}

void VcdAccess(FILE* file, const BoardLines& now) {
    const uint64_t bits = Pack(now);
    for (uint64_t changed = bits ^ g_last; changed != 0; changed &= changed - 1)
        Value(file, bits, __builtin_ctzll(changed));
    g_last = bits;
    ++g_time;
    Time(file);
    fflush(file);
}
