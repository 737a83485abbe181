// The link against a recording port: every operation's exact port trace.
#include <gtest/gtest.h>

#include "board_ops.h"
#include "port_check.h"
#include "recording_port.h"
#include "step_recorder.h"

namespace {

// The step pauses as StepNotifier receives them.
const std::vector<std::wstring> ONE_CYCLE_PAUSES(
    [] {
        std::vector<std::wstring> texts;
        for (const std::u16string& text : CYCLE_PAUSES) texts.emplace_back(text.begin(), text.end());
        return texts;
    }());

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRecordingPort();
        ResetStepRecorder();
        StepMode = 0;
        AddressCounter = {0, 0};
    }
};

struct WriteCase {
    RegisterCode code;
    uint8_t data;
    PortTrace expected;
};

TEST_F(LinkTest, WriteRegisterIsFourPortWritesPerRegister) {
    const WriteCase cases[] = {
        {REG_ADDR_HIGH, 0x5A, {W(0x378, 0x5A), W(0x37A, 0x06), W(0x37A, 0x07), W(0x37A, 0x06)}},
        {REG_DATA, 0xFF, {W(0x378, 0xFF), W(0x37A, 0x00), W(0x37A, 0x01), W(0x37A, 0x00)}},
        {REG_CONTROL, 0x18, {W(0x378, 0x18), W(0x37A, 0x02), W(0x37A, 0x03), W(0x37A, 0x02)}},
        {REG_ADDR_LOW, 0x00, {W(0x378, 0x00), W(0x37A, 0x04), W(0x37A, 0x05), W(0x37A, 0x04)}},
    };
    for (const WriteCase& c : cases) {
        ResetRecordingPort();
        WriteRegister(c.code, c.data);
        EXPECT_EQ(RecordedPorts, c.expected) << "register " << int(c.code);
    }
    EXPECT_TRUE(StepPauses.empty());
}

// Where each pause falls: how many port accesses had happened when it came up.
std::vector<size_t> g_accessesAtPause;
void RecordAccessesAtPause() { g_accessesAtPause.push_back(RecordedPorts.size()); }

TEST_F(LinkTest, StepModePausesAfterEachPhaseWithThePhaseHeldOnThePort) {
    StepMode = 1;
    g_accessesAtPause.clear();
    OnStepPause = RecordAccessesAtPause;
    WriteRegister(REG_ADDR_HIGH, 0x5A);
    EXPECT_EQ(RecordedPorts, WriteCycles({{REG_ADDR_HIGH, 0x5A}}));
    EXPECT_EQ(StepPauses, ONE_CYCLE_PAUSES);
    EXPECT_EQ(g_accessesAtPause, (std::vector<size_t>{1, 2, 3, 4}));
}

TEST_F(LinkTest, AnyNonZeroStepModeCountsAsSet) {
    StepMode = 0x80000000u;
    WriteRegister(REG_DATA, 1);
    EXPECT_EQ(StepPauses.size(), 4u);
}

// Step mode is looked at at every pause point: turning it off during the
// second pause leaves the last two phases without a pause.
TEST_F(LinkTest, StepModeIsSampledAtEachPausePoint) {
    StepMode = 1;
    OnStepPause = [] {
        if (StepPauses.size() == 2) StepMode = 0;
    };
    WriteRegister(REG_CONTROL, 0x40);
    EXPECT_EQ(StepPauses.size(), 2u);
    EXPECT_EQ(RecordedPorts, WriteCycles({{REG_CONTROL, 0x40}}));
}

struct ReadCase {
    uint8_t lowStatus, highStatus, expected;
};

TEST_F(LinkTest, ReadDataByteJoinsTwoStatusNibbles) {
    const ReadCase cases[] = {
        {0xA0, 0x50, 0x5A},
        {0x0F, 0x0F, 0x00},  // status bits 0-3 never reach the result
        {0xFF, 0xFF, 0xFF},
        {0x1F, 0xE8, 0xE1},
    };
    for (const ReadCase& c : cases) {
        ResetRecordingPort();
        ScriptStatusReads({c.lowStatus, c.highStatus});
        EXPECT_EQ(ReadDataByte(), c.expected);
        EXPECT_EQ(RecordedPorts, ReadBackAccesses(c.lowStatus, c.highStatus));
    }
}

TEST_F(LinkTest, ReadDataByteNeverPausesEvenInStepMode) {
    StepMode = 1;
    ReadDataByte();
    EXPECT_TRUE(StepPauses.empty());
}

