#include "panel_scenarios.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>

#include <windows.h>  // IDCANCEL; on Linux the Qt layer's

#include "group_dialog.h"
#include "panel_ids.h"

namespace {

// --- Expected port traffic, as the simulated board writes it ---------------------

// One write cycle, as the trace lines the scenarios compare.
std::vector<std::string> CycleLines(int code, int data) {
    return TraceLines(WriteCycles({{RegisterCode(code), uint8_t(data)}}));
}

std::vector<std::string> Last(const std::vector<std::string>& trace, size_t n) {
    return std::vector<std::string>(trace.end() - long(std::min(n, trace.size())), trace.end());
}


// The boxes that make 0x5A ("A17", "VPP", "CS", "OE") with address low
// selected: the simulated chip's byte at 0x00005A is 0x5A.
const std::vector<int> PRESENT_0X5A_CLICKS = {IDC_SEL_ADDR_LOW, IDC_BIT0 + 1, IDC_BIT0 + 3, IDC_BIT0 + 4,
                                              IDC_BIT0 + 6};
const std::vector<std::string> READ_0X5A_LINES = {"W 37A 00", "R 379 A7", "W 37A 02", "R 379 57"};

const int RADIOS[] = {IDC_SEL_CONTROL, IDC_SEL_DATA, IDC_SEL_ADDR_HIGH, IDC_SEL_ADDR_LOW};

void ClickAll(PanelDriver& p, const std::vector<int>& ids) {
    for (int id : ids) p.Click(id);
}

// --- Start, focus, Tab -------------------------------------------------------------

void StartsWithTheFocusOnExitAndOnlyControlSelected(PanelDriver& p) {
    EXPECT_EQ(p.FocusedId(), IDCANCEL);
    EXPECT_TRUE(p.Checked(IDC_SEL_CONTROL));
    for (int id = IDC_BIT0; id <= IDC_READ_BIT7; ++id) {
        if (id != IDC_SEL_CONTROL) {
            EXPECT_FALSE(p.Checked(id)) << id;
        }
    }
    EXPECT_TRUE(p.Trace().empty()) << "no port is touched at start";
}

// Where Tab takes the focus from "Выход", one press at a time: template
// order over the visible tab stops, each radio button among them, round to
// "Выход" again.
const std::vector<int> TAB_ORDER_FROM_EXIT = {
    IDC_BIT0, IDC_BIT0 + 1, IDC_BIT0 + 2, IDC_BIT0 + 3, IDC_BIT0 + 4, IDC_BIT0 + 5, IDC_BIT0 + 6, IDC_BIT7,
    IDC_SEL_CONTROL, IDC_SEL_DATA, IDC_SEL_ADDR_HIGH, IDC_SEL_ADDR_LOW, IDC_WRITE, IDC_STEP_MODE, IDC_READ,
    IDC_CHECKBOX1052, IDC_RESET, IDC_ADDR_STEP, IDC_TIMER_TEST, IDCANCEL};

// Once a radio button has been clicked the row is a single tab stop, the
// checked button: a radio button's check carries WS_TABSTOP.
const std::vector<int> TAB_ORDER_FROM_EXIT_AFTER_SELECTING_DATA = {
    IDC_BIT0, IDC_BIT0 + 1, IDC_BIT0 + 2, IDC_BIT0 + 3, IDC_BIT0 + 4, IDC_BIT0 + 5, IDC_BIT0 + 6, IDC_BIT7,
    IDC_SEL_DATA, IDC_WRITE, IDC_STEP_MODE, IDC_READ, IDC_CHECKBOX1052, IDC_RESET, IDC_ADDR_STEP, IDC_TIMER_TEST,
    IDCANCEL};

std::vector<int> TabVisits(PanelDriver& p, size_t presses) {
    std::vector<int> visited;
    for (size_t i = 0; i < presses; ++i) {
        p.Key(PanelKey::Tab);
        visited.push_back(p.FocusedId());
    }
    return visited;
}

void TabVisitsTheTabStopsInTemplateOrder(PanelDriver& p) {
    EXPECT_EQ(TabVisits(p, TAB_ORDER_FROM_EXIT.size()), TAB_ORDER_FROM_EXIT);
    EXPECT_TRUE(p.Checked(IDC_SEL_CONTROL)) << "Tab moves the focus, not the selection";
    p.Key(PanelKey::ShiftTab);
    EXPECT_EQ(p.FocusedId(), IDC_TIMER_TEST) << "backwards past the hidden spare";

    p.Click(IDC_SEL_DATA);
    p.FocusOn(IDCANCEL);
    EXPECT_EQ(TabVisits(p, TAB_ORDER_FROM_EXIT_AFTER_SELECTING_DATA.size()), TAB_ORDER_FROM_EXIT_AFTER_SELECTING_DATA);
}

void RadioButtonsAreOneGroupAndArrowsMoveTheSelection(PanelDriver& p) {
    for (int chosen : {IDC_SEL_ADDR_HIGH, IDC_SEL_DATA, IDC_SEL_ADDR_LOW}) {
        p.Click(chosen);
        for (int r : RADIOS) EXPECT_EQ(p.Checked(r), r == chosen) << chosen << " " << r;
    }
    p.Key(PanelKey::Left);  // the focus is on address low after the click
    EXPECT_TRUE(p.Checked(IDC_SEL_ADDR_HIGH));
    EXPECT_FALSE(p.Checked(IDC_SEL_ADDR_LOW));
    EXPECT_TRUE(p.Trace().empty());
}

// --- The arrow keys, as the dialog manager moves them ----------------------------

// Keys pressed on a fresh panel, then where the focus is, which register is
// selected and what went to the port. The whole dialog is one group, so the
// arrows run through it in template order; no row crosses a label, which
// Wine's dialog manager lands on and Windows' passes over.
struct KeysCase {
    const char* name;
    std::vector<std::pair<PanelKey, int>> presses;  // each key, so many times
    int focus;
    int selected;
    std::vector<std::string> trace;
};

std::vector<KeysCase> KeysCases() {
    const PanelKey TAB = PanelKey::Tab, BACK = PanelKey::ShiftTab, SPACE = PanelKey::Space;
    return {
        {"DownFromTheControlRadioSelectsData",
         {{TAB, 9}, {PanelKey::Down, 1}, {TAB, 1}, {SPACE, 1}}, IDC_WRITE, IDC_SEL_DATA, CycleLines(0, 0)},
        {"RightRunsThroughTheRadiosOntoWrite",
         {{TAB, 9}, {PanelKey::Right, 4}, {SPACE, 1}}, IDC_WRITE, IDC_SEL_ADDR_LOW, CycleLines(4, 0)},
        {"RightFromAnUncheckedRadioSelectsTheNext",
         {{TAB, 10}, {PanelKey::Right, 1}, {TAB, 1}, {SPACE, 1}}, IDC_WRITE, IDC_SEL_ADDR_HIGH, CycleLines(6, 0)},
        {"UpFromWriteSelectsAddressLowAndDownMakesWriteTheDefault",
         {{TAB, 10}, {SPACE, 1}, {TAB, 1}, {PanelKey::Up, 1}, {PanelKey::Down, 1}, {PanelKey::Enter, 1}}, IDC_WRITE,
         IDC_SEL_ADDR_LOW, CycleLines(4, 0)},
        {"DownFromStepModeWalksTheReadBackBoxes",
         {{BACK, 6}, {PanelKey::Down, 2}}, IDC_READ_BIT0 + 1, IDC_SEL_CONTROL, {}},
    };
}

void PressKeys(PanelDriver& p, const KeysCase& c) {
    for (auto [key, times] : c.presses)
        for (int i = 0; i < times; ++i) p.Key(key);
    EXPECT_EQ(p.FocusedId(), c.focus);
    for (int r : RADIOS) EXPECT_EQ(p.Checked(r), r == c.selected) << r;
    for (int id = IDC_READ_BIT0; id <= IDC_READ_BIT7; ++id) EXPECT_FALSE(p.Checked(id)) << "an arrow clicks no check box";
    EXPECT_EQ(p.Trace(), c.trace);
}

// --- Write ---------------------------------------------------------------------------

// Clicks on input boxes and radio buttons, each case after the one before,
// then "Записать": the register code and byte that must go out.
struct WriteCase {
    const char* name;
    std::vector<int> clicks;
    int code;
    int data;
};

void WriteSendsTheCheckedBitsToTheSelectedRegister(PanelDriver& p) {
    const WriteCase cases[] = {
        {"nothing checked, control preselected", {}, 2, 0x00},
        {"A16 and DE to address low", {IDC_BIT0, IDC_BIT7, IDC_SEL_ADDR_LOW}, 4, 0x81},
        {"VPP and CS to control", {IDC_BIT0, IDC_BIT7, IDC_BIT0 + 3, IDC_BIT0 + 4, IDC_SEL_CONTROL}, 2, 0x18},
        {"same bits to data", {IDC_SEL_DATA}, 0, 0x18},
        {"same bits to address high", {IDC_SEL_ADDR_HIGH}, 6, 0x18},
    };
    size_t before = 0;
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        ClickAll(p, c.clicks);
        EXPECT_EQ(p.Trace().size(), before) << "clicking boxes touches no port";
        p.Click(IDC_WRITE);
        const std::vector<std::string> trace = p.Trace();
        EXPECT_EQ(Last(trace, trace.size() - before), CycleLines(c.code, c.data));
        before = trace.size();
    }
}

