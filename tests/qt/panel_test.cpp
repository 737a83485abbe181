// The Linux panel, the very objects of kalderon-test-sim (the dialog code,
// the Qt dialog manager, the link and the simulated board), driven headless
// through window-level events, which respect modality as a person's do.
// The scenarios both panels share run here through QtDriver(); what follows
// them is what only this panel can be asked in-process.
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>
#include <unistd.h>

#include "board_ops.h"
#include "group_dialog.h"
#include "panel_dialog.h"
#include "panel_driver.h"
#include "panel_ids.h"
#include "panel_scenarios.h"
#include "sim_board.h"

namespace {

// Each test starts as a fresh program would: board, link and trace.
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        SimBoardReset();
        StepMode = 0;
        AddressCounter = {0, 0};
        StartTrace();
    }
    void TearDown() override { StopTrace(); }
};

// A shared scenario inside the panel's own modal loop; the panel is closed
// after it, as its suite must.
class ScenarioTest : public PanelTest {
public:
    ScenarioTest(int dialog, DLGPROC proc, std::function<void(PanelDriver&)> run)
        : dialog_(dialog), proc_(proc), run_(std::move(run)) {}
    void TestBody() override {
        RunDialog(dialog_, proc_, [this] {
            run_(QtDriver());
            if (Panel() != nullptr) Key(Qt::Key_Escape);
        });
    }

private:
    int dialog_;
    DLGPROC proc_;
    std::function<void(PanelDriver&)> run_;
};

void RegisterScenarios(const char* suite, const std::vector<PanelScenario>& scenarios, int dialog, DLGPROC proc) {
    for (const PanelScenario& s : scenarios) {
        const auto run = s.run;
        ::testing::RegisterTest(suite, s.name, nullptr, nullptr, __FILE__, __LINE__,
                                [=]() -> PanelTest* { return new ScenarioTest(dialog, proc, run); });
    }
}

// --- The window ------------------------------------------------------------------

TEST_F(PanelTest, OpensCentredAndFixedWithACloseBoxAndNoDefaultButton) {
    RunPanel([] {
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
        EXPECT_FALSE(Control(IDC_SPARE1)->isVisible());
        EXPECT_FALSE(Control(IDC_SPARE2)->isVisible());
        for (QPushButton* b : panel->findChildren<QPushButton*>())
            EXPECT_FALSE(b->isDefault() || b->autoDefault()) << "no default push button";
        Key(Qt::Key_Escape);
    });
}

// The count at its edges, with the board's timer set in-process.
TEST_F(PanelTest, TimerCountsNothingAndStopsAtItsLimit) {
    BoxAnswerer answerer;
    RunPanel([] {
        SimBoardSetTimerLength(0);
        Click(IDC_TIMER_TEST);
        SimBoardSetTimerLength(TIMER_POLL_LIMIT * 3);
        Click(IDC_TIMER_TEST);
        Key(Qt::Key_Escape);
    });
    ASSERT_EQ(answerer.boxes.size(), 2u);
    EXPECT_EQ(answerer.boxes[0].text, QStringLiteral("0"));
    EXPECT_EQ(answerer.boxes[1].text, QStringLiteral("99999"));
    EXPECT_TRUE(answerer.boxes[0].closeBoxOnly) << "a box's frame offers no minimise or maximise";
}

// --- Ending: the entry itself, in a child process, for its exit code -----------------

void RunEntryAndEnd(const std::function<void(PanelDriver&)>& end) {
    SimBoardTraceTo(nullptr);
    QTimer::singleShot(0, [&end] {
        // As an operator would, wait for the window to be up and active.
        if (Panel() != nullptr && QTest::qWaitForWindowActive(Panel()->windowHandle())) end(QtDriver());
    });
    wchar_t none[] = L"";
    wWinMain(nullptr, nullptr, none, 1);
    _exit(3);  // the entry must not return
}

TEST(PanelEntry, EveryWayOfClosingEndsTheProcessWithCodeZero) {
    for (const PanelScenario& ending : PanelEndings()) {
        SCOPED_TRACE(ending.name);
        EXPECT_EXIT(RunEntryAndEnd(ending.run), ::testing::ExitedWithCode(0), "");
    }
}

// --- The picture -----------------------------------------------------------------------

TEST_F(PanelTest, Screenshot) {
    RunPanel([] {
        const QPixmap picture = Panel()->grab();
        ASSERT_FALSE(picture.isNull());
        // What a person would see: the panel drawn, not a blank of one colour.
        const QImage image = picture.toImage();
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
            for (int x = 0; x < image.width() && !drawn; ++x) drawn = image.pixel(x, y) != image.pixel(0, 0);
        EXPECT_TRUE(drawn) << "the panel's picture is blank";
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
    RegisterScenarios("PanelScenario", PanelScenarios(), IDD_PANEL, PanelDialogProc);
    RegisterScenarios("GroupDialogScenario", GroupDialogScenarios(), IDD_GROUPS, GroupDialogProc);
    return RUN_ALL_TESTS();
}