TEST_F(LinkTest, ResetWritesControlDataHighLowInThatOrder) {
    AddressCounter = {0x34, 0x12};
    ResetBoard();
    EXPECT_EQ(RecordedPorts, WriteCycles(RESET_WRITES));
    EXPECT_EQ(AddressCounter.low, 0);
    EXPECT_EQ(AddressCounter.high, 0);
}

std::vector<std::pair<uint8_t, uint8_t>> g_counterAtPause;

TEST_F(LinkTest, ResetInStepModePauses16TimesWithTheCounterAlreadyCleared) {
    AddressCounter = {0xFF, 0x07};
    StepMode = 1;
    g_counterAtPause.clear();
    OnStepPause = [] { g_counterAtPause.push_back({AddressCounter.low, AddressCounter.high}); };
    ResetBoard();
    ASSERT_EQ(StepPauses.size(), 16u);
    for (size_t i = 0; i < 16; ++i) EXPECT_EQ(StepPauses[i], ONE_CYCLE_PAUSES[i % 4]) << "pause " << i;
    EXPECT_EQ(g_counterAtPause.front(), (std::pair<uint8_t, uint8_t>{0, 0}));
}

struct StepCase {
    AddressCounterState before;
    PortTrace expected;
    AddressCounterState after;
};

TEST_F(LinkTest, StepAddressWritesTheHighByteOnlyOnACarry) {
    const StepCase cases[] = {
        {{0x00, 0x00}, WriteCycles({{REG_ADDR_LOW, 0x01}}), {0x01, 0x00}},
        {{0xFE, 0x00}, WriteCycles({{REG_ADDR_LOW, 0xFF}}), {0xFF, 0x00}},
        {{0xFF, 0x00}, WriteCycles({{REG_ADDR_LOW, 0x00}, {REG_ADDR_HIGH, 0x01}}), {0x00, 0x01}},
        {{0xFF, 0xFF}, WriteCycles({{REG_ADDR_LOW, 0x00}, {REG_ADDR_HIGH, 0x00}}), {0x00, 0x00}},
    };
    for (const StepCase& c : cases) {
        ResetRecordingPort();
        AddressCounter = c.before;
        StepAddress();
        EXPECT_EQ(RecordedPorts, c.expected) << "from " << int(c.before.high) << ":" << int(c.before.low);
        EXPECT_EQ(AddressCounter.low, c.after.low);
        EXPECT_EQ(AddressCounter.high, c.after.high);
    }
}

TEST_F(LinkTest, The256thStepFromStartCarriesIntoTheHighRegister) {
    for (int i = 0; i < 255; ++i) StepAddress();
    ResetRecordingPort();
    StepAddress();
    EXPECT_EQ(RecordedPorts, WriteCycles({{REG_ADDR_LOW, 0x00}, {REG_ADDR_HIGH, 0x01}}));
}

TEST_F(LinkTest, StepAfterResetStartsAgainFromOne) {
    for (int i = 0; i < 300; ++i) StepAddress();
    ResetBoard();
    ResetRecordingPort();
    StepAddress();
    EXPECT_EQ(RecordedPorts, WriteCycles({{REG_ADDR_LOW, 0x01}}));
}

TEST_F(LinkTest, StepAddressPausesFourTimesPerCycleInStepMode) {
    StepMode = 1;
    AddressCounter = {0xFF, 0x00};
    StepAddress();
    EXPECT_EQ(StepPauses.size(), 8u);
}

struct TimerCase {
    const char* name;
    uint32_t runningReads;  // status reads with the timer line set before the first clear one
    uint32_t expectedCount;
    size_t expectedReads;
};