void ExpectStepBoxes(PanelDriver& p, const std::vector<BoxSeen>& boxes, size_t firstTraceLines) {
    const std::u16string title = p.DefaultBoxTitle();
    for (size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(boxes[i].text, CYCLE_PAUSES[i % 4]);
        if (title.empty()) {
            EXPECT_FALSE(boxes[i].title.empty()) << "no caption given: the platform's default title";
        } else {
            EXPECT_EQ(boxes[i].title, title);
        }
        EXPECT_TRUE(boxes[i].panelBlocked);
        EXPECT_EQ(boxes[i].traceLines, firstTraceLines + i) << "the phase is on the port before its box";
    }
}

void StepModePausesFourTimesPerWriteWithEachPhaseOnThePort(PanelDriver& p) {
    ClickAll(p, {IDC_STEP_MODE, IDC_SEL_ADDR_HIGH, IDC_BIT0 + 1, IDC_BIT0 + 3, IDC_BIT0 + 4, IDC_BIT0 + 6});
    const std::vector<BoxSeen> boxes = p.Answering([&] { p.Click(IDC_WRITE); });
    ASSERT_EQ(boxes.size(), 4u);
    ExpectStepBoxes(p, boxes, 1);
    EXPECT_EQ(p.Trace(), CycleLines(6, 0x5A));
    EXPECT_FALSE(p.Checked(IDC_BIT0 + 2)) << "input to the blocked panel was lost";
}

