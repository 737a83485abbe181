// The Linux panel, the very objects of kalderon-test-sim (the dialog code,
// the Qt dialog manager, the link and the simulated board), driven headless
// through window-level events, which respect modality as a person's do.
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "board_ops.h"
#include "panel_dialog.h"
#include "panel_driver.h"
#include "panel_cases.h"
#include "panel_ids.h"
#include "sim_board.h"

namespace {

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Each test starts as a fresh program would: board, link and trace.
        SimBoardReset();
        StepMode = 0;
        AddressCounter = {0, 0};
        StartTrace();
    }
    void TearDown() override { StopTrace(); }
    static void Check(const std::vector<int>& ids) {
        for (int id : ids) Click(id);
    }
};

// --- The helpers the commands are made of -----------------------------------------

struct DecimalCase {
    uint32_t n;
    const wchar_t* text;
};

TEST(FormatDecimal, PlainDigitsOnly) {
    const DecimalCase cases[] = {
        {0, L"0"}, {7, L"7"}, {10, L"10"}, {5000, L"5000"}, {99999, L"99999"}, {100000, L"100000"},
        {4294967295u, L"4294967295"},  // the widest: ten digits, well inside the buffer
    };
    for (const DecimalCase& c : cases) EXPECT_STREQ(FormatDecimal(c.n).text, c.text) << c.n;
}

// --- The window ------------------------------------------------------------------

TEST_F(PanelTest, OpensCentredFixedWithTheFocusOnExit) {
    EXPECT_EQ(RunPanel([] {
                  QWidget* panel = Panel();
                  ASSERT_NE(panel, nullptr);
                  EXPECT_EQ(panel->minimumSize(), panel->maximumSize()) << "fixed size";
                  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
                  // Within the rounding of two halvings on each axis.
                  EXPECT_LE((panel->geometry().center() - screen.center()).manhattanLength(), 4);
                  const Qt::WindowFlags flags = panel->windowFlags();
                  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
                  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
                  EXPECT_FALSE(panel->windowIcon().isNull()) << "the small icon";
                  EXPECT_EQ(QApplication::focusWidget(), Control(IDCANCEL));
                  EXPECT_TRUE(Checked(IDC_SEL_CONTROL));
                  for (int id = IDC_BIT0; id <= IDC_READ_BIT7; ++id) {
                      if (id != IDC_SEL_CONTROL) {
                          EXPECT_FALSE(Checked(id)) << id;
                      }
                  }
                  EXPECT_FALSE(Control(IDC_SPARE1)->isVisible());
                  EXPECT_FALSE(Control(IDC_SPARE2)->isVisible());
                  for (QPushButton* b : panel->findChildren<QPushButton*>())
                      EXPECT_FALSE(b->isDefault() || b->autoDefault()) << "no default push button";
                  EXPECT_TRUE(Trace().empty()) << "no port is touched at start";
                  Key(Qt::Key_Escape);
              }),
              0);
}

// Where as many Tab presses as expected take the focus, one by one.
std::vector<int> TabVisits(const std::vector<int>& expected) {
    std::vector<int> visited;
    for (size_t i = 0; i < expected.size(); ++i) {
        Key(Qt::Key_Tab);
        visited.push_back(ControlId(QApplication::focusWidget()));
    }
    return visited;
}

TEST_F(PanelTest, TabVisitsTheTabStopsInTemplateOrder) {
    RunPanel([] {
        EXPECT_EQ(TabVisits(TAB_ORDER_FROM_EXIT), TAB_ORDER_FROM_EXIT);
        EXPECT_TRUE(Checked(IDC_SEL_CONTROL)) << "Tab moves the focus, not the selection";
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), Control(IDC_TIMER_TEST)) << "backwards past the hidden spare";

        Click(IDC_SEL_DATA);
        Control(IDCANCEL)->setFocus(Qt::OtherFocusReason);
        EXPECT_EQ(TabVisits(TAB_ORDER_FROM_EXIT_AFTER_SELECTING_DATA), TAB_ORDER_FROM_EXIT_AFTER_SELECTING_DATA);
        Key(Qt::Key_Escape);
    });
}