TEST_F(LinkTest, MeasureTimerCountsReadsWithTheLineSet) {
    const TimerCase cases[] = {
        {"five set, then clear", 5, 5, 6},
        {"clear from the start", 0, 0, 1},
        {"clear on the last allowed read", TIMER_POLL_LIMIT - 1, TIMER_POLL_LIMIT - 1, TIMER_POLL_LIMIT},
        {"never clears", TIMER_POLL_LIMIT + 10, TIMER_POLL_LIMIT - 1, TIMER_POLL_LIMIT},
    };
    for (const TimerCase& c : cases) {
        // Bits 0-2 and the nibble are set throughout: only bit 3 may count.
        ResetRecordingPort(0xF7);
        ScriptStatusReads(0xFF, c.runningReads);
        StepMode = 1;
        EXPECT_EQ(MeasureTimer(), c.expectedCount) << c.name;
        ASSERT_EQ(RecordedPorts.size(), 2 + c.expectedReads) << c.name;
        EXPECT_EQ(RecordedPorts[0], W(0x37A, 0x08));
        EXPECT_EQ(RecordedPorts[1], W(0x37A, 0x00));
        for (size_t i = 2; i < RecordedPorts.size(); ++i) ASSERT_EQ(RecordedPorts[i].port, LPT_STATUS) << c.name;
    }
    EXPECT_TRUE(StepPauses.empty());
    EXPECT_EQ(AddressCounter.low, 0);
}

// Each reading of the clock a millisecond after the one before.
uint64_t g_clock;
uint64_t MillisecondClock() { return g_clock += 1000000; }

struct CheckCase {
    const char* name;
    bool dataKept, controlKept, controlFromPort;
    uint8_t idleStatus;
    uint32_t timerReads;  // with the line set, after the two nibbles' reads
    CheckFound found;
    size_t statusReads;  // after the timer's start: the timer's, then the cost's
};

// The check stops at the first link that fails, never strobes, leaves the
// control port at 0x00 and the data lines as found.
TEST_F(LinkTest, CheckPortStopsAtTheFirstSilentLinkAndWritesNoBoardRegister) {
    const size_t board = 6 + CHECK_COST_READS;
    const CheckCase cases[] = {
        {"a live board", true, true, true, 0x07, 5, CheckFound::Board, board},
        {"nothing at the address", false, false, true, 0x07, 5, CheckFound::NoPort, 0},
        {"the data register alone holds", true, false, true, 0x07, 5, CheckFound::Board, board},
        {"the control register alone holds", false, true, true, 0x07, 5, CheckFound::Board, board},
        {"a driver's copy of the control register proves nothing", false, true, false, 0x07, 5, CheckFound::NoPort, 0},
        {"no board: the line floats set", true, true, false, 0xFF, 0, CheckFound::TimerStuck, TIMER_POLL_LIMIT},
        {"no board: the line clear from the first read", true, true, true, 0x07, 0, CheckFound::TimerNeverSet, 1},
    };
    const uint8_t kept[2] = {0x55, 0xAA}, lost[2] = {0xFF, 0xFF};
    const uint8_t codes[4] = {6, 4, 2, 0}, floating[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        ResetRecordingPort(c.idleStatus, c.dataKept, c.controlKept);
        ScriptStatusReads({0x57, 0xA7});
        ScriptStatusReads(0xFF, c.timerReads);
        const PortCheck check = CheckPort(c.controlFromPort, MillisecondClock);
        EXPECT_EQ(check.found, c.found);
        EXPECT_EQ(check.costNanoseconds, c.found == CheckFound::Board ? 1000000u : 0u);
        const uint8_t found = c.dataKept ? 0x00 : 0xFF;
        PortTrace expected = CheckProbeAccesses(found, c.dataKept ? kept : lost, c.controlKept ? codes : floating);
        if (c.found != CheckFound::NoPort) {
            const PortTrace nibbles = ReadBackAccesses(0x57, 0xA7);
            expected.insert(expected.end(), nibbles.begin(), nibbles.end());
            expected.insert(expected.end(), {W(0x37A, 0x08), W(0x37A, 0x00)});  // the timer's start
        }
        ASSERT_EQ(RecordedPorts.size(), expected.size() + c.statusReads);
        EXPECT_EQ(PortTrace(RecordedPorts.begin(), RecordedPorts.begin() + expected.size()), expected);
        uint8_t control = 0xFF, data = 0xFF;
        for (size_t i = 0; i < RecordedPorts.size(); ++i) {
            const PortAccess& a = RecordedPorts[i];
            ASSERT_TRUE(i < expected.size() || a == R(0x379, a.value)) << a;
            if (a.kind == 'W') (a.port == LPT_DATA ? data : control) = a.value;
            // A register code or the timer start alone: never the strobe.
            EXPECT_FALSE(a.kind == 'W' && a.port == LPT_CONTROL && (a.value > 0x08 || a.value % 2 != 0)) << a;
        }
        EXPECT_EQ(control, 0x00);
        EXPECT_EQ(data, found);
    }
}

}  // namespace