void ResetPausesOnlyAfterAWriteOrReadSampledStepMode(PanelDriver& p) {
    p.Click(IDC_STEP_MODE);
    EXPECT_TRUE(p.Answering([&] { p.Click(IDC_RESET); }).empty()) << "step mode not sampled yet";
    EXPECT_EQ(p.Trace().size(), 16u);
    EXPECT_EQ(p.Answering([&] { p.Click(IDC_WRITE); }).size(), 4u);
    p.Click(IDC_STEP_MODE);  // unchecked again; the sampled flag stays set
    const size_t before = p.Trace().size();
    std::vector<BoxSeen> boxes = p.Answering([&] { p.Click(IDC_RESET); });
    ASSERT_EQ(boxes.size(), 16u);
    ExpectStepBoxes(p, boxes, before + 1);
    boxes = p.Answering([&] { p.Click(IDC_ADDR_STEP); });
    ASSERT_EQ(boxes.size(), 4u);
    ExpectStepBoxes(p, boxes, before + 17);
    std::vector<std::string> expected = TraceLines(WriteCycles(RESET_WRITES));
    const std::vector<std::string> step = CycleLines(4, 0x01);
    expected.insert(expected.end(), step.begin(), step.end());
    EXPECT_EQ(Last(p.Trace(), 20), expected);
}

// --- Read, select-all, timer ------------------------------------------------------

