#include "sim_board.h"

#include "console.h"
#include "port_io.h"
#include "port_choice.h"
#include "text.h"
#include "trouble.h"
#include "vcd_trace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

// Control-port bits 1-2: the register a strobe latches into.
static constexpr uint8_t CODE_BITS = 0x06;

// The board decodes only the port's two low address lines, as a card does
// within its block, so it answers on whatever base the program uses.
static constexpr short PORT_OFFSET_BITS = 0x03;
static bool IsPort(short port, short classic) { return (port & PORT_OFFSET_BITS) == (classic & PORT_OFFSET_BITS); }

static uint8_t g_memory[SIM_MEMORY_SIZE];
static uint8_t g_latches[REG_ADDR_HIGH + 1];  // indexed by register code
static uint8_t g_dataPort;
static uint8_t g_controlPort;
static uint32_t g_timerLength;
static uint32_t g_timerReadsLeft;
static FILE* g_trace;
static bool g_traceVcd;  // a waveform rather than text lines
static char g_tracePath[PATH_BYTES_MAX + 1];  // any path that can be opened, whole
static int g_traceError;  // why the trace file could not be made, 0 when it could
static PortTroubleEnd g_troubleEnd;
static SimPlays g_plays;

// KALDERON_SIM_BOARD's words, by SimPlays.
static const char* const PLAYS_WORDS[] = {"board", "no-port", "no-board"};
static_assert(sizeof PLAYS_WORDS / sizeof PLAYS_WORDS[0] == size_t(SimPlays::Count), "a word for each");

// With nothing on the cable the status lines float high, and the port
// inverts BUSY: the timer line reads set for ever.
static constexpr uint8_t STATUS_FLOATING = 0x7F;

uint8_t SimBoardPattern(uint32_t address) {
    return static_cast<uint8_t>(address ^ (address >> 8) ^ (address >> 16));
}

void SimBoardReset() {
    for (uint32_t a = 0; a < SIM_MEMORY_SIZE; ++a) g_memory[a] = SimBoardPattern(a);
    for (uint8_t& latch : g_latches) latch = 0;
    g_dataPort = 0;
    g_controlPort = 0;
    g_timerLength = SIM_TIMER_DEFAULT_READS;
    g_timerReadsLeft = 0;
    g_plays = SimPlays::Board;
}

void SimBoardSetTimerLength(uint32_t reads) { g_timerLength = reads; }

void SimBoardPlay(SimPlays plays) { g_plays = plays; }

uint8_t SimBoardRegister(RegisterCode code) { return g_latches[code & CODE_BITS]; }

uint32_t SimBoardAddress() {
    return (uint32_t(g_latches[REG_CONTROL] & BOARD_BANK_MASK) << 16) |
           (uint32_t(g_latches[REG_ADDR_HIGH]) << 8) | g_latches[REG_ADDR_LOW];
}

uint8_t SimBoardMemory(uint32_t address) { return g_memory[address % SIM_MEMORY_SIZE]; }

uint8_t SimBoardPresentedByte() {
    const uint8_t control = g_latches[REG_CONTROL];
    const bool chipDrives = (control & BOARD_CS) == 0 && (control & BOARD_OE) == 0;
    return chipDrives ? g_memory[SimBoardAddress()] : BOARD_BUS_IDLE;
}

// Bits 0-2 read as set so that callers are seen to ignore them.
static constexpr uint8_t STATUS_UNUSED_BITS = 0x07;

// The status lines but the timer's: the selected nibble of the presented byte.
static uint8_t NibbleLines() {
    const uint8_t presented = SimBoardPresentedByte();
    const uint8_t nibble = (g_controlPort & CTRL_NIBBLE_HIGH) ? (presented >> 4) : (presented & 0x0F);
    return static_cast<uint8_t>(nibble << 4) | STATUS_UNUSED_BITS;
}

// The status lines as a read would find them now, without counting it.
static uint8_t StatusLines() { return NibbleLines() | (g_timerReadsLeft > 0 ? STATUS_TIMER_RUNNING : 0); }

// A status read sees the lines as they were when it read them; the timer
// it counted down shows from the next access on.
static BoardLines Lines(bool statusRead, uint8_t statusReadValue) {
    const uint8_t status = statusRead ? statusReadValue : StatusLines();
    return {g_dataPort,
            g_controlPort,
            status,
            statusRead,
            g_latches[REG_DATA],
            SimBoardAddress(),
            g_latches[REG_CONTROL],
            SimBoardPresentedByte(),
            (status & STATUS_TIMER_RUNNING) != 0};
}

static constexpr unsigned PORT_NUMBER_MASK = 0xFFFF;

static bool EndsWith(const char* text, const char* end) {
    const size_t length = strlen(text), endLength = strlen(end);
    return length >= endLength && strcmp(text + length - endLength, end) == 0;
}

// A trace with a hole in it would show traffic that never was: a trace file
// that cannot be made is the start's refusal, one that fails later ends the
// run at the access that failed, each saying which file and why.
[[noreturn]] static void TraceFailed(int error) {
    static Trouble said;
    SayFileTrouble(&said, RecordFile::PortTrace, g_tracePath, error, false);
    if (g_troubleEnd != nullptr) g_troubleEnd(said.english, said.russian);
    __builtin_trap();  // no way to end given, or one that returned: never go on
}

