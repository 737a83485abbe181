#include "vcd_trace.h"

#include <cstring>

// The wires in the order Pack lays their bits down. A group of count wires
// is numbered from first ("STAT3"...); a single wire (first < 0) is not.
struct WireGroup {
    const char* scope;
    const char* name;
    int count;
    int first;
};

static const WireGroup WIRES[] = {
    {"pc", "DATA", 8, 0},      {"pc", "CTRL", 4, 0},     {"pc", "STAT", 5, 3},     {"pc", "STATUS_READ", 1, -1},
    {"board", "D", 8, 0},      {"board", "A", 18, 0},    {"board", "VPP", 1, -1},  {"board", "CS", 1, -1},
    {"board", "PGM", 1, -1},   {"board", "OE", 1, -1},   {"board", "DE", 1, -1},   {"board", "Q", 8, 0},
    {"board", "TIMER", 1, -1},
};

static constexpr int STATUS_FIRST_BIT = 3;  // STAT3: the timer line
static constexpr int LATCH_LINES_FIRST_BIT = 3;  // VPP
static constexpr char FIRST_ID = '!';  // VCD identifiers: one printable character each

static uint64_t g_last;
static uint64_t g_time;

static uint64_t Pack(const BoardLines& l) {
    uint64_t bits = 0;
    int at = 0;
    const auto put = [&](uint64_t value, int count) {
        bits |= (value & ((uint64_t(1) << count) - 1)) << at;
        at += count;
    };
    put(l.dataPort, 8);
    put(l.controlPort, 4);
    put(l.status >> STATUS_FIRST_BIT, 5);
    put(l.statusRead, 1);
    put(l.dataLatch, 8);
    put(l.address, 18);
    put(l.controlLatch >> LATCH_LINES_FIRST_BIT, 5);
    put(l.presented, 8);
    put(l.timer, 1);
    return bits;
}

static void Value(FILE* file, uint64_t bits, int wire) {
    fprintf(file, "%c%c\n", ((bits >> wire) & 1) ? '1' : '0', FIRST_ID + wire);
}

void VcdStart(FILE* file, const BoardLines& start) {
    fputs("$version kalderon-test simulated board $end\n$timescale 1 us $end\n", file);
    const char* scope = nullptr;
    int wire = 0;
    for (const WireGroup& group : WIRES) {
        if (scope == nullptr || strcmp(group.scope, scope) != 0) {
            if (scope != nullptr) fputs("$upscope $end\n", file);
            scope = group.scope;
            fprintf(file, "$scope module %s $end\n", scope);
        }
        for (int i = 0; i < group.count; ++i, ++wire) {
            if (group.first < 0)
                fprintf(file, "$var wire 1 %c %s $end\n", FIRST_ID + wire, group.name);
            else
                fprintf(file, "$var wire 1 %c %s%d $end\n", FIRST_ID + wire, group.name, group.first + i);
        }
    }
    fputs("$upscope $end\n$enddefinitions $end\n#0\n$dumpvars\n", file);
    g_last = Pack(start);
    for (int w = 0; w < wire; ++w) Value(file, g_last, w);
    g_time = 1;
    fprintf(file, "$end\n#%llu\n", static_cast<unsigned long long>(g_time));
    fflush(file);
}

void VcdAccess(FILE* file, const BoardLines& now) {
    const uint64_t bits = Pack(now);
    for (uint64_t changed = bits ^ g_last; changed != 0; changed &= changed - 1)
        Value(file, bits, __builtin_ctzll(changed));
    g_last = bits;
    fprintf(file, "#%llu\n", static_cast<unsigned long long>(++g_time));
    fflush(file);
}