void ReadShowsTheByteTheBoardPresentsBitByBit(PanelDriver& p) {
    ClickAll(p, PRESENT_0X5A_CLICKS);  // CS and OE start asserted
    p.Click(IDC_WRITE);
    ClickAll(p, {IDC_READ_BIT0, IDC_READ_BIT0 + 2});  // stale marks the next Read overwrites
    p.Click(IDC_STEP_MODE);
    EXPECT_TRUE(p.Answering([&] { p.Click(IDC_READ); }).empty()) << "Read never pauses";
    for (int i = 0; i < 8; ++i) EXPECT_EQ(p.Checked(IDC_READ_BIT0 + i), ((0x5A >> i) & 1) != 0) << "D" << i;
    EXPECT_EQ(Last(p.Trace(), 4), READ_0X5A_LINES);
}

void SelectAllChecksAndUnchecksTheEightInputBits(PanelDriver& p) {
    p.Click(IDC_CHECKBOX1052);
    for (int id = IDC_BIT0; id <= IDC_BIT7; ++id) EXPECT_TRUE(p.Checked(id)) << id;
    p.Click(IDC_BIT0 + 2);
    EXPECT_FALSE(p.Checked(IDC_BIT0 + 2));
    EXPECT_TRUE(p.Checked(IDC_CHECKBOX1052)) << "a single box leaves select-all alone";
    p.Click(IDC_CHECKBOX1052);
    for (int id = IDC_BIT0; id <= IDC_BIT7; ++id) EXPECT_FALSE(p.Checked(id)) << id;
    EXPECT_FALSE(p.Checked(IDC_READ_BIT0));
    EXPECT_TRUE(p.Trace().empty());
}

void TimerTestShowsTheCountInABlockingBox(PanelDriver& p) {
    const std::vector<BoxSeen> boxes = p.Answering([&] { p.Click(IDC_TIMER_TEST); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"5000") << "the simulated timer runs 5000 status reads";
    EXPECT_TRUE(boxes[0].panelBlocked);
    const std::vector<std::string> trace = p.Trace();
    ASSERT_EQ(trace.size(), 2u + 5001u);
    EXPECT_EQ(trace[0], "W 37A 08");
    EXPECT_EQ(trace[1], "W 37A 00");
}

// There is no default push button: Enter on a check box is command IDOK,
// which the panel ignores; on a push button it clicks that button.
void EnterClicksOnlyAFocusedPushButtonAndSparesDoNothing(PanelDriver& p) {
    p.Key(PanelKey::Tab);
    ASSERT_EQ(p.FocusedId(), IDC_BIT0);
    p.Key(PanelKey::Enter);
    EXPECT_FALSE(p.Checked(IDC_BIT0)) << "Enter is not a click on a check box";
    EXPECT_TRUE(p.Trace().empty());
    p.Key(PanelKey::ShiftTab);
    p.Key(PanelKey::ShiftTab);  // back past "Выход" to "Тест таймера"
    ASSERT_EQ(p.FocusedId(), IDC_TIMER_TEST);
    EXPECT_EQ(p.Answering([&] { p.Key(PanelKey::Enter); }).size(), 1u);
    const size_t timed = p.Trace().size();
    EXPECT_TRUE(p.Answering([&] {
                     p.Click(IDC_SPARE1);
                     p.Click(IDC_SPARE2);
                 }).empty());
    EXPECT_TRUE(p.PanelOpen());
    EXPECT_EQ(p.Trace().size(), timed) << "the spares touch no port";
}

}  // namespace