TEST_F(PanelTest, RadioButtonsAreOneGroupAndArrowsMoveTheSelection) {
    RunPanel([] {
        const int radios[] = {IDC_SEL_CONTROL, IDC_SEL_DATA, IDC_SEL_ADDR_HIGH, IDC_SEL_ADDR_LOW};
        for (int chosen : {IDC_SEL_ADDR_HIGH, IDC_SEL_DATA, IDC_SEL_ADDR_LOW}) {
            Click(chosen);
            for (int r : radios) EXPECT_EQ(Checked(r), r == chosen) << chosen << " " << r;
        }
        Key(Qt::Key_Left);  // focus is on address low after the click
        EXPECT_TRUE(Checked(IDC_SEL_ADDR_HIGH));
        EXPECT_FALSE(Checked(IDC_SEL_ADDR_LOW));
        EXPECT_TRUE(Trace().empty());
        Key(Qt::Key_Escape);
    });
}

// --- Write ------------------------------------------------------------------------

TEST_F(PanelTest, WriteSendsTheCheckedBitsToTheSelectedRegister) {
    RunPanel([] {
        size_t before = 0;
        for (const WriteCase& c : WRITE_CASES) {
            SCOPED_TRACE(c.name);
            Check(c.clicks);
            EXPECT_EQ(Trace().size(), before) << "clicking boxes touches no port";
            Click(IDC_WRITE);
            const std::vector<std::string> trace = Trace();
            EXPECT_EQ(Since(trace, before), CycleLines(c.code, c.data));
            before = trace.size();
        }
        EXPECT_EQ(SimBoardRegister(REG_ADDR_HIGH), 0x18);
        Key(Qt::Key_Escape);
    });
}

TEST_F(PanelTest, StepModeShowsFourBlockingBoxesWithEachPhaseOnThePort) {
    BoxAnswerer answerer;
    answerer.probePanel = true;
    RunPanel([] {
        Check({IDC_STEP_MODE, IDC_SEL_ADDR_HIGH, IDC_BIT0 + 1, IDC_BIT0 + 3, IDC_BIT0 + 4, IDC_BIT0 + 6});
        Click(IDC_WRITE);
        Key(Qt::Key_Escape);
    });
    ASSERT_EQ(answerer.boxes.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(answerer.boxes[i].text.toStdU16String(), CYCLE_PAUSES[i]);
        EXPECT_EQ(answerer.boxes[i].title, QStringLiteral("Ошибка"));
        EXPECT_TRUE(answerer.boxes[i].panelBlocked);
        EXPECT_EQ(answerer.boxes[i].traceLines, i + 1) << "the phase is on the port before its box";
    }
    EXPECT_EQ(Trace(), CycleLines(6, 0x5A));
    EXPECT_FALSE(Checked(IDC_BIT0 + 2)) << "clicks on the blocked panel were lost";
}

TEST_F(PanelTest, ResetPausesOnlyAfterAWriteOrReadSampledStepMode) {
    BoxAnswerer answerer;
    size_t boxesBeforeLastReset = 0;
    RunPanel([&] {
        Click(IDC_STEP_MODE);
        Click(IDC_RESET);
        EXPECT_TRUE(answerer.boxes.empty()) << "step mode not sampled yet";
        EXPECT_EQ(Trace().size(), 16u);
        Click(IDC_WRITE);
        EXPECT_EQ(answerer.boxes.size(), 4u);
        Click(IDC_STEP_MODE);  // unchecked again; the sampled flag stays set
        boxesBeforeLastReset = answerer.boxes.size();
        Click(IDC_RESET);
        Click(IDC_ADDR_STEP);
        Key(Qt::Key_Escape);
    });
    ASSERT_EQ(answerer.boxes.size(), boxesBeforeLastReset + 16 + 4);
    for (size_t i = 0; i < 20; ++i) EXPECT_EQ(answerer.boxes[boxesBeforeLastReset + i].text.toStdU16String(), CYCLE_PAUSES[i % 4]);
    std::vector<std::string> expected = CyclesLines(RESET_WRITES);
    const std::vector<std::string> step = CycleLines(4, 0x01);
    expected.insert(expected.end(), step.begin(), step.end());
    const std::vector<std::string> trace = Trace();
    EXPECT_EQ(Since(trace, trace.size() - 20), expected);
}

// --- Read, select-all, timer --------------------------------------------------------

TEST_F(PanelTest, ReadShowsTheByteTheBoardPresentsBitByBit) {
    BoxAnswerer answerer;
    RunPanel([] {
        Check(PRESENT_0X5A_CLICKS);  // CS and OE start asserted
        Click(IDC_WRITE);
        Check({IDC_READ_BIT0, IDC_READ_BIT0 + 2});  // stale marks the next Read overwrites
        Click(IDC_STEP_MODE);
        Click(IDC_READ);
        for (int i = 0; i < 8; ++i) EXPECT_EQ(Checked(IDC_READ_BIT0 + i), ((0x5A >> i) & 1) != 0) << "D" << i;
        const std::vector<std::string> trace = Trace();
        EXPECT_EQ(Since(trace, trace.size() - 4), READ_0X5A_LINES);
        Key(Qt::Key_Escape);
    });
    EXPECT_TRUE(answerer.boxes.empty()) << "Read never pauses";
}

