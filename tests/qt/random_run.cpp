// A long random run on kalderon-test-sim's real dialog: a seeded sequence of
// operator actions (clicks on every control, Tab and arrow keys, Space and
// Enter), every message box answered as it appears, and after each action
// the invariants the port traffic and the panel must keep. The program ends
// through the panel's own entry, so its exit code is the panel's.
//
// Usage: panel_random_run [--seed N|random] [--actions N] [--record FILE TRACE]
// --record: the entry records the session to FILE, on one board (one timer),
// and the trace is kept in TRACE for its replay (record_replay.py).
// The seed is printed first; a failure prints it again with the action. Run
// again with that seed to replay it. Nothing is timed: a loaded machine
// makes the run slower, not wrong.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <unistd.h>

#include "board_ops.h"
#include "panel_dialog.h"
#include "panel_scenarios.h"
#include "panel_driver.h"
#include "panel_ids.h"
#include "sim_board.h"

namespace {

constexpr uint32_t DEFAULT_SEED = 20261209;
uint32_t g_seed;
long g_action = -1;
std::string g_actionName;
long g_checks = 0;
bool g_recording = false;  // --record

[[noreturn]] void Fail(const std::string& what) {
    fprintf(stderr, "\nRANDOM RUN FAILED at action %ld (%s): %s\nreplay: panel_random_run --seed %u\n", g_action,
            g_actionName.c_str(), what.c_str(), g_seed);
    fflush(stderr);
    _exit(1);
}

void Expect(bool condition, const std::string& what) {
    ++g_checks;
    if (!condition) Fail(what);
}

std::string Hex(int v) {
    char text[8];
    snprintf(text, sizeof text, "0x%02X", v);
    return text;
}

// --- The port trace, read as it grows, cut into the shapes the link may make ---

struct Access {
    char kind;
    int port, value;
};

enum class Shape { WriteCycle, ReadBack, Timer };

struct Segment {
    Shape shape;
    int code = 0, data = 0;   // a write cycle's
    int low = 0, high = 0;    // a read-back's two status reads
    int reads = 0;            // a timer's status reads
};

std::ifstream g_trace;

std::vector<Access> NewAccesses() {
    std::vector<Access> out;
    g_trace.clear();
    for (std::string line; std::getline(g_trace, line);) {
        char kind = 0;
        unsigned port = 0, value = 0;
        if (sscanf(line.c_str(), "%c %x %x", &kind, &port, &value) != 3) Fail("unreadable trace line: " + line);
        out.push_back({kind, int(port), int(value)});
    }
    return out;
}

bool Is(const Access& a, char kind, int port) { return a.kind == kind && a.port == port; }

// Every access must belong to a write cycle (data, code, code with strobe,
// code, with a valid register code), a read-back (low nibble selected, read,
// high selected, read) or a timer measurement (start pulse, then reads).
std::vector<Segment> Segments(const std::vector<Access>& a) {
    std::vector<Segment> out;
    for (const Access& x : a)
        if (x.kind == 'W' && x.port == LPT_CONTROL) Expect(x.value <= 0x08, "control port written " + Hex(x.value));
    size_t i = 0;
    while (i < a.size()) {
        Segment s;
        if (Is(a[i], 'W', LPT_DATA)) {
            Expect(i + 3 < a.size(), "a write cycle cut short");
            const int code = a[i + 1].value;
            Expect(Is(a[i + 1], 'W', LPT_CONTROL) && (code == REG_DATA || code == REG_CONTROL ||
                                                      code == REG_ADDR_LOW || code == REG_ADDR_HIGH),
                   "a write cycle without a valid register code");
            Expect(Is(a[i + 2], 'W', LPT_CONTROL) && a[i + 2].value == (code | CTRL_WRITE_STROBE),
                   "a write cycle without its strobe");
            Expect(Is(a[i + 3], 'W', LPT_CONTROL) && a[i + 3].value == code, "a write cycle whose strobe stays up");
            s.shape = Shape::WriteCycle;
            s.code = code;
            s.data = a[i].value;
            i += 4;
        } else if (Is(a[i], 'W', LPT_CONTROL) && a[i].value == 0x00) {
            Expect(i + 3 < a.size() && Is(a[i + 1], 'R', LPT_STATUS) && Is(a[i + 2], 'W', LPT_CONTROL) &&
                       a[i + 2].value == CTRL_NIBBLE_HIGH && Is(a[i + 3], 'R', LPT_STATUS),
                   "a read-back not of its four accesses");
            s.shape = Shape::ReadBack;
            s.low = a[i + 1].value;
            s.high = a[i + 3].value;
            i += 4;
        } else if (Is(a[i], 'W', LPT_CONTROL) && a[i].value == CTRL_TIMER_START) {
            Expect(i + 1 < a.size() && Is(a[i + 1], 'W', LPT_CONTROL) && a[i + 1].value == 0x00,
                   "a timer start pulse wider than one write");
            s.shape = Shape::Timer;
            for (i += 2; i < a.size() && Is(a[i], 'R', LPT_STATUS); ++i) ++s.reads;
            Expect(s.reads >= 1 && uint32_t(s.reads) <= TIMER_POLL_LIMIT, "timer reads " + std::to_string(s.reads));
        } else {
            Fail("an access in no known shape: " + std::string(1, a[i].kind) + " " + Hex(a[i].port) + " " +
                 Hex(a[i].value));
        }
        out.push_back(s);
    }
    return out;
}

// --- Actions ------------------------------------------------------------------------

struct Action {
    const char* name;
    int control;  // clicked, or 0 for a key
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int weight;
};

std::vector<Action> Actions() {
    static const char* bitNames[] = {"A16", "A17", "---", "VPP", "CS", "PGM", "OE", "DE"};
    static const char* readNames[] = {"read D0", "read D1", "read D2", "read D3",
                                      "read D4", "read D5", "read D6", "read D7"};
    std::vector<Action> list;
    for (int i = 0; i < 8; ++i) list.push_back({bitNames[i], IDC_BIT0 + i, Qt::Key_unknown, {}, 3});
    for (int i = 0; i < 8; ++i) list.push_back({readNames[i], IDC_READ_BIT0 + i, Qt::Key_unknown, {}, 1});
    list.push_back({"select control", IDC_SEL_CONTROL, Qt::Key_unknown, {}, 2});
    list.push_back({"select data", IDC_SEL_DATA, Qt::Key_unknown, {}, 2});
    list.push_back({"select address high", IDC_SEL_ADDR_HIGH, Qt::Key_unknown, {}, 2});
    list.push_back({"select address low", IDC_SEL_ADDR_LOW, Qt::Key_unknown, {}, 2});
    list.push_back({"select all", IDC_CHECKBOX1052, Qt::Key_unknown, {}, 2});
    list.push_back({"По шагам", IDC_STEP_MODE, Qt::Key_unknown, {}, 4});
    list.push_back({"Записать", IDC_WRITE, Qt::Key_unknown, {}, 5});
    list.push_back({"Считать", IDC_READ, Qt::Key_unknown, {}, 3});
    list.push_back({"Сброс", IDC_RESET, Qt::Key_unknown, {}, 1});
    list.push_back({"Шаг адреса", IDC_ADDR_STEP, Qt::Key_unknown, {}, 4});
    list.push_back({"Тест таймера", IDC_TIMER_TEST, Qt::Key_unknown, {}, 1});
    list.push_back({"Tab", 0, Qt::Key_Tab, {}, 3});
    list.push_back({"Shift+Tab", 0, Qt::Key_Tab, Qt::ShiftModifier, 2});
    list.push_back({"Up", 0, Qt::Key_Up, {}, 1});
    list.push_back({"Down", 0, Qt::Key_Down, {}, 1});
    list.push_back({"Left", 0, Qt::Key_Left, {}, 1});
    list.push_back({"Right", 0, Qt::Key_Right, {}, 1});
    list.push_back({"Space", 0, Qt::Key_Space, {}, 2});
    list.push_back({"Enter", 0, Qt::Key_Return, {}, 2});
    return list;
}

// The command an action gives the panel: the control clicked, or the push
// button or check box that Space or Enter acts on. 0 for none.
int CommandOf(const Action& action, int focused) {
    if (action.control != 0) return action.control;
    const bool pushButton = focused == IDC_WRITE || focused == IDC_READ || focused == IDC_RESET ||
                            focused == IDC_ADDR_STEP || focused == IDC_TIMER_TEST || focused == IDCANCEL;
    if (action.key == Qt::Key_Space) return focused;
    if (action.key == Qt::Key_Return && pushButton) return focused;
    return 0;
}

bool IsStepText(const QString& text) {
    return std::find(CYCLE_PAUSES.begin(), CYCLE_PAUSES.end(), text.toStdU16String()) != CYCLE_PAUSES.end();
}

// --- The run --------------------------------------------------------------------------

struct Board {
    int latched[REG_ADDR_HIGH + 1] = {0, 0, 0, 0, 0, 0, 0};  // what the last cycle for each register wrote
    bool sampledStep = false;                                // the step flag the last Write or Read sampled
};

void Run(long actions) {
    if (Panel() == nullptr || !QTest::qWaitForWindowActive(Panel()->windowHandle())) Fail("the panel did not open");
    std::mt19937 random(g_seed);
    const std::vector<Action> list = Actions();
    std::vector<int> weights;
    for (const Action& a : list) weights.push_back(a.weight);
    std::discrete_distribution<size_t> pick(weights.begin(), weights.end());
    const uint32_t timerLengths[] = {0, 1, 5, 40, 300, 5000, 2 * TIMER_POLL_LIMIT};
    std::discrete_distribution<size_t> pickTimer({3, 3, 3, 3, 2, 1, 0.2});

    BoxAnswerer answerer;
    answerer.traceLines = [] { return size_t(0); };
    Board board;
    long writeCycles = 0, boxesSeen = 0, stepPauses = 0;

    for (g_action = 0; g_action < actions; ++g_action) {
        const Action& action = list[pick(random)];
        // After a box the panel is active again only once the window system
        // says so; an operator, too, waits for it before the next key.
        if (QApplication::activeWindow() != Panel() && !QTest::qWaitForWindowActive(Panel()->windowHandle()))
            Fail("the panel did not become active again");
        const int focused = ControlId(QApplication::focusWidget());
        const int command = CommandOf(action, focused);
        g_actionName = std::string(action.name) + ", focus on " + std::to_string(focused);
        if (command == IDCANCEL) continue;  // "Выход" ends the run; it is tested on its own
        if (command == IDC_TIMER_TEST && !g_recording) SimBoardSetTimerLength(timerLengths[pickTimer(random)]);
        const bool stepChecked = Checked(IDC_STEP_MODE);
        const uint8_t presented = SimBoardPresentedByte();
        const size_t boxesBefore = answerer.boxes.size();

        if (action.control != 0)
            Click(action.control);
        else
            Key(action.key, action.modifiers);
        Expect(Panel() != nullptr, "the panel closed");

        if (command == IDC_WRITE || command == IDC_READ) board.sampledStep = stepChecked;
        const std::vector<Segment> segments = Segments(NewAccesses());
        std::vector<Box> boxes(answerer.boxes.begin() + long(boxesBefore), answerer.boxes.end());
        boxesSeen += long(boxes.size());
        int cycles = 0;
        for (const Segment& s : segments) {
            if (s.shape == Shape::WriteCycle) {
                ++cycles;
                board.latched[s.code] = s.data;
            }
            if (s.shape == Shape::ReadBack) {
                const int read = (s.high & STATUS_NIBBLE_MASK) | ((s.low & STATUS_NIBBLE_MASK) >> 4);
                Expect(read == presented, "read back " + Hex(read) + ", the board presented " + Hex(presented));
                for (int i = 0; i < 8; ++i)
                    Expect(Checked(IDC_READ_BIT0 + i) == (((presented >> i) & 1) != 0),
                           "read-back box D" + std::to_string(i) + " does not show " + Hex(presented));
            }
            if (s.shape == Shape::Timer) {
                Expect(boxes.size() == 1 && boxes[0].text == QString::number(s.reads - 1),
                       "the timer box does not show " + std::to_string(s.reads - 1));
                Expect(boxes[0].panelBlocked, "the timer box does not block the panel");
            }
        }
        writeCycles += cycles;

        // Segments only where the command makes them: a Write one cycle, a
        // Reset four, a step one or two, a Read one read-back, the timer one.
        const size_t expectedSegments = command == IDC_WRITE || command == IDC_READ || command == IDC_TIMER_TEST ? 1
                                        : command == IDC_RESET                                                  ? 4
                                                                                                                : 0;
        if (command == IDC_ADDR_STEP)
            Expect(segments.size() == 1 || segments.size() == 2, "a step made " + std::to_string(segments.size()));
        else
            Expect(segments.size() == expectedSegments, "the command made " + std::to_string(segments.size()) +
                                                            " port operations");

        int stepBoxes = 0;
        for (const Box& b : boxes) {
            if (IsStepText(b.text)) ++stepBoxes;
            Expect(b.panelBlocked, "a box that does not block the panel");
        }
        Expect(stepBoxes == (board.sampledStep ? 4 * cycles : 0),
               std::to_string(stepBoxes) + " step boxes for " + std::to_string(cycles) + " cycles, step flag " +
                   (board.sampledStep ? "set" : "clear"));
        Expect(int(boxes.size()) == stepBoxes + (command == IDC_TIMER_TEST ? 1 : 0), "an unexpected box");
        stepPauses += stepBoxes;

        for (RegisterCode code : {REG_DATA, REG_CONTROL, REG_ADDR_LOW, REG_ADDR_HIGH})
            Expect(SimBoardRegister(code) == board.latched[code],
                   "register " + std::to_string(code) + " latched " + Hex(SimBoardRegister(code)) +
                       ", the last cycle wrote " + Hex(board.latched[code]));
        if (command == IDC_ADDR_STEP || command == IDC_RESET) {
            Expect(SimBoardRegister(REG_ADDR_LOW) == AddressCounter.low, "the board's address low is not the counter");
            // The high latch follows the counter once a reset or a carry wrote it.
            const bool carried = segments.size() == 2 || command == IDC_RESET;
            if (carried)
                Expect(SimBoardRegister(REG_ADDR_HIGH) == AddressCounter.high,
                       "the board's address high is not the counter");
        }
    }
    printf("random run: seed %u, %ld actions, %ld write cycles, %ld boxes answered (%ld step pauses), %ld invariant "
           "checks\n", g_seed, actions, writeCycles, boxesSeen, stepPauses, g_checks);
    fflush(stdout);
    g_action = -1;
    g_actionName = "closing";
    Key(Qt::Key_Escape);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_seed = DEFAULT_SEED;
    long actions = 10000;
    char* record[] = {argv[0], const_cast<char*>("--record"), nullptr, nullptr};  // as the entry reads it
    std::string path = testing::TempDir() + "kalderon-random-trace-XXXXXX";
    const char* kept = nullptr;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "--record") == 0 && i + 2 < argc) record[2] = argv[++i], kept = argv[i + 1];
        if (strcmp(argv[i], "--seed") == 0)
            g_seed = strcmp(argv[i + 1], "random") == 0 ? std::random_device{}() : uint32_t(strtoul(argv[i + 1], nullptr, 10));
        if (strcmp(argv[i], "--actions") == 0) actions = strtol(argv[i + 1], nullptr, 10);
    }
    printf("random run: seed %u\n", g_seed);
    fflush(stdout);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    if (kept == nullptr) close(mkstemp(path.data()));
    SimBoardTraceTo(kept != nullptr ? kept : path.c_str());
    g_trace.open(kept != nullptr ? kept : path.c_str());
    if (kept == nullptr) unlink(path.c_str());  // the open streams keep it while the run lasts
    g_recording = kept != nullptr;
    __argc = g_recording ? 3 : 1;
    __argv = record;

    QTimer::singleShot(0, [actions] { Run(actions); });
    wchar_t none[] = L"";
    wWinMain(nullptr, nullptr, none, 1);  // ends the process with the panel's exit code
    Fail("the entry returned");
}