const std::vector<PanelScenario>& PanelScenarios() {
    static const std::vector<PanelScenario> scenarios = [] {
        std::vector<PanelScenario> all = {
        {"StartsWithTheFocusOnExitAndOnlyControlSelected", StartsWithTheFocusOnExitAndOnlyControlSelected},
        {"TabVisitsTheTabStopsInTemplateOrder", TabVisitsTheTabStopsInTemplateOrder},
        {"RadioButtonsAreOneGroupAndArrowsMoveTheSelection", RadioButtonsAreOneGroupAndArrowsMoveTheSelection},
        {"WriteSendsTheCheckedBitsToTheSelectedRegister", WriteSendsTheCheckedBitsToTheSelectedRegister},
        {"StepModePausesFourTimesPerWriteWithEachPhaseOnThePort", StepModePausesFourTimesPerWriteWithEachPhaseOnThePort},
        {"ResetPausesOnlyAfterAWriteOrReadSampledStepMode", ResetPausesOnlyAfterAWriteOrReadSampledStepMode},
        {"ReadShowsTheByteTheBoardPresentsBitByBit", ReadShowsTheByteTheBoardPresentsBitByBit},
        {"SelectAllChecksAndUnchecksTheEightInputBits", SelectAllChecksAndUnchecksTheEightInputBits},
        {"TimerTestShowsTheCountInABlockingBox", TimerTestShowsTheCountInABlockingBox},
        {"EnterClicksOnlyAFocusedPushButtonAndSparesDoNothing", EnterClicksOnlyAFocusedPushButtonAndSparesDoNothing},
        };
        static const std::vector<KeysCase> keys = KeysCases();
        for (const KeysCase& c : keys) all.push_back({c.name, [&c](PanelDriver& p) { PressKeys(p, c); }});
        return all;
    }();
    return scenarios;
}

// Two WS_GROUP runs of auto radio buttons: a click checks within its own
// run, the arrows wrap within it, and Tab goes from one run's checked
// button to the next run's.
void TwoRadioGroupsKeepToThemselves(PanelDriver& p) {
    auto checked = [&p] {
        std::vector<int> ids;
        for (int id : {IDC_GROUP_A1, IDC_GROUP_A2, IDC_GROUP_B1, IDC_GROUP_B2})
            if (p.Checked(id)) ids.push_back(id);
        return ids;
    };
    EXPECT_EQ(p.FocusedId(), IDC_GROUP_A1);
    EXPECT_EQ(checked(), (std::vector<int>{IDC_GROUP_A1, IDC_GROUP_B1}));
    p.Click(IDC_GROUP_A2);
    EXPECT_EQ(checked(), (std::vector<int>{IDC_GROUP_A2, IDC_GROUP_B1})) << "a click stays in its group";
    p.Key(PanelKey::Down);  // from the last of group A round to its first
    EXPECT_EQ(p.FocusedId(), IDC_GROUP_A1);
    EXPECT_EQ(checked(), (std::vector<int>{IDC_GROUP_A1, IDC_GROUP_B1}));
    p.Key(PanelKey::Up);  // and back round the other way
    EXPECT_EQ(p.FocusedId(), IDC_GROUP_A2);
    p.Key(PanelKey::Tab);  // the checked button of group B
    EXPECT_EQ(p.FocusedId(), IDC_GROUP_B1);
    p.Key(PanelKey::Right);
    EXPECT_EQ(checked(), (std::vector<int>{IDC_GROUP_A2, IDC_GROUP_B2}));
    p.Key(PanelKey::Right);
    EXPECT_EQ(p.FocusedId(), IDC_GROUP_B1);
    EXPECT_EQ(checked(), (std::vector<int>{IDC_GROUP_A2, IDC_GROUP_B1}));
    p.Key(PanelKey::Tab);
    EXPECT_EQ(p.FocusedId(), IDCANCEL);
    p.Key(PanelKey::Tab);
    EXPECT_EQ(p.FocusedId(), IDC_GROUP_A2) << "round to group A's checked button";
}

const std::vector<PanelScenario>& GroupDialogScenarios() {
    static const std::vector<PanelScenario> scenarios = {
        {"TwoRadioGroupsKeepToThemselves", TwoRadioGroupsKeepToThemselves},
    };
    return scenarios;
}

const std::vector<PanelScenario>& PanelEndings() {
    static const std::vector<PanelScenario> endings = {
        {"Esc", [](PanelDriver& p) { p.Key(PanelKey::Escape); }},
        {"Выход", [](PanelDriver& p) { p.Click(IDCANCEL); }},
        {"CloseBox", [](PanelDriver& p) { p.CloseBox(); }},
        {"SpaceOnExitAtStart", [](PanelDriver& p) { p.Key(PanelKey::Space); }},
        {"EnterOnExit", [](PanelDriver& p) {
             p.Key(PanelKey::Tab);  // and back: the dialog manager's own way onto it
             p.Key(PanelKey::ShiftTab);
             p.Key(PanelKey::Enter);
         }},
    };
    return endings;
}