TEST_F(PanelTest, SelectAllChecksAndUnchecksTheEightInputBits) {
    RunPanel([] {
        Click(IDC_CHECKBOX1052);
        for (int id = IDC_BIT0; id <= IDC_BIT7; ++id) EXPECT_TRUE(Checked(id)) << id;
        Click(IDC_BIT0 + 2);
        EXPECT_FALSE(Checked(IDC_BIT0 + 2));
        EXPECT_TRUE(Checked(IDC_CHECKBOX1052)) << "a single box leaves select-all alone";
        Click(IDC_CHECKBOX1052);
        for (int id = IDC_BIT0; id <= IDC_BIT7; ++id) EXPECT_FALSE(Checked(id)) << id;
        EXPECT_FALSE(Checked(IDC_READ_BIT0));
        EXPECT_TRUE(Trace().empty());
        Key(Qt::Key_Escape);
    });
}

TEST_F(PanelTest, TimerTestShowsTheCountInABlockingBox) {
    BoxAnswerer answerer;
    RunPanel([] {
        Click(IDC_TIMER_TEST);
        SimBoardSetTimerLength(0);
        Click(IDC_TIMER_TEST);
        SimBoardSetTimerLength(TIMER_POLL_LIMIT * 3);
        Click(IDC_TIMER_TEST);
        Key(Qt::Key_Escape);
    });
    ASSERT_EQ(answerer.boxes.size(), 3u);
    EXPECT_EQ(answerer.boxes[0].text, QStringLiteral("5000"));
    EXPECT_EQ(answerer.boxes[1].text, QStringLiteral("0"));
    EXPECT_EQ(answerer.boxes[2].text, QStringLiteral("99999"));
    EXPECT_TRUE(answerer.boxes[0].panelBlocked);
    EXPECT_EQ(answerer.boxes[0].title, QStringLiteral("Ошибка"));
}

TEST_F(PanelTest, EnterOffAPushButtonDoesNothingAndOnOneClicksIt) {
    BoxAnswerer answerer;
    RunPanel([&] {
        Key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Control(IDC_BIT0));
        Key(Qt::Key_Return);
        EXPECT_FALSE(Checked(IDC_BIT0)) << "Enter is not a click on a check box";
        EXPECT_NE(Panel(), nullptr);
        EXPECT_TRUE(Trace().empty());
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        Key(Qt::Key_Tab, Qt::ShiftModifier);  // back past "Выход" to "Тест таймера"
        ASSERT_EQ(QApplication::focusWidget(), Control(IDC_TIMER_TEST));
        Key(Qt::Key_Return);
        EXPECT_EQ(answerer.boxes.size(), 1u);
        Key(Qt::Key_Escape);
    });
}

// --- Ending: the entry itself, in a child process, for its exit code -----------------

struct EndCase {
    const char* name;
    std::function<void()> close;
};

void RunEntryAndEnd(const std::function<void()>& close) {
    SimBoardTraceTo(nullptr);
    QTimer::singleShot(0, close);
    wchar_t none[] = L"";
    wWinMain(nullptr, nullptr, none, 1);
    _exit(3);  // the entry must not return
}

TEST(PanelEntry, EveryWayOfClosingEndsTheProcessWithCodeZero) {
    const EndCase cases[] = {
        {"Esc", [] { Key(Qt::Key_Escape); }},
        {"the close box", [] { Panel()->windowHandle()->close(); }},
        {"Выход", [] { Click(IDCANCEL); }},
        {"Enter on Выход at start", [] { Key(Qt::Key_Return); }},
        {"Space on Выход at start", [] { Key(Qt::Key_Space); }},
    };
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EXIT(RunEntryAndEnd(c.close), ::testing::ExitedWithCode(0), "");
    }
}

// --- The picture -----------------------------------------------------------------------

TEST_F(PanelTest, Screenshot) {
    RunPanel([] {
        const QPixmap picture = Panel()->grab();
        EXPECT_FALSE(picture.isNull());
        EXPECT_TRUE(picture.save(QStringLiteral(PANEL_PNG)));
        Key(Qt::Key_Escape);
    });
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    return RUN_ALL_TESTS();
}
