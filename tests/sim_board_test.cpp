// The simulated board, driven through the link alone, as the panel drives it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "board_ops.h"
#include "port_io.h"
#include "sim_board.h"
#include "step_recorder.h"

namespace {

// Control-register values, active low: a clear bit asserts CS/OE/PGM.
constexpr uint8_t READ_CHIP = BOARD_PGM;                    // CS, OE asserted
constexpr uint8_t IDLE = BOARD_CS | BOARD_OE | BOARD_PGM;  // chip deselected
constexpr uint8_t PROGRAM_ARMED = BOARD_VPP | BOARD_OE | BOARD_PGM;
constexpr uint8_t PROGRAM_PULSE = BOARD_VPP | BOARD_OE;     // PGM falls

class SimBoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        SimBoardReset();
        ResetStepRecorder();
        StepMode = 0;
    }
    // A trace file of the test's own under TMPDIR, removed however the test
    // ends: an ASSERT returns before any line after it.
    std::string trace;
    const char* TraceFile(const char* suffix) {
        trace = testing::TempDir() + "kalderon-trace-XXXXXX" + suffix;
        close(mkstemps(trace.data(), int(strlen(suffix))));
        return trace.c_str();
    }
    void TearDown() override { remove(trace.c_str()); }
    static void Address(uint32_t a) {
        WriteRegister(REG_ADDR_LOW, a & 0xFF);
        WriteRegister(REG_ADDR_HIGH, (a >> 8) & 0xFF);
    }
    static uint8_t ReadAt(uint32_t a) {
        Address(a);
        WriteRegister(REG_CONTROL, READ_CHIP | ((a >> 16) & BOARD_BANK_MASK));
        return ReadDataByte();
    }
    static void ProgramAt(uint32_t a, uint8_t data) {
        const uint8_t bank = (a >> 16) & BOARD_BANK_MASK;
        Address(a);
        WriteRegister(REG_DATA, data);
        WriteRegister(REG_CONTROL, PROGRAM_ARMED | bank);
        WriteRegister(REG_CONTROL, PROGRAM_PULSE | bank);
        WriteRegister(REG_CONTROL, PROGRAM_ARMED | bank);
    }
};

TEST_F(SimBoardTest, WriteCyclesLatchIntoTheSelectedRegister) {
    WriteRegister(REG_DATA, 0x11);
    WriteRegister(REG_CONTROL, 0x22);
    WriteRegister(REG_ADDR_LOW, 0x44);
    WriteRegister(REG_ADDR_HIGH, 0x66);
    EXPECT_EQ(SimBoardRegister(REG_DATA), 0x11);
    EXPECT_EQ(SimBoardRegister(REG_CONTROL), 0x22);
    EXPECT_EQ(SimBoardRegister(REG_ADDR_LOW), 0x44);
    EXPECT_EQ(SimBoardRegister(REG_ADDR_HIGH), 0x66);
}

TEST_F(SimBoardTest, OnlyTheRisingStrobeLatches) {
    Out32(LPT_DATA, 0x12);
    Out32(LPT_CONTROL, REG_ADDR_LOW);  // code without strobe: nothing latched
    EXPECT_EQ(SimBoardRegister(REG_ADDR_LOW), 0x00);
    Out32(LPT_CONTROL, REG_ADDR_LOW | CTRL_WRITE_STROBE);
    Out32(LPT_DATA, 0x34);  // data changing under a held strobe is not latched
    Out32(LPT_CONTROL, REG_ADDR_LOW | CTRL_WRITE_STROBE);
    EXPECT_EQ(SimBoardRegister(REG_ADDR_LOW), 0x12);
}

TEST_F(SimBoardTest, ReadBackPresentsThePatternAtTheLatchedAddress) {
    const uint32_t addresses[] = {0x00005A, 0x000100, 0x0201FF, 0x03FFFF};
    for (uint32_t a : addresses) EXPECT_EQ(ReadAt(a), SimBoardPattern(a)) << std::hex << a;
    EXPECT_EQ(SimBoardPattern(0x00005A), 0x5A);
    EXPECT_EQ(SimBoardPattern(0x0201FF), 0xFC);
}

TEST_F(SimBoardTest, TheBusIsIdleUnlessCsAndOeAreBothAsserted) {
    Address(0x00005A);
    const uint8_t controls[] = {IDLE, BOARD_CS, BOARD_OE};
    for (uint8_t control : controls) {
        WriteRegister(REG_CONTROL, control);
        EXPECT_EQ(ReadDataByte(), BOARD_BUS_IDLE) << std::hex << int(control);
    }
}

TEST_F(SimBoardTest, StatusBitsZeroToTwoReadAsSet) {
    EXPECT_EQ(Inp32(LPT_STATUS) & 0x07, 0x07);
}

TEST_F(SimBoardTest, ProgrammingThenReadingBackRoundTrips) {
    ProgramAt(0x012345, 0x00);
    EXPECT_EQ(ReadAt(0x012345), 0x00);
    EXPECT_EQ(ReadAt(0x012344), SimBoardPattern(0x012344));  // neighbours untouched
}