// A text trace appends; a waveform is a whole file of its own each run, as
// one appended to another is no longer a waveform. Binary, so that Windows
// writes the same bytes as Linux.
bool SimBoardTraceTo(const char* path) {
    if (g_trace != nullptr) fclose(g_trace);
    g_trace = nullptr;
    g_traceError = 0;
    if (path == nullptr || *path == '\0') return false;
    g_tracePath[0] = '\0';
    Add(g_tracePath, path);
    g_traceVcd = EndsWith(path, ".vcd");
    g_trace = OpenUtf8(path, g_traceVcd ? "wb" : "ab");
    if (g_trace == nullptr) {
        g_traceError = errno;
        return false;
    }
    if (g_traceVcd) VcdStart(g_trace, Lines(false, 0));
    if (ferror(g_trace) || fflush(g_trace) != 0) {
        g_traceError = errno != 0 ? errno : EIO;
        fclose(g_trace);
        g_trace = nullptr;
        return false;
    }
    return true;
}

PortStarted SimBoardStart(PortTroubleEnd troubleEnd) {
    SimBoardReset();
    g_troubleEnd = troubleEnd;
    static Trouble refusal;
    // What it plays: a word it does not know is refused, as a verdict
    // asked for and not shown would mislead.
    const char* plays = EnvironmentUtf8("KALDERON_SIM_BOARD");
    if (plays != nullptr && *plays != '\0') {
        int at = 0;
        while (at < int(SimPlays::Count) && strcmp(plays, PLAYS_WORDS[at]) != 0) ++at;
        if (at == int(SimPlays::Count)) {
            refusal = {};
            Add(refusal.english, "KALDERON_SIM_BOARD is \"", plays,
                "\": the simulated board plays board, no-port or no-board.");
            Add(refusal.russian, "KALDERON_SIM_BOARD = «", plays,
                "»: имитатор платы играет board, no-port или no-board.");
            return {nullptr, refusal.english, refusal.russian};
        }
        g_plays = SimPlays(at);
    }
    const char* path = EnvironmentUtf8("KALDERON_PORT_TRACE");
    if (path != nullptr && *path != '\0' && !SimBoardTraceTo(path)) {
        SayFileTrouble(&refusal, RecordFile::PortTrace, g_tracePath, g_traceError, true);
        return {nullptr, refusal.english, refusal.russian};
    }
    return {SIMULATED_BOARD_PORT, nullptr, nullptr};
}

// "W 378 5A": three digits for the classic ports, four for a card's.
static void TraceLine(char kind, short port, uint8_t value) {
    char line[16] = {kind, ' ', '\0'};
    AppendHex(line, sizeof line, unsigned(port) & PORT_NUMBER_MASK, 3);
    Add(line, " ");
    AppendHex(line, sizeof line, value, 2);
    Add(line, "\n");
    fputs(line, g_trace);
}

// Out of line, so that with tracing off an access pays for one test only.
__attribute__((noinline)) static void TraceAccess(char kind, short port, uint8_t value) {
    errno = 0;
    if (g_traceVcd)
        VcdAccess(g_trace, Lines(kind == 'R' && IsPort(port, LPT_STATUS), value));
    else
        TraceLine(kind, port, value);
    if (ferror(g_trace) || fflush(g_trace) != 0) TraceFailed(errno != 0 ? errno : EIO);
}

static inline void Trace(char kind, short port, uint8_t value) {
    if (g_trace != nullptr) TraceAccess(kind, port, value);
}

// A new control-register value arrives on a strobe. A falling PGM edge with
// VPP up and the chip selected burns the data latch into the addressed byte;
// programming can only clear bits, as on an EPROM.
static void LatchControl(uint8_t value) {
    const uint8_t before = g_latches[REG_CONTROL];
    g_latches[REG_CONTROL] = value;
    const bool pgmFalls = (before & BOARD_PGM) != 0 && (value & BOARD_PGM) == 0;
    const bool armed = (value & BOARD_VPP) != 0 && (value & BOARD_CS) == 0;
    if (pgmFalls && armed) g_memory[SimBoardAddress()] &= g_latches[REG_DATA];
}

static void WriteControlPort(uint8_t value) {
    const uint8_t rising = value & ~g_controlPort;
    g_controlPort = value;
    if (rising & CTRL_TIMER_START) g_timerReadsLeft = g_timerLength;
    if (rising & CTRL_WRITE_STROBE) {
        const RegisterCode code = value & CODE_BITS;
        if (code == REG_CONTROL)
            LatchControl(g_dataPort);
        else
            g_latches[code] = g_dataPort;
    }
}

static uint8_t ReadStatusPort() {
    uint8_t status = NibbleLines();
    if (g_timerReadsLeft > 0) {
        --g_timerReadsLeft;
        status |= STATUS_TIMER_RUNNING;
    }
    return status;
}

// A port that is not there keeps nothing and reads floating high; a port
// with no board keeps its registers, and its status lines float.
extern "C" void PORT_CALL Out32(short port, short value) {
    const uint8_t byte = static_cast<uint8_t>(value);
    if (g_plays != SimPlays::NoPort) {
        if (IsPort(port, LPT_DATA)) g_dataPort = byte;
        if (IsPort(port, LPT_CONTROL)) WriteControlPort(byte);
    }
    Trace('W', port, byte);  // after the write: a waveform shows what it did
}

extern "C" short PORT_CALL Inp32(short port) {
    uint8_t value = 0xFF;  // an unused port floats high
    if (g_plays != SimPlays::NoPort) {
        if (IsPort(port, LPT_DATA)) value = g_dataPort;
        if (IsPort(port, LPT_CONTROL)) value = g_controlPort;
        if (IsPort(port, LPT_STATUS)) value = g_plays == SimPlays::NoBoard ? STATUS_FLOATING : ReadStatusPort();
    }
    Trace('R', port, value);
    return value;
}