TEST_F(SimBoardTest, ProgrammingCanOnlyClearBits) {
    const uint32_t a = 0x0000F0;  // pattern 0xF0
    ProgramAt(a, 0x3C);
    EXPECT_EQ(ReadAt(a), 0x30);
}

TEST_F(SimBoardTest, NoProgrammingWithoutVppOrWithTheChipDeselected) {
    Address(0x0000FF);
    WriteRegister(REG_DATA, 0x00);
    WriteRegister(REG_CONTROL, BOARD_OE | BOARD_PGM);  // no VPP
    WriteRegister(REG_CONTROL, BOARD_OE);
    WriteRegister(REG_CONTROL, PROGRAM_ARMED | BOARD_CS);  // deselected
    WriteRegister(REG_CONTROL, PROGRAM_PULSE | BOARD_CS);
    EXPECT_EQ(SimBoardMemory(0x0000FF), 0xFF);
}

TEST_F(SimBoardTest, TimerRunsForItsLengthInStatusReads) {
    EXPECT_EQ(MeasureTimer(), SIM_TIMER_DEFAULT_READS);
    SimBoardSetTimerLength(0);
    EXPECT_EQ(MeasureTimer(), 0u);
    SimBoardSetTimerLength(TIMER_POLL_LIMIT * 2);
    EXPECT_EQ(MeasureTimer(), TIMER_POLL_LIMIT - 1);
}

TEST_F(SimBoardTest, ResetPutsTheBoardIntoItsResetState) {
    WriteRegister(REG_ADDR_LOW, 0x77);
    ResetBoard();
    EXPECT_EQ(SimBoardRegister(REG_CONTROL), 0xC0);
    EXPECT_EQ(SimBoardRegister(REG_DATA), 0xFF);
    EXPECT_EQ(SimBoardAddress(), 0u);
    StepAddress();
    EXPECT_EQ(SimBoardAddress(), uint32_t(AddressCounter.low));
}

TEST_F(SimBoardTest, TheTraceHasOneLinePerAccess) {
    const char* path = TraceFile("");
    ASSERT_TRUE(SimBoardTraceTo(path));
    WriteRegister(REG_ADDR_HIGH, 0x5A);
    ReadDataByte();
    SimBoardTraceTo(nullptr);
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    // Address 0x5A00 presents 0x5A; CS/OE are asserted by the zeroed control latch.
    EXPECT_EQ(text.str(),
              "W 378 5A\nW 37A 06\nW 37A 07\nW 37A 06\n"
              "W 37A 00\nR 379 A7\nW 37A 02\nR 379 57\n");
}

std::string FileText(const char* path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A waveform is written anew each run (one appended to another is no longer
// one), the same every time, and flushed after each access up to the next
// timestamp, so a run killed at any point leaves a readable file whose last
// access shows. sigrok reads it in the vcd_read_by_sigrok test.
TEST_F(SimBoardTest, AVcdTraceIsAWholeFileOfItsOwnEachRun) {
    const char* path = TraceFile(".vcd");
    std::string runs[2];
    for (std::string& run : runs) {
        SimBoardReset();
        ASSERT_TRUE(SimBoardTraceTo(path));
        WriteRegister(REG_ADDR_HIGH, 0x1A);
        ReadDataByte();
        run = FileText(path);  // before the trace is closed
        SimBoardTraceTo(nullptr);
    }
    EXPECT_EQ(runs[0], runs[1]);
    const size_t lastTime = runs[0].rfind("\n#");
    EXPECT_EQ(runs[0].substr(lastTime), "\n#9\n") << "eight accesses, then the next timestamp";
}

// A trace that cannot be written ends the run with the file and the reason,
// in both languages, rather than go on with a hole in it: the start refuses
// (SimBoardStart) when the file cannot be made; the access whose line
// cannot be written ends the run through the start's troubleEnd.
void TraceTroubleEnd(const char* english, const char* russian) {
    fprintf(stderr, "%s\n%s\n", english, russian);
    _exit(1);
}

struct TraceTroubleCase {
    const char* name;
    const char* path;
    const char* reason;
};

TEST(SimBoardTraceDeathTest, AnUnwritableTraceEndsTheProgramWithItsReason) {
    const TraceTroubleCase cases[] = {
        {"a missing folder", "/nonexistent/trace.txt", "No such file or directory"},
        {"a missing folder, waveform", "/nonexistent/trace.vcd", "No such file or directory"},
        {"a full disk", "/dev/full", "No space left on device"},
    };
    for (const TraceTroubleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string said = std::string("cannot write the port trace ") + c.path + ": " + c.reason +
                                 ".*файл трассировки порта " + c.path;
        EXPECT_EXIT(
            {
                setenv("KALDERON_PORT_TRACE", c.path, 1);
                const PortStarted started = SimBoardStart(TraceTroubleEnd);
                if (started.port == nullptr) TraceTroubleEnd(started.english, started.russian);
                Out32(LPT_DATA, 0x5A);
                _exit(0);
            },
            testing::ExitedWithCode(1), said);
    }
}

}  // namespace
